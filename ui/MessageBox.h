#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace pnr {

enum class MessageKind { Information, Error };

// Shows a modal message with a single OK button and returns when the user has dismissed it.
// The window that was active before gets the activation back, so that the focus returns to
// where it was even on a display without a window manager.
void showMessage(QWidget* parent, const QString& text, MessageKind kind = MessageKind::Information);

// Replaces how messages are shown, for tests that record them instead of waiting for a click.
// Returns the presenter that was in force; an empty function restores the real message box.
using MessagePresenter = std::function<void(QWidget* parent, const QString& text, MessageKind)>;
MessagePresenter setMessagePresenter(MessagePresenter presenter);

} // namespace pnr
