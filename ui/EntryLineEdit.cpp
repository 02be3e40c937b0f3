#include "ui/EntryLineEdit.h"

#include <QFocusEvent>

namespace pnr {

namespace {

// Reasons with which Qt takes the focus away for a while and gives it back unchanged.
bool isPassing(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
           || reason == Qt::MenuBarFocusReason;
}

} // namespace

EntryLineEdit::EntryLineEdit(QWidget* parent) : QLineEdit(parent) {}

void EntryLineEdit::enter()
{
    reported_ = false;
    setFocus(Qt::OtherFocusReason);
    if (!reported_) {
        // Already focused (no event comes), or the window is inactive: its activation will
        // bring the focus here, and that is the return of this entry, not a new one.
        away_ = !hasFocus();
        emit entered();
    }
}

void EntryLineEdit::focusInEvent(QFocusEvent* event)
{
    const bool returning = away_ && isPassing(event->reason());
    away_ = false;
    QLineEdit::focusInEvent(event);
    if (!returning) {
        reported_ = true;
        emit entered();
    }
}

void EntryLineEdit::focusOutEvent(QFocusEvent* event)
{
    away_ = isPassing(event->reason());
    QLineEdit::focusOutEvent(event);
}

} // namespace pnr
