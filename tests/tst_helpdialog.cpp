#include "MainWindowFixture.h"

#include "ui/EntryLineEdit.h"
#include "ui/HlpDlg.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

// The help dialog as the "Hjälp" menu item shows it.
class HelpDialogTest : public MainWindowFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void layoutAndText();
    void shownModallyAndKeepsEdits();

private:
    // Clicks "Hjälp" in the menu bar and runs check while the dialog is open, then "&Stäng".
    void whileHelpIsOpen(const std::function<void()>& check);

    std::unique_ptr<THjpDlg> dialog_;
    QPlainTextEdit* memo_ = nullptr;
    QPushButton* close_ = nullptr;
};

void HelpDialogTest::initTestCase()
{
    dialog_ = std::make_unique<THjpDlg>();
    HjpDlg = dialog_.get();
    // Hidden from start-up, the dialog makes its components when first shown.
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(dialog_->findChild<QPlainTextEdit*>(), nullptr);
}

void HelpDialogTest::cleanupTestCase()
{
    HjpDlg = nullptr;
    dialog_.reset();
}

void HelpDialogTest::whileHelpIsOpen(const std::function<void()>& check)
{
    bool checked = false;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(dialog_->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
        memo_ = dialog_->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        close_ = dialog_->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        QVERIFY(memo_ && close_);
        check();
        QTest::mouseClick(close_, Qt::LeftButton);
        checked = true;
    });
    auto* bar = window_->findChild<QMenuBar*>(QStringLiteral("MainMenu1"));
    QAction* hjalp = window_->findChild<QAction*>(QStringLiteral("Hjlp1"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(hjalp).center());
    QVERIFY(checked);
    QVERIFY(!dialog_->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void HelpDialogTest::layoutAndText()
{
    whileHelpIsOpen([&] {
        const QStringList lines = {
            "Programmet kan användas på tre sätt:",
            "",
            "1  Vill man enbart åldern: Skriv in födelsedatum i ",
            "    format ÅÅMMDD och markera \"Ålder\"",
            "",
            "2  Vill man kontrollera personnummer: Skriv in ",
            "    personnummret i format ÅÅMMDD-XXXX ",
            "    och markera \"PersonNr\"",
            "",
            "3  Vill man räkna fram kontrollsiffran: Skriv in",
            "    format ÅÅMMDD-XXX och markera",
            "    \"CheckSiffra\" ",
        };
        QCOMPARE(memo_->toPlainText().split('\n'), lines);
        QCOMPARE(memo_->toPlainText().toUtf8(), lines.join('\n').toUtf8());
        QVERIFY(!memo_->isReadOnly());
        QCOMPARE(memo_->geometry(), QRect(0, -2, 313, 227));
        QVERIFY(memo_->font().bold());
        QCOMPARE(memo_->font().pixelSize(), 11);
        QCOMPARE(close_->geometry(), QRect(112, 229, 75, 25));
        QCOMPARE(close_->text(), QStringLiteral("&Stäng"));
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("Hjälp"));
        QCOMPARE(dialog_->size(), QSize(313, 255));
        QCOMPARE(dialog_->minimumSize(), dialog_->maximumSize());
        QVERIFY(!dialog_->font().bold());
        const Qt::WindowFlags flags = dialog_->windowFlags();
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    });
}

void HelpDialogTest::shownModallyAndKeepsEdits()
{
    typeIntoInput("600115");
    whileHelpIsOpen([&] {
        QCOMPARE(QApplication::activeModalWidget(), dialog_.get());
        QVERIFY(!close_->icon().isNull());
        const QRect screen = dialog_->screen()->availableGeometry();
        QVERIFY(qAbs(dialog_->frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(dialog_->frameGeometry().center().y() - screen.center().y()) <= 1);
        // The main window does not respond: a click into its input box neither focuses nor
        // empties it.
        QTest::mouseClick(input_, Qt::LeftButton);
        QCOMPARE(input_->text(), QStringLiteral("600115"));
        memo_->setFocus();
        memo_->moveCursor(QTextCursor::Start);
        QTest::keyClicks(memo_, "Egen rad.");
        // Tab leaves the text for the button instead of being typed.
        QTest::keyClick(memo_, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), close_);
    });
    QCOMPARE(input_->text(), QStringLiteral("600115"));
    whileHelpIsOpen([&] {
        QVERIFY(memo_->toPlainText().startsWith("Egen rad.Programmet kan användas"));
    });
    QCOMPARE(HjpDlg, dialog_.get());
}

PNR_TEST_MAIN(HelpDialogTest)
#include "tst_helpdialog.moc"
