#include "MainWindowFixture.h"

#include "ui/EntryLineEdit.h"
#include "ui/Main.h"
#include "ui/RadioGroup.h"

#include <QRadioButton>

using namespace std::chrono;

void MainWindowFixture::init()
{
    clock_ = std::make_unique<pnr::dates::FixedClock>(
        pnr::dates::makeDateTime(2004y / April / 26, 12h));
    window_ = std::make_unique<TForm1>(*static_cast<pnr::Application*>(qApp));
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    input_ = window_->findChild<pnr::EntryLineEdit*>(QStringLiteral("Edit1"));
    group_ = window_->findChild<pnr::RadioGroup*>(QStringLiteral("KollGrp"));
    QVERIFY(input_ && group_);
}

void MainWindowFixture::cleanup()
{
    window_.reset();
    clock_.reset();
}

QLineEdit* MainWindowFixture::box(int number) const
{
    return window_->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(number));
}

QStringList MainWindowFixture::boxes() const
{
    return boxTexts(window_.get());
}

void MainWindowFixture::typeIntoInput(const QString& text)
{
    QTest::mouseClick(input_, Qt::LeftButton);
    typeText(input_, text);
}

void MainWindowFixture::pick(Item item)
{
    QTest::mouseClick(group_->item(item), Qt::LeftButton);
}

// The group's frame below its last item belongs to no item.
void MainWindowFixture::clickGroupArea()
{
    const QPoint below(group_->width() / 2, group_->height() - 2);
    QVERIFY(group_->childAt(below) == nullptr);
    QTest::mouseClick(group_, Qt::LeftButton, {}, below);
}
