#include "MainWindowFixture.h"

#include "ui/EntryLineEdit.h"
#include "ui/Main.h"
#include "ui/RadioGroup.h"

#include <QRadioButton>

using namespace std::chrono;

namespace {

const QString dateError = QStringLiteral("är inte ett giltigt datum");

} // namespace

// The main window's state and the age operation, driven through the real widgets with
// today fixed at 26 April 2004.
class MainWindowTest : public MainWindowFixture {
    Q_OBJECT

private slots:
    void startsEmptyWithNoItemSelected();
    void enteringInputEmptiesEverything_data();
    void enteringInputEmptiesEverything();
    void age_data();
    void age();
    void ageRejection_data();
    void ageRejection();
    void unreadableDateKeepsBoxes_data();
    void unreadableDateKeepsBoxes();
    void rejectionEmptiesAllWhateverTheFocus_data();
    void rejectionEmptiesAllWhateverTheFocus();
    void clickWithNoItemOnlyTellsTheUser();
    void clickOnGroupAreaRunsSelectedItemAgain();
    void realErrorBoxLeavesBoxesAndWindowUsable();
    void realRejectionBoxIsReadAndDismissed();
};

void MainWindowTest::startsEmptyWithNoItemSelected()
{
    QCOMPARE(boxes(), QStringList(6, QString()));
    QCOMPARE(group_->itemIndex(), -1);
    QVERIFY(input_->hasFocus());
    for (int i = 2; i <= 6; ++i)
        QVERIFY2(box(i)->isReadOnly(), qPrintable(box(i)->objectName()));
    QVERIFY(!input_->isReadOnly());
}

void MainWindowTest::enteringInputEmptiesEverything_data()
{
    QTest::addColumn<bool>("byTab");
    QTest::newRow("mouse") << false;
    QTest::newRow("tab from the group") << true;
}

void MainWindowTest::enteringInputEmptiesEverything()
{
    QFETCH(bool, byTab);
    typeIntoInput("600115");
    pick(Alder);
    QCOMPARE(boxes(), (QStringList{"600115", "", "", "44", "3", "11"}));
    QCOMPARE(group_->itemIndex(), int(Alder));
    if (byTab)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    else
        QTest::mouseClick(input_, Qt::LeftButton);
    QVERIFY(input_->hasFocus());
    QCOMPARE(boxes(), QStringList(6, QString()));
    QCOMPARE(group_->itemIndex(), -1);
}

void MainWindowTest::age_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("age");
    const QDate april26th(2004, 4, 26);
    QTest::newRow("born 30th, today 26th") << april26th << "600130" << QStringList{"44", "2", "27"};
    QTest::newRow("born 15th, today 26th") << april26th << "600115" << QStringList{"44", "3", "11"};
    QTest::newRow("born today") << april26th << "040426" << QStringList{"0", "0", "0"};
    QTest::newRow("born yesterday") << april26th << "040425" << QStringList{"0", "0", "1"};
    QTest::newRow("typed with separators") << april26th << "60-01-15" << QStringList{"44", "3", "11"};
    QTest::newRow("short form with separators") << april26th << "6-1-15" << QStringList{"98", "3", "11"};
    QTest::newRow("year after this one is last century") << april26th << "300101" << QStringList{"74", "3", "25"};
    QTest::newRow("99 years back") << april26th << "050101" << QStringList{"99", "3", "25"};
    QTest::newRow("born 31st, day count uses birth month") << april26th << "040131" << QStringList{"0", "2", "26"};
    QTest::newRow("new year's eve") << april26th << "031231" << QStringList{"0", "3", "26"};
    QTest::newRow("29 February, day before a common-year birthday") << QDate(2001, 2, 28) << "000229" << QStringList{"0", "11", "28"};
    QTest::newRow("29 February, 1 March of a common year") << QDate(2001, 3, 1) << "000229" << QStringList{"1", "0", "1"};
    QTest::newRow("29 February, leap-year birthday") << QDate(2004, 2, 29) << "000229" << QStringList{"4", "0", "0"};
    QTest::newRow("born 31 January, today 29 February") << QDate(2004, 2, 29) << "040131" << QStringList{"0", "0", "29"};
    QTest::newRow("born 31 January, today 1 March") << QDate(2004, 3, 1) << "040131" << QStringList{"0", "1", "1"};
    QTest::newRow("born 1 January 2000, today 31 December 2099") << QDate(2099, 12, 31) << "000101" << QStringList{"99", "11", "30"};
}

void MainWindowTest::age()
{
    QFETCH(QDate, today);
    QFETCH(QString, input);
    QFETCH(QStringList, age);
    pnr::dates::FixedClock clock(pnr::dates::makeDateTime(
        year(today.year()) / month(unsigned(today.month())) / day(unsigned(today.day())), 9h));
    MessageRecorder messages;
    typeIntoInput(input);
    pick(Alder);
    QCOMPARE(messages.texts(), QStringList());
    QCOMPARE(boxes(), QStringList({input, "", ""}) + age);
    QCOMPARE(group_->itemIndex(), int(Alder));
    QCOMPARE(QString::fromStdString(pnr::dates::shortDateFormat()), QStringLiteral("yyyy-mm-dd"));
}

void MainWindowTest::ageRejection_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("nine characters") << "600115123";
    QTest::newRow("a full number") << "600115-1234";
    QTest::newRow("later this year") << "041231";
    QTest::newRow("tomorrow") << "040427";
    QTest::newRow("tomorrow with separators") << "04-04-27";
}

void MainWindowTest::ageRejection()
{
    QFETCH(QString, input);
    MessageRecorder messages;
    typeIntoInput(input);
    pick(Alder);
    QCOMPARE(messages.texts(), QStringList{"Felaktigt födelsedatum"});
    QCOMPARE(boxes(), QStringList(6, QString()));
    QCOMPARE(group_->itemIndex(), -1);
    QVERIFY(input_->hasFocus());
}

void MainWindowTest::unreadableDateKeepsBoxes_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("dateText");
    QTest::newRow("empty") << "" << "--";
    QTest::newRow("letters") << "6a" << "6a--";
    QTest::newRow("month 13") << "601315" << "60-13-15";
    QTest::newRow("31 April") << "600431" << "60-04-31";
    QTest::newRow("29 February of a common year") << "010229" << "01-02-29";
    QTest::newRow("eight characters, no separator") << "19600115" << "19-60-01";
    QTest::newRow("separators misplaced") << "6001-15" << "6001-15";
}

// An unreadable date reaches the error display; the age boxes keep what an earlier run wrote
// and the input, the selection and the focus stay as they were. The item is clicked from code
// so that the focus stays in the input box and the text can be edited without starting over.
void MainWindowTest::unreadableDateKeepsBoxes()
{
    QFETCH(QString, input);
    QFETCH(QString, dateText);
    typeIntoInput("600115");
    group_->item(Alder)->click();
    input_->selectAll();
    QTest::keyClick(input_, Qt::Key_Backspace);
    QTest::keyClicks(input_, input);
    MessageRecorder messages;
    group_->item(Alder)->click();
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages.front().kind, pnr::MessageKind::Error);
    QVERIFY2(messages.texts().front().startsWith('"' + dateText + "\" " + dateError),
             qPrintable(messages.texts().front()));
    QCOMPARE(boxes(), (QStringList{input, "", "", "44", "3", "11"}));
    QCOMPARE(group_->itemIndex(), int(Alder));
    QVERIFY(input_->hasFocus());
}

void MainWindowTest::rejectionEmptiesAllWhateverTheFocus_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("input already focused") << "input";
    QTest::newRow("item focused") << "item";
    QTest::newRow("window inactive when the box closes") << "inactive";
}

void MainWindowTest::rejectionEmptiesAllWhateverTheFocus()
{
    QFETCH(QString, focus);
    QWidget other;
    MessageRecorder messages([&] {
        if (focus == "inactive") {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
        }
    });
    typeIntoInput("600115123");
    if (focus == "input")
        group_->item(Alder)->click();
    else
        pick(Alder);
    QCOMPARE(messages.texts(), QStringList{"Felaktigt födelsedatum"});
    QCOMPARE(boxes(), QStringList(6, QString()));
    QCOMPARE(group_->itemIndex(), -1);

    if (focus == "inactive") {
        // The activation gives the focus back to the input box; what the user types then stays.
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    QVERIFY(input_->hasFocus());
    QTest::keyClicks(input_, "6");
    QCOMPARE(input_->text(), QStringLiteral("6"));
}

void MainWindowTest::clickWithNoItemOnlyTellsTheUser()
{
    MessageRecorder messages;
    typeIntoInput("600115");
    clickGroupArea();
    QCOMPARE(messages.texts(), QStringList{"Felaktigt datum/personnummer"});
    QCOMPARE(messages.messages.front().kind, pnr::MessageKind::Information);
    QCOMPARE(boxes(), (QStringList{"600115", "", "", "", "", ""}));
    QCOMPARE(group_->itemIndex(), -1);
    QVERIFY(input_->hasFocus());
}

void MainWindowTest::clickOnGroupAreaRunsSelectedItemAgain()
{
    typeIntoInput("600115");
    pick(Alder);
    QCOMPARE(box(6)->text(), QStringLiteral("11"));
    pnr::dates::FixedClock dayLater(pnr::dates::makeDateTime(2004y / April / 27, 12h));
    MessageRecorder messages;
    clickGroupArea();
    QCOMPARE(messages.texts(), QStringList());
    QCOMPARE(boxes(), (QStringList{"600115", "", "", "44", "3", "12"}));
}

// With the real message box: closing it must not count as entering the input box.
void MainWindowTest::realErrorBoxLeavesBoxesAndWindowUsable()
{
    typeIntoInput("600115");
    group_->item(Alder)->click();
    QTest::keyClick(input_, Qt::Key_Backspace);
    QTest::keyClicks(input_, "a");
    QString shown;
    dismissNextMessageBox(&shown);
    group_->item(Alder)->click();
    QCOMPARE(shown, QStringLiteral("\"60-01-1a\" är inte ett giltigt datum: år, månad och dag ska "
                                   "skrivas med en till fyra siffror var."));
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QCOMPARE(boxes(), (QStringList{"60011a", "", "", "44", "3", "11"}));
    QCOMPARE(group_->itemIndex(), int(Alder));

    QTest::keyClick(input_, Qt::Key_Backspace);
    QTest::keyClicks(input_, "6");
    group_->item(Alder)->click();
    QCOMPARE(boxes(), (QStringList{"600116", "", "", "44", "3", "10"}));
}

void MainWindowTest::realRejectionBoxIsReadAndDismissed()
{
    typeIntoInput("041231");
    QString shown;
    dismissNextMessageBox(&shown);
    pick(Alder);
    QCOMPARE(shown, QStringLiteral("Felaktigt födelsedatum"));
    QCOMPARE(boxes(), QStringList(6, QString()));
    QCOMPARE(group_->itemIndex(), -1);
    QTRY_VERIFY(input_->hasFocus());
}

PNR_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
