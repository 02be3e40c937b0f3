#include "WindowFixture.h"

#include "ui/EntryLineEdit.h"

#include <QMenu>
#include <QSignalSpy>
#include <QVBoxLayout>

// When the input box counts as entered: real moves of the focus do, returns of it do not.
class EntryLineEditTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstShowIsAnEntry();
    void movesAreEntries_data();
    void movesAreEntries();
    void returnsAreNotEntries_data();
    void returnsAreNotEntries();
    void enterReportsExactlyOnce_data();
    void enterReportsExactlyOnce();

private:
    std::unique_ptr<QWidget> window_;
    pnr::EntryLineEdit* entry_ = nullptr;
    QLineEdit* other_ = nullptr;
    std::unique_ptr<QSignalSpy> entered_;
};

void EntryLineEditTest::init()
{
    window_ = std::make_unique<QWidget>();
    auto* rows = new QVBoxLayout(window_.get());
    entry_ = new pnr::EntryLineEdit(window_.get());
    other_ = new QLineEdit(window_.get());
    rows->addWidget(entry_);
    rows->addWidget(other_);
    entered_ = std::make_unique<QSignalSpy>(entry_, &pnr::EntryLineEdit::entered);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QVERIFY(entry_->hasFocus());
}

void EntryLineEditTest::cleanup()
{
    entered_.reset();
    window_.reset();
}

void EntryLineEditTest::firstShowIsAnEntry()
{
    QCOMPARE(entered_->count(), 1);
}

void EntryLineEditTest::movesAreEntries_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("mouse") << "mouse";
    QTest::newRow("tab") << "tab";
    QTest::newRow("backtab") << "backtab";
    QTest::newRow("code") << "code";
}

void EntryLineEditTest::movesAreEntries()
{
    QFETCH(QString, how);
    other_->setFocus();
    entered_->clear();
    if (how == "mouse")
        QTest::mouseClick(entry_, Qt::LeftButton);
    else if (how == "tab")
        QTest::keyClick(other_, Qt::Key_Tab);
    else if (how == "backtab")
        QTest::keyClick(other_, Qt::Key_Backtab);
    else
        entry_->setFocus(Qt::OtherFocusReason);
    QVERIFY(entry_->hasFocus());
    QCOMPARE(entered_->count(), 1);
}

void EntryLineEditTest::returnsAreNotEntries_data()
{
    QTest::addColumn<QString>("after");
    QTest::newRow("message box") << "message box";
    QTest::newRow("popup menu") << "popup menu";
    QTest::newRow("another window") << "another window";
}

void EntryLineEditTest::returnsAreNotEntries()
{
    QFETCH(QString, after);
    entered_->clear();
    if (after == "message box") {
        QString shown;
        dismissNextMessageBox(&shown);
        pnr::showMessage(window_.get(), QStringLiteral("x"));
        QCOMPARE(shown, QStringLiteral("x"));
    } else if (after == "popup menu") {
        QMenu menu(window_.get());
        menu.addAction(QStringLiteral("item"));
        menu.popup(window_->mapToGlobal(QPoint(5, 5)));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTest::keyClick(&menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu.isVisible());
        window_->activateWindow(); // what a window manager does once the popup is gone
    } else {
        QWidget another;
        another.show();
        another.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&another));
        QVERIFY(!entry_->hasFocus());
        window_->activateWindow();
    }
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTRY_VERIFY(entry_->hasFocus());
    QCOMPARE(entered_->count(), 0);
}

void EntryLineEditTest::enterReportsExactlyOnce_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("already here") << "here";
    QTest::newRow("elsewhere") << "elsewhere";
    QTest::newRow("window inactive") << "inactive";
}

void EntryLineEditTest::enterReportsExactlyOnce()
{
    QFETCH(QString, focus);
    QWidget another;
    if (focus == "elsewhere")
        other_->setFocus();
    if (focus == "inactive") {
        another.show();
        another.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&another));
    }
    entered_->clear();
    entry_->enter();
    QCOMPARE(entered_->count(), 1);
    // The window's activation afterwards brings the focus back to the box, not a second entry.
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTRY_VERIFY(entry_->hasFocus());
    QCOMPARE(entered_->count(), 1);
}

PNR_TEST_MAIN(EntryLineEditTest)
#include "tst_entrylineedit.moc"
