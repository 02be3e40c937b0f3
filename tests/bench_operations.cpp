#include "MainWindowFixture.h"

#include "ui/EntryLineEdit.h"
#include "ui/RadioGroup.h"

#include <QRadioButton>

Q_DECLARE_METATYPE(MainWindowFixture::Item)

// The cost of one operation through the window's own code: the item's click, the operation,
// and the writing of its boxes.
class OperationsBenchmark : public MainWindowFixture {
    Q_OBJECT

private slots:
    void operation_data();
    void operation();
};

void OperationsBenchmark::operation_data()
{
    QTest::addColumn<Item>("item");
    QTest::addColumn<QString>("input");
    QTest::newRow("PersonNr 600115-1239") << PersonNr << "600115-1239";
    QTest::newRow("Alder 600115") << Alder << "600115";
}

void OperationsBenchmark::operation()
{
    QFETCH(Item, item);
    QFETCH(QString, input);
    input_->setText(input);
    QRadioButton* button = group_->item(item);
    QBENCHMARK {
        button->click();
    }
    QCOMPARE(box(4)->text(), QStringLiteral("44"));
}

PNR_TEST_MAIN(OperationsBenchmark)
#include "bench_operations.moc"
