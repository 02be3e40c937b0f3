#include "logic/Errors.h"
#include "logic/Text.h"

#include <QTest>

using namespace pnr;

namespace {
QString q(TextView s)
{
    return QString::fromStdU32String(Text(s));
}
} // namespace

class TextTest : public QObject {
    Q_OBJECT

private slots:
    void substring_data();
    void substring();
    void firstPosition_data();
    void firstPosition();
    void removeLeading_data();
    void removeLeading();
    void charAtCountsCodePoints();
    void charAtOutsideIsRangeError_data();
    void charAtOutsideIsRangeError();
    void digitValue_data();
    void digitValue();
    void nonDigitIsConversionError_data();
    void nonDigitIsConversionError();
    void decimalText_data();
    void decimalText();
    void utf8KeepsSwedishLettersAndEmoji();
};

void TextTest::substring_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first two") << "600115" << 1 << 2 << "60";
    QTest::newRow("middle") << "600115-1239" << 8 << 4 << "1239";
    QTest::newRow("fewer at the end") << "600115-123" << 8 << 4 << "123";
    QTest::newRow("last character") << "abc" << 3 << 5 << "c";
    QTest::newRow("index past end") << "abc" << 4 << 1 << "";
    QTest::newRow("count zero") << "abc" << 1 << 0 << "";
    QTest::newRow("count negative") << "abc" << 1 << -3 << "";
    QTest::newRow("index zero") << "abc" << 0 << 2 << "";
    QTest::newRow("empty text") << "" << 1 << 2 << "";
    QTest::newRow("swedish letters are one each") << "åäö-ÅÄÖ" << 2 << 3 << "äö-";
    QTest::newRow("emoji is one character") << "1😀2" << 2 << 1 << "😀";
}

void TextTest::substring()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(int, count);
    QFETCH(QString, expected);
    QCOMPARE(q(pnr::substring(text.toStdU32String(), index, count)), expected);
}

void TextTest::firstPosition_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("none") << "6001151239" << 0;
    QTest::newRow("normal form") << "600115-1239" << 7;
    QTest::newRow("first of two") << "60-01-15" << 3;
    QTest::newRow("at the start") << "-1" << 1;
    QTest::newRow("after emoji") << "😀-" << 2;
    QTest::newRow("empty") << "" << 0;
}

void TextTest::firstPosition()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(pnr::firstPosition(U"-", text.toStdU32String()), expected);
}

void TextTest::removeLeading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two") << "600115" << 2 << "0115";
    QTest::newRow("more than there are") << "6" << 2 << "";
    QTest::newRow("none") << "abc" << 0 << "abc";
    QTest::newRow("negative") << "abc" << -1 << "abc";
    QTest::newRow("emoji whole") << "😀😀x" << 2 << "x";
}

void TextTest::removeLeading()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(QString, expected);
    Text s = text.toStdU32String();
    pnr::removeLeading(s, count);
    QCOMPARE(q(s), expected);
}

void TextTest::charAtCountsCodePoints()
{
    QCOMPARE(charAt(U"å😀9", 1), U'å');
    QCOMPARE(charAt(U"å😀9", 2), U'😀');
    QCOMPARE(charAt(U"å😀9", 3), U'9');
}

void TextTest::charAtOutsideIsRangeError_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("message");
    QTest::newRow("one past the end") << "600115123" << 10
                                      << "\"600115123\" har bara 9 tecken, så tecken nr 10 saknas.";
    QTest::newRow("empty") << "" << 1 << "Texten är tom, så tecken nr 1 saknas.";
    QTest::newRow("zero") << "abc" << 0 << "Tecken nr 0 finns inte: tecknen räknas från 1.";
    QTest::newRow("emoji counted once") << "😀😀" << 3 << "\"😀😀\" har bara 2 tecken, så tecken nr 3 saknas.";
}

void TextTest::charAtOutsideIsRangeError()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(QString, message);
    try {
        (void)charAt(text.toStdU32String(), index);
        QFAIL("no RangeError");
    } catch (const RangeError& error) {
        QCOMPARE(QString::fromStdString(error.what()), message);
    }
}

void TextTest::digitValue_data()
{
    QTest::addColumn<QString>("digit");
    QTest::addColumn<int>("value");
    for (int d = 0; d <= 9; ++d)
        QTest::addRow("%d", d) << QString::number(d) << d;
}

void TextTest::digitValue()
{
    QFETCH(QString, digit);
    QFETCH(int, value);
    QCOMPARE(pnr::digitValue(digit.toStdU32String().front()), value);
}

void TextTest::nonDigitIsConversionError_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<QString>("message");
    QTest::newRow("plus") << "+" << "\"+\" är inte en siffra.";
    QTest::newRow("space") << " " << "Ett mellanslag är inte en siffra.";
    QTest::newRow("letter") << "a" << "\"a\" är inte en siffra.";
    QTest::newRow("swedish letter") << "ö" << "\"ö\" är inte en siffra.";
    QTest::newRow("tab") << "\t" << "Styrtecknet U+0009 är inte en siffra.";
    QTest::newRow("arabic-indic digit") << "٣" << "\"٣\" är inte en siffra.";
    QTest::newRow("fullwidth digit") << "３" << "\"３\" är inte en siffra.";
}

void TextTest::nonDigitIsConversionError()
{
    QFETCH(QString, character);
    QFETCH(QString, message);
    try {
        (void)pnr::digitValue(character.toStdU32String().front());
        QFAIL("no ConversionError");
    } catch (const ConversionError& error) {
        QCOMPARE(QString::fromStdString(error.what()), message);
    }
}

void TextTest::decimalText_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0 << "0";
    QTest::newRow("positive") << 44 << "44";
    QTest::newRow("negative") << -7 << "-7";
    QTest::newRow("largest") << INT_MAX << "2147483647";
    QTest::newRow("smallest") << INT_MIN << "-2147483648";
}

void TextTest::decimalText()
{
    QFETCH(int, value);
    QFETCH(QString, expected);
    QCOMPARE(q(pnr::decimalText(value)), expected);
}

void TextTest::utf8KeepsSwedishLettersAndEmoji()
{
    const QString text = QStringLiteral("Ålder åäö 😀");
    QCOMPARE(QString::fromStdString(toUtf8(text.toStdU32String())), text);
}

QTEST_APPLESS_MAIN(TextTest)
#include "tst_text.moc"
