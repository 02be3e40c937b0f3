#include "MainWindowFixture.h"

#include "ui/RadioGroup.h"

Q_DECLARE_METATYPE(MainWindowFixture::Item)
Q_DECLARE_METATYPE(pnr::MessageKind)

// The "PersonNr" and "CheckSiffra" operations through the real window, today 26 April 2004:
// what the six boxes hold afterwards, and the one message, if any, that the user saw.
class OperationsTest : public MainWindowFixture {
    Q_OBJECT

private slots:
    void operation_data();
    void operation();

private:
    static void addRows(Item item, const char* prefix,
                        std::initializer_list<std::tuple<const char*, QStringList, QString>> rows);
};

namespace {

const QStringList empty(6, QString());
const QString badNumber = QStringLiteral("Felaktigt personnummer");
const QString badBirthDate = QStringLiteral("Felaktigt födelsedatum");

QString notADigit(int position, const QString& digits, const QString& character)
{
    return QStringLiteral("Tecken nr %1 i \"%2\" (numret utan bindestreck) är \"%3\", inte en siffra.")
        .arg(position)
        .arg(digits, character);
}

QString tooShort(const QString& digits, int position)
{
    return QStringLiteral("Numret är för kort: utan bindestreck är \"%1\" %2 tecken, men tecken nr %3 behövs.")
        .arg(digits)
        .arg(digits.size())
        .arg(position);
}

} // namespace

void OperationsTest::addRows(Item item, const char* prefix,
                             std::initializer_list<std::tuple<const char*, QStringList, QString>> rows)
{
    for (const auto& [input, boxes, message] : rows)
        QTest::addRow("%s %s", prefix, input) << item << QString::fromUtf8(input) << boxes << message;
}

void OperationsTest::operation_data()
{
    QTest::addColumn<Item>("item");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("message");

    addRows(PersonNr, "PersonNr", {
        {"6001151239", {"600115-1239", "Godkänd", "Man", "44", "3", "11"}, ""},
        {"600115-1239", {"600115-1239", "Godkänd", "Man", "44", "3", "11"}, ""},
        {"600115-1238", {"600115-1238", "Ej godkänd", "", "", "", ""}, ""},
        {"750101-0040", {"750101-0040", "Godkänd", "Kvinna", "29", "3", "25"}, ""},
        {"600115-12399", {"600115-12399", "Godkänd", "Man", "44", "3", "11"}, ""},
        {"60011512399", {"600115-1239", "Godkänd", "Man", "44", "3", "11"}, ""},
        {"600115123", empty, badNumber},
        {"", empty, badNumber},
        {"19600115-1239", {"19600115-1239", "Ej godkänd", "", "", "", ""}, ""},
        {"600115-123", {"600115-123", "", "", "", "", ""}, tooShort("600115123", 10)},
        {"600115123+", {"600115-123+", "", "", "", "", ""}, notADigit(10, "600115123+", "+")},
        {"6001151+39", {"600115-1+39", "", "", "", "", ""}, notADigit(8, "6001151+39", "+")},
        {"600115-1a39", {"600115-1a39", "", "", "", "", ""}, notADigit(8, "6001151a39", "a")},
        {"ö00115-1239", {"ö00115-1239", "", "", "", "", ""}, notADigit(1, "ö001151239", "ö")},
        {"6013151235", {"601315-1235", "Godkänd", "Man", "", "", ""},
         "\"60-13-15\" är inte ett giltigt datum: månad 13 finns inte."},
        {"123456789-7000", empty, badBirthDate},
        {"041231-1235", empty, badBirthDate},
    });
    addRows(CheckSiffra, "CheckSiffra", {
        {"600115123", {"600115-123", "9", "Man", "44", "3", "11"}, ""},
        {"600115-123", {"600115-123", "9", "Man", "44", "3", "11"}, ""},
        {"750101-004", {"750101-004", "0", "Kvinna", "29", "3", "25"}, ""},
        {"750101-008", {"750101-008", "1", "Kvinna", "29", "3", "25"}, ""},
        {"6001151239", {"600115-123", "9", "Man", "44", "3", "11"}, ""},
        {"600115-1239", empty, badNumber},
        {"60011512", empty, badNumber},
        {"60011-5123", {"60011-5123", "", "", "", "", ""}, tooShort("60011512", 9)},
        {"60011512a", {"600115-12a", "", "", "", "", ""}, notADigit(9, "60011512a", "a")},
        {"6001a5123", {"6001a5-123", "", "", "", "", ""}, notADigit(5, "6001a5123", "a")},
        {"601315123", {"601315-123", "5", "Man", "", "", ""},
         "\"60-13-15\" är inte ett giltigt datum: månad 13 finns inte."},
        {"041231-123", empty, badBirthDate},
    });
}

void OperationsTest::operation()
{
    QFETCH(Item, item);
    QFETCH(QString, input);
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    MessageRecorder messages;
    typeIntoInput(input);
    pick(item);
    QCOMPARE(messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(this->boxes(), boxes);
    const bool rejected = message == badNumber || message == badBirthDate;
    QCOMPARE(group_->itemIndex(), rejected ? -1 : int(item));
    if (!messages.messages.isEmpty())
        QCOMPARE(messages.messages.front().kind,
                 rejected ? pnr::MessageKind::Information : pnr::MessageKind::Error);
}

PNR_TEST_MAIN(OperationsTest)
#include "tst_operations.moc"
