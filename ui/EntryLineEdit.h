#pragma once

#include <QLineEdit>

namespace pnr {

// A line edit that reports when the input focus really moves into it: by mouse, Tab, a
// shortcut, code, or the first time its window shows it. Focus that only comes back (after a
// message box, a menu, the menu bar or another window) is not an entry: the box keeps what
// the user sees.
class EntryLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit EntryLineEdit(QWidget* parent = nullptr);

    // Moves the focus here and reports entered() exactly once, also when the focus is here
    // already or the window is not active, in which case the focus arrives later as a return.
    void enter();

signals:
    void entered();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool away_ = false; // the focus left for a while and is expected back
    bool reported_ = false;
};

} // namespace pnr
