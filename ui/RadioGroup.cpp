#include "ui/RadioGroup.h"

#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pnr {

namespace {

// A radio item that answers a click anywhere in its row, not only on its circle and caption.
class RowRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    [[nodiscard]] bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent)
{
    auto* rows = new QVBoxLayout(this);
    // The group is placed in pixels: its layout must not grow it to the layout's own wishes.
    rows->setSizeConstraint(QLayout::SetNoConstraint);
    rows->setContentsMargins(2, 0, 0, 2);
    rows->setSpacing(0);
    int id = 0;
    for (const QString& caption : items) {
        auto* button = new RowRadioButton(caption, this);
        buttons_.addButton(button, id++);
        rows->addWidget(button);
    }
    buttons_.setExclusive(true);
    connect(&buttons_, &QButtonGroup::idClicked, this, [this] { emit clicked(); });
}

int RadioGroup::itemIndex() const
{
    return buttons_.checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* button = buttons_.button(index)) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = buttons_.checkedButton()) {
        // An exclusive group never lets its last checked button go; lift that for a moment.
        buttons_.setExclusive(false);
        checked->setChecked(false);
        buttons_.setExclusive(true);
    }
}

int RadioGroup::count() const
{
    return static_cast<int>(buttons_.buttons().size());
}

QRadioButton* RadioGroup::item(int index) const
{
    return static_cast<QRadioButton*>(buttons_.button(index));
}

void RadioGroup::mousePressEvent(QMouseEvent* event)
{
    QGroupBox::mousePressEvent(event);
    pressed_ = event->button() == Qt::LeftButton;
}

void RadioGroup::mouseReleaseEvent(QMouseEvent* event)
{
    QGroupBox::mouseReleaseEvent(event);
    const bool wasPressed = std::exchange(pressed_, false);
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace pnr
