#include "ui/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <utility>

namespace pnr {

namespace {

MessagePresenter& presenter()
{
    static MessagePresenter current;
    return current;
}

void showMessageBox(QWidget* parent, const QString& text, MessageKind kind)
{
    QPointer<QWidget> returnTo = QApplication::activeWindow();
    if (!returnTo && parent)
        returnTo = parent->window();
    const QString title = parent ? parent->window()->windowTitle() : QApplication::applicationDisplayName();
    QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::Information,
                    title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
    if (returnTo)
        returnTo->activateWindow();
}

} // namespace

void showMessage(QWidget* parent, const QString& text, MessageKind kind)
{
    if (presenter())
        presenter()(parent, text, kind);
    else
        showMessageBox(parent, text, kind);
}

MessagePresenter setMessagePresenter(MessagePresenter replacement)
{
    return std::exchange(presenter(), std::move(replacement));
}

} // namespace pnr
