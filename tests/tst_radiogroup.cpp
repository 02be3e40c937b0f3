#include "WindowFixture.h"

#include "ui/RadioGroup.h"

#include <QRadioButton>
#include <QSignalSpy>

// The selector's item index and which user actions count as a click.
class RadioGroupTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithNoItem();
    void settingIndexIsNotAClick_data();
    void settingIndexIsNotAClick();
    void userActions_data();
    void userActions();

private:
    std::unique_ptr<pnr::RadioGroup> group_;
    std::unique_ptr<QSignalSpy> clicked_;
};

void RadioGroupTest::init()
{
    group_ = std::make_unique<pnr::RadioGroup>(QStringLiteral("Kontroll av"),
                                               QStringList{"Ålder", "PersonNr", "CheckSiffra"});
    group_->setGeometry(100, 100, 97, 89);
    clicked_ = std::make_unique<QSignalSpy>(group_.get(), &pnr::RadioGroup::clicked);
    group_->show();
    QVERIFY(QTest::qWaitForWindowActive(group_.get()));
}

void RadioGroupTest::cleanup()
{
    clicked_.reset();
    group_.reset();
}

void RadioGroupTest::startsWithNoItem()
{
    QCOMPARE(group_->count(), 3);
    QCOMPARE(group_->itemIndex(), -1);
    QCOMPARE(group_->item(0)->text(), QStringLiteral("Ålder"));
    QCOMPARE(group_->item(2)->text(), QStringLiteral("CheckSiffra"));
    QCOMPARE(group_->item(3), nullptr);
}

void RadioGroupTest::settingIndexIsNotAClick_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("none to first") << -1 << 0;
    QTest::newRow("first to last") << 0 << 2;
    QTest::newRow("last to none") << 2 << -1;
    QTest::newRow("none to none") << -1 << -1;
    QTest::newRow("out of range clears") << 1 << 7;
}

void RadioGroupTest::settingIndexIsNotAClick()
{
    QFETCH(int, from);
    QFETCH(int, to);
    group_->setItemIndex(from);
    group_->setItemIndex(to);
    QCOMPARE(group_->itemIndex(), to < group_->count() ? to : -1);
    QCOMPARE(clicked_->count(), 0);
    for (int i = 0; i < group_->count(); ++i)
        QCOMPARE(group_->item(i)->isChecked(), i == group_->itemIndex());
}

void RadioGroupTest::userActions_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("clicks");
    QTest::newRow("click an item's caption") << -1 << "caption 1" << 1 << 1;
    QTest::newRow("click right of an item's caption") << -1 << "row end 2" << 2 << 1;
    QTest::newRow("click the selected item again") << 1 << "caption 1" << 1 << 1;
    QTest::newRow("click the frame, nothing selected") << -1 << "frame" << -1 << 1;
    QTest::newRow("click the frame, an item selected") << 2 << "frame" << 2 << 1;
    QTest::newRow("arrow down") << 0 << "down" << 1 << 1;
    QTest::newRow("arrow up") << 2 << "up" << 1 << 1;
    QTest::newRow("press and drag off the frame") << -1 << "drag off" << -1 << 0;
}

void RadioGroupTest::userActions()
{
    QFETCH(int, before);
    QFETCH(QString, action);
    QFETCH(int, after);
    QFETCH(int, clicks);
    group_->setItemIndex(before);
    if (before >= 0)
        group_->item(before)->setFocus();
    const QPoint frame(group_->width() / 2, group_->height() - 2);
    if (action.startsWith("caption ")) {
        QTest::mouseClick(group_->item(action.back().digitValue()), Qt::LeftButton, {}, QPoint(20, 8));
    } else if (action.startsWith("row end ")) {
        QRadioButton* item = group_->item(action.back().digitValue());
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(item->width() - 2, item->height() / 2));
    } else if (action == "frame") {
        QCOMPARE(group_->childAt(frame), nullptr);
        QTest::mouseClick(group_.get(), Qt::LeftButton, {}, frame);
    } else if (action == "down" || action == "up") {
        QTest::keyClick(QApplication::focusWidget(), action == "down" ? Qt::Key_Down : Qt::Key_Up);
    } else {
        QTest::mousePress(group_.get(), Qt::LeftButton, {}, frame);
        QTest::mouseRelease(group_.get(), Qt::LeftButton, {}, QPoint(-20, -20));
    }
    QCOMPARE(group_->itemIndex(), after);
    QCOMPARE(clicked_->count(), clicks);
}

PNR_TEST_MAIN(RadioGroupTest)
#include "tst_radiogroup.moc"
