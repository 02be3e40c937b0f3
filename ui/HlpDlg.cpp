#include "ui/HlpDlg.h"

#include "ui/Fonts.h"
#include "ui/TextBridge.h"
#include "ui/Texts.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

using namespace pnr;

THjpDlg* HjpDlg = nullptr;

THjpDlg::THjpDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("HjpDlg"));
    setWindowTitle(toQString(texts::helpTitle));
    setFont(uiFont());
    setBackgroundRole(QPalette::Button);
    setFixedSize(313, 255);
}

// The components come with the first showing: the text box and the close glyph weigh about
// two megabytes and would slow the start-up of every run for a dialog that is rarely opened.
// Once made they stay, so the text keeps its edits.
void THjpDlg::createComponents()
{
    Memo1 = new QPlainTextEdit(toQString(texts::helpText), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(toQString(texts::helpTitle));
    Memo1->setGeometry(0, -2, 313, 227);
    Memo1->setFont(formFont());
    Memo1->setTabChangesFocus(true);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                              toQString(texts::helpClose), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(112, 229, 75, 25);
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    setTabOrder(Memo1, BitBtn1);
}

void THjpDlg::setVisible(bool visible)
{
    if (visible && !Memo1)
        createComponents();
    QDialog::setVisible(visible);
}

void THjpDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - frameGeometry().center() + pos());
    activateWindow();
}
