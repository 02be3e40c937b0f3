#pragma once

#include "logic/Errors.h"

namespace pnr {

// Where an error that escapes an event handler is shown. The application object is one.
class ErrorDisplay {
public:
    virtual void showError(const Error& error) = 0;

protected:
    ~ErrorDisplay() = default;
};

} // namespace pnr
