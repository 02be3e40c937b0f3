#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QRadioButton;

namespace pnr {

// A captioned group of radio items, one per row, with an item index: -1 when no item is
// selected. clicked() reports a click by the user on an item (anywhere in its row, or by the
// arrow keys and Space) or on the group's own area; choosing an index from code does not.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);

    [[nodiscard]] int itemIndex() const;
    void setItemIndex(int index);
    [[nodiscard]] int count() const;
    [[nodiscard]] QRadioButton* item(int index) const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QButtonGroup buttons_;
    bool pressed_ = false;
};

} // namespace pnr
