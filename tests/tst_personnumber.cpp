#include "logic/Errors.h"
#include "logic/PersonNumber.h"

#include <QTest>

using namespace pnr;

Q_DECLARE_METATYPE(pnr::Sex)

namespace {
QString q(TextView s)
{
    return QString::fromStdU32String(Text(s));
}
} // namespace

class PersonNumberTest : public QObject {
    Q_OBJECT

private slots:
    void arithmetic_data();
    void arithmetic();
    void nonDigitEndsTheSum_data();
    void nonDigitEndsTheSum();
    void tooShortIsRangeError();
    void split_data();
    void split();
};

void PersonNumberTest::arithmetic_data()
{
    QTest::addColumn<QString>("stem");
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("check");
    QTest::addColumn<Sex>("sex");
    QTest::newRow("600115123") << "600115123" << 21 << 9 << Sex::Male;
    QTest::newRow("811218987") << "811218987" << 44 << 6 << Sex::Male;
    QTest::newRow("750101004, sum a multiple of ten") << "750101004" << 20 << 0 << Sex::Female;
    QTest::newRow("750101008") << "750101008" << 19 << 1 << Sex::Female;
    QTest::newRow("all nines fold to 9 each") << "999999999" << 81 << 9 << Sex::Male;
    QTest::newRow("all zeros") << "000000000" << 0 << 0 << Sex::Female;
    QTest::newRow("fives fold to 1 at odd positions") << "555555555" << 25 << 5 << Sex::Male;
    QTest::newRow("only the first nine count") << "6001151239" << 21 << 9 << Sex::Male;
}

void PersonNumberTest::arithmetic()
{
    QFETCH(QString, stem);
    QFETCH(int, sum);
    QFETCH(int, check);
    QFETCH(Sex, sex);
    const Text digits = stem.toStdU32String();
    QCOMPARE(weightedSum(digits), sum);
    QCOMPARE(checkDigit(weightedSum(digits)), check);
    QCOMPARE(sexOf(numberDigit(digits, 9)), sex);
}

void PersonNumberTest::nonDigitEndsTheSum_data()
{
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("message");
    QTest::newRow("space first") << " 00115123"
        << "Tecken nr 1 i \" 00115123\" (numret utan bindestreck) är ett mellanslag, inte en siffra.";
    QTest::newRow("plus at 7") << "600115+23"
        << "Tecken nr 7 i \"600115+23\" (numret utan bindestreck) är \"+\", inte en siffra.";
    QTest::newRow("letter at 9") << "60011512x"
        << "Tecken nr 9 i \"60011512x\" (numret utan bindestreck) är \"x\", inte en siffra.";
    QTest::newRow("first of two is reported") << "6a0115b23"
        << "Tecken nr 2 i \"6a0115b23\" (numret utan bindestreck) är \"a\", inte en siffra.";
    QTest::newRow("swedish letter") << "6001ö5123"
        << "Tecken nr 5 i \"6001ö5123\" (numret utan bindestreck) är \"ö\", inte en siffra.";
    QTest::newRow("emoji") << "600115😀23"
        << "Tecken nr 7 i \"600115😀23\" (numret utan bindestreck) är \"😀\", inte en siffra.";
}

void PersonNumberTest::nonDigitEndsTheSum()
{
    QFETCH(QString, stem);
    QFETCH(QString, message);
    try {
        (void)weightedSum(stem.toStdU32String());
        QFAIL("no ConversionError");
    } catch (const ConversionError& error) {
        QCOMPARE(QString::fromStdString(error.what()), message);
    }
}

void PersonNumberTest::tooShortIsRangeError()
{
    try {
        (void)numberDigit(U"600115123", 10);
        QFAIL("no RangeError");
    } catch (const RangeError& error) {
        QCOMPARE(QString::fromStdString(error.what()),
                 QStringLiteral("Numret är för kort: utan bindestreck är \"600115123\" 9 tecken, "
                                "men tecken nr 10 behövs."));
    }
    QVERIFY_THROWS_EXCEPTION(RangeError, (void)weightedSum(U"60011512"));
}

void PersonNumberTest::split_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("serialLength");
    QTest::addColumn<QString>("datePart");
    QTest::addColumn<QString>("serialPart");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<bool>("hadSeparator");
    QTest::newRow("normal form") << "600115-1239" << 4 << "600115" << "1239" << "6001151239" << true;
    QTest::newRow("without separator") << "6001151239" << 4 << "600115" << "1239" << "6001151239" << false;
    QTest::newRow("serial part cut at four") << "600115-12399" << 4 << "600115" << "1239" << "6001151239" << true;
    QTest::newRow("four-digit year") << "19600115-1239" << 4 << "19600115" << "1239" << "196001151239" << true;
    QTest::newRow("separator after five") << "60011-5123" << 3 << "60011" << "512" << "60011512" << true;
    QTest::newRow("stem") << "600115-123" << 3 << "600115" << "123" << "600115123" << true;
    QTest::newRow("stem without separator") << "600115123" << 3 << "600115" << "123" << "600115123" << false;
    QTest::newRow("full number as stem drops nothing from digits") << "6001151239" << 3 << "600115" << "123" << "6001151239" << false;
    QTest::newRow("second separator stays in serial part") << "600115-1-23" << 4 << "600115" << "1-23" << "6001151-23" << true;
    QTest::newRow("separator first") << "-600115123" << 4 << "" << "6001" << "6001" << true;
}

void PersonNumberTest::split()
{
    QFETCH(QString, typed);
    QFETCH(int, serialLength);
    QFETCH(QString, datePart);
    QFETCH(QString, serialPart);
    QFETCH(QString, digits);
    QFETCH(bool, hadSeparator);
    const NumberParts parts = splitNumber(typed.toStdU32String(), serialLength);
    QCOMPARE(q(parts.datePart), datePart);
    QCOMPARE(q(parts.serialPart), serialPart);
    QCOMPARE(q(parts.digits), digits);
    QCOMPARE(parts.hadSeparator, hadSeparator);
    QCOMPARE(q(parts.normalForm()), datePart + '-' + serialPart);
}

QTEST_APPLESS_MAIN(PersonNumberTest)
#include "tst_personnumber.moc"
