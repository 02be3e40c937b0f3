#include "logic/Dates.h"
#include "logic/Errors.h"

#include <QTest>

using namespace pnr;
using namespace pnr::dates;
using namespace std::chrono;

namespace {

DateTime at(int y, unsigned m, unsigned d)
{
    return makeDateTime(year(y) / month(m) / day(d));
}

const DateTime april26th2004 = makeDateTime(2004y / April / 26, 12h);

QString q(TextView s)
{
    return QString::fromStdU32String(Text(s));
}

// Restores the process-wide format after each test that changes it.
struct FormatGuard {
    std::string saved = shortDateFormat();
    ~FormatGuard() { setShortDateFormat(saved); }
};

} // namespace

class DatesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { setShortDateFormat("yyyy-mm-dd"); }

    void parse_data();
    void parse();
    void parseErrors_data();
    void parseErrors();
    void formatFollowsPattern_data();
    void formatFollowsPattern();
    void parseFollowsPattern();
    void badPatternsAreRefused_data();
    void badPatternsAreRefused();
    void addYears_data();
    void addYears();
    void wholeMonthsAndYears_data();
    void wholeMonthsAndYears();
    void daysInMonth_data();
    void daysInMonth();
    void fixedClockNestsAndRestores();
    void clockIsLocalNotUtc();
};

void DatesTest::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("referenceYear");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("two-digit year, this century") << "60-01-15" << 2004 << QDate(2060, 1, 15);
    QTest::newRow("two-digit year in 1999") << "60-01-15" << 1999 << QDate(1960, 1, 15);
    QTest::newRow("year 00") << "00-02-29" << 2004 << QDate(2000, 2, 29);
    QTest::newRow("one-digit fields") << "6-1-5" << 2004 << QDate(2006, 1, 5);
    QTest::newRow("four-digit year literal") << "1930-01-01" << 2004 << QDate(1930, 1, 1);
    QTest::newRow("leading zeros") << "0060-001-0015" << 2004 << QDate(60, 1, 15);
    QTest::newRow("29 February of a leap year") << "1960-02-29" << 2004 << QDate(1960, 2, 29);
    QTest::newRow("31 December") << "03-12-31" << 2004 << QDate(2003, 12, 31);
}

void DatesTest::parse()
{
    QFETCH(QString, text);
    QFETCH(int, referenceYear);
    QFETCH(QDate, expected);
    const Date date = dateOf(parseDate(text.toStdU32String(), at(referenceYear, 6, 1)));
    QCOMPARE(QDate(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day()))),
             expected);
}

void DatesTest::parseErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString fields = "år, månad och dag ska skrivas med en till fyra siffror var.";
    QTest::newRow("two separators alone") << "--" << "\"--\" är inte ett giltigt datum: " + fields;
    QTest::newRow("letters") << "ab-cd-ef" << "\"ab-cd-ef\" är inte ett giltigt datum: " + fields;
    QTest::newRow("trailing separator") << "60-01-" << "\"60-01-\" är inte ett giltigt datum: " + fields;
    QTest::newRow("space inside") << "60-01- 5" << "\"60-01- 5\" är inte ett giltigt datum: " + fields;
    QTest::newRow("five-digit year") << "19600-01-15" << "\"19600-01-15\" är inte ett giltigt datum: " + fields;
    QTest::newRow("month 13") << "60-13-15" << "\"60-13-15\" är inte ett giltigt datum: månad 13 finns inte.";
    QTest::newRow("month 0") << "60-00-15" << "\"60-00-15\" är inte ett giltigt datum: månad 0 finns inte.";
    QTest::newRow("31 April") << "60-04-31" << "\"60-04-31\" är inte ett giltigt datum: april 2060 har bara 30 dagar.";
    QTest::newRow("29 February, common year") << "1900-02-29" << "\"1900-02-29\" är inte ett giltigt datum: februari 1900 har bara 28 dagar.";
    QTest::newRow("day 0") << "60-01-00" << "\"60-01-00\" är inte ett giltigt datum: dag 0 finns inte.";
    QTest::newRow("three-digit year") << "606-01-1" << "\"606-01-1\" är inte ett giltigt datum: året ska skrivas med två eller fyra siffror.";
    QTest::newRow("year 0") << "0000-01-01" << "\"0000-01-01\" är inte ett giltigt datum: år 0 finns inte.";
    QTest::newRow("one separator") << "6001-15" << "\"6001-15\" är inte ett giltigt datum: år, månad och dag ska skrivas med siffror och \"-\" emellan.";
    QTest::newRow("no separator") << "600115" << "\"600115\" är inte ett giltigt datum: år, månad och dag ska skrivas med siffror och \"-\" emellan.";
    QTest::newRow("four fields") << "60-01-15-1" << "\"60-01-15-1\" är inte ett giltigt datum: " + fields;
}

void DatesTest::parseErrors()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    try {
        (void)parseDate(text.toStdU32String(), april26th2004);
        QFAIL("no DateError");
    } catch (const DateError& error) {
        QCOMPARE(QString::fromStdString(error.what()), message);
    }
}

void DatesTest::formatFollowsPattern_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("iso") << "yyyy-mm-dd" << "1930-01-05";
    QTest::newRow("default") << "mm/dd/yy" << "01/05/30";
    QTest::newRow("unpadded day first") << "d.m.yyyy" << "5.1.1930";
}

void DatesTest::formatFollowsPattern()
{
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    FormatGuard guard;
    setShortDateFormat(pattern.toStdString());
    QCOMPARE(QString::fromStdString(shortDateFormat()), pattern);
    QCOMPARE(q(formatDate(at(1930, 1, 5))), expected);
}

void DatesTest::parseFollowsPattern()
{
    FormatGuard guard;
    setShortDateFormat("d.m.yyyy");
    QCOMPARE(dateOf(parseDate(U"15.1.1960", april26th2004)), 1960y / January / 15);
    QVERIFY_THROWS_EXCEPTION(DateError, (void)parseDate(U"1960-01-15", april26th2004));
}

void DatesTest::badPatternsAreRefused_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::newRow("empty") << "";
    QTest::newRow("two fields") << "yyyy-mm";
    QTest::newRow("field twice") << "yyyy-mm-mm";
    QTest::newRow("mixed separators") << "yyyy-mm/dd";
    QTest::newRow("letter separator") << "yyyyxmmxdd";
    QTest::newRow("five letters") << "yyyyy-mm-dd";
    QTest::newRow("trailing text") << "yyyy-mm-dd!";
}

void DatesTest::badPatternsAreRefused()
{
    QFETCH(QString, pattern);
    FormatGuard guard;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, setShortDateFormat(pattern.toStdString()));
    QCOMPARE(shortDateFormat(), guard.saved);
}

void DatesTest::addYears_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("years");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("a century back") << QDate(2030, 1, 1) << -100 << QDate(1930, 1, 1);
    QTest::newRow("29 February to a common year") << QDate(2000, 2, 29) << -100 << QDate(1900, 2, 28);
    QTest::newRow("29 February to a leap year") << QDate(2096, 2, 29) << -100 << QDate(1996, 2, 29);
    QTest::newRow("forward") << QDate(1960, 1, 15) << 44 << QDate(2004, 1, 15);
}

void DatesTest::addYears()
{
    QFETCH(QDate, from);
    QFETCH(int, years);
    QFETCH(QDate, expected);
    const DateTime moved = dates::addYears(
        makeDateTime(year(from.year()) / month(unsigned(from.month())) / day(unsigned(from.day())), 5h),
        years);
    const Date d = dateOf(moved);
    QCOMPARE(QDate(int(d.year()), int(unsigned(d.month())), int(unsigned(d.day()))), expected);
    QCOMPARE(moved - floor<days>(moved), seconds(5h));
}

void DatesTest::wholeMonthsAndYears_data()
{
    QTest::addColumn<QDate>("born");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("years");
    QTest::newRow("same day") << QDate(2004, 4, 26) << QDate(2004, 4, 26) << 0 << 0;
    QTest::newRow("day before a monthly birthday") << QDate(1960, 1, 30) << QDate(2004, 4, 26) << 530 << 44;
    QTest::newRow("on a monthly birthday") << QDate(1960, 1, 15) << QDate(2004, 4, 15) << 531 << 44;
    QTest::newRow("day before the birthday") << QDate(1960, 4, 27) << QDate(2004, 4, 26) << 527 << 43;
    QTest::newRow("on the birthday") << QDate(1960, 4, 26) << QDate(2004, 4, 26) << 528 << 44;
    QTest::newRow("31st, month ends on 29th") << QDate(2004, 1, 31) << QDate(2004, 2, 29) << 0 << 0;
    QTest::newRow("31st, next 1st") << QDate(2004, 1, 31) << QDate(2004, 3, 1) << 1 << 0;
    QTest::newRow("29 February, 28 February a year on") << QDate(2000, 2, 29) << QDate(2001, 2, 28) << 11 << 0;
    QTest::newRow("29 February, 1 March a year on") << QDate(2000, 2, 29) << QDate(2001, 3, 1) << 12 << 1;
    QTest::newRow("29 February, four years on") << QDate(2000, 2, 29) << QDate(2004, 2, 29) << 48 << 4;
    QTest::newRow("later date first is the same count") << QDate(2004, 4, 26) << QDate(1960, 1, 15) << 531 << 44;
}

void DatesTest::wholeMonthsAndYears()
{
    QFETCH(QDate, born);
    QFETCH(QDate, today);
    QFETCH(int, months);
    QFETCH(int, years);
    const auto toDateTime = [](QDate d) {
        return makeDateTime(year(d.year()) / month(unsigned(d.month())) / day(unsigned(d.day())), 23h);
    };
    QCOMPARE(wholeMonthsBetween(toDateTime(today), toDateTime(born)), months);
    QCOMPARE(wholeYearsBetween(toDateTime(today), toDateTime(born)), years);
}

void DatesTest::daysInMonth_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("days");
    QTest::newRow("January") << QDate(1960, 1, 15) << 31;
    QTest::newRow("April") << QDate(1960, 4, 1) << 30;
    QTest::newRow("February of a leap year") << QDate(2000, 2, 3) << 29;
    QTest::newRow("February of a century year") << QDate(1900, 2, 3) << 28;
}

void DatesTest::daysInMonth()
{
    QFETCH(QDate, date);
    QFETCH(int, days);
    const DateTime moment = at(date.year(), unsigned(date.month()), unsigned(date.day()));
    QCOMPARE(dates::daysInMonth(moment), days);
    QCOMPARE(dayOf(moment), date.day());
    QCOMPARE(yearOf(moment), date.year());
}

void DatesTest::fixedClockNestsAndRestores()
{
    {
        FixedClock outer(april26th2004);
        QCOMPARE(now(), april26th2004);
        {
            FixedClock inner(at(1999, 12, 31));
            QCOMPARE(now(), at(1999, 12, 31));
        }
        QCOMPARE(now(), april26th2004);
    }
    QVERIFY(yearOf(now()) >= 2024);
}

void DatesTest::clockIsLocalNotUtc()
{
    // Run by CTest under a faked clock just after midnight in Stockholm, when the UTC date is
    // still the day before.
    const QByteArray expected = qgetenv("PNR_EXPECT_LOCAL_DATE");
    if (expected.isEmpty())
        QSKIP("needs a faked clock");
    const Date ours = dateOf(now());
    QCOMPARE(QDate(int(ours.year()), int(unsigned(ours.month())), int(unsigned(ours.day()))),
             QDate::fromString(QString::fromLatin1(expected), Qt::ISODate));
    const Date utc = floor<days>(system_clock::now());
    QVERIFY(utc != ours);
}

QTEST_APPLESS_MAIN(DatesTest)
#include "tst_dates.moc"
