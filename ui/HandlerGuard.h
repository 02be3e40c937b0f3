#pragma once

#include "logic/Errors.h"
#include "logic/Text.h"
#include "ui/ErrorDisplay.h"
#include "ui/Texts.h"

#include <exception>
#include <string>

namespace pnr {

// Runs a handler body so that no exception crosses into Qt, whose frames are built without
// exception support. The silent abandon is swallowed: its message has already been shown.
// Every other failure goes to the error display, after which the event loop goes on.
template <class Body>
void runGuarded(ErrorDisplay& display, Body&& body) noexcept
{
    try {
        try {
            body();
        } catch (const Abandon&) {
        } catch (const Error& error) {
            display.showError(error);
        } catch (const std::exception& error) {
            display.showError(Error(toUtf8(texts::unexpectedError) + " (" + error.what() + ")"));
        } catch (...) {
            display.showError(Error(toUtf8(texts::unexpectedError)));
        }
    } catch (...) {
        // The display itself failed (out of memory): nothing more can be shown.
    }
}

} // namespace pnr
