#include "MainWindowFixture.h"

#include "ui/EntryLineEdit.h"
#include "ui/RadioGroup.h"

#include <QFile>
#include <QRadioButton>

using namespace std::chrono;

// Every published test number that a two-digit year can reach, through the window's own
// operations, with today fixed on a leap day.
class TestNumbersTest : public MainWindowFixture {
    Q_OBJECT

private slots:
    void everyReachableNumber();

private:
    [[nodiscard]] QStringList run(Item item, const QString& input);
};

namespace {

const QDate today(2024, 2, 29);

// The age as a person counts it: a month is complete when the day of month comes round again;
// the days beyond are counted in the length of the birth month.
QStringList ageOf(QDate born)
{
    const int months = 12 * (today.year() - born.year()) + (today.month() - born.month())
                       - (today.day() < born.day() ? 1 : 0);
    const int days = today.day() >= born.day() ? today.day() - born.day()
                                                : born.daysInMonth() - born.day() + today.day();
    return {QString::number(months / 12), QString::number(months % 12), QString::number(days)};
}

} // namespace

// Starts over as a user does, by entering the input box, then types and picks the item.
QStringList TestNumbersTest::run(Item item, const QString& input)
{
    input_->enter();
    input_->setText(input);
    group_->item(item)->click();
    return boxes();
}

void TestNumbersTest::everyReachableNumber()
{
    pnr::dates::FixedClock clock(pnr::dates::makeDateTime(2024y / February / 29, 8h));
    QFile file(QStringLiteral(PNR_TEST_DATA "/test-personnummer.txt"));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
    MessageRecorder messages;
    int checked = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        QCOMPARE(line.size(), 12);
        const QDate born(line.left(4).toInt(), line.mid(4, 2).toInt(), line.mid(6, 2).toInt());
        QVERIFY2(born.isValid(), qPrintable(line));
        if (born.year() <= today.year() - 100 || born > today)
            continue;
        const QString number = line.mid(2, 6) + '-' + line.mid(8, 4);
        const QString sex = line.at(10).digitValue() % 2 ? QStringLiteral("Man") : QStringLiteral("Kvinna");
        const QStringList age = ageOf(born);

        const QStringList approved = run(PersonNr, number);
        QVERIFY2(approved == QStringList({number, "Godkänd", sex}) + age,
                 qPrintable(number + ": " + approved.join('|')));

        QString wrong = number;
        wrong.back() = QChar('0' + (number.back().digitValue() + 1) % 10);
        const QStringList rejected = run(PersonNr, wrong);
        QVERIFY2(rejected == QStringList({wrong, "Ej godkänd", "", "", "", ""}),
                 qPrintable(wrong + ": " + rejected.join('|')));

        const QString stem = number.left(10);
        const QStringList completed = run(CheckSiffra, stem);
        QVERIFY2(completed == QStringList({stem, number.right(1), sex}) + age,
                 qPrintable(stem + ": " + completed.join('|')));
        ++checked;
    }
    QCOMPARE(messages.texts(), QStringList());
    // Birth years 1925 to 2023 of the published numbers.
    QVERIFY2(checked > 20000, qPrintable(QString::number(checked)));
    qInfo("%d numbers checked", checked);
}

PNR_TEST_MAIN(TestNumbersTest)
#include "tst_testnumbers.moc"
