#pragma once

#include "WindowFixture.h"

#include "logic/Dates.h"
#include "ui/Main.h"

#include <QObject>

#include <memory>

class QLineEdit;

namespace pnr {
class EntryLineEdit;
class RadioGroup;
} // namespace pnr

// A fresh, shown and active main window for each test function, with today fixed at
// 26 April 2004, and the actions a user takes on it.
class MainWindowFixture : public QObject {
    Q_OBJECT

public:
    enum Item { Alder = 0, PersonNr = 1, CheckSiffra = 2 };

protected slots:
    void init();
    void cleanup();

protected:
    // Clicks into the input box, as a user starting over does, and types.
    void typeIntoInput(const QString& text);
    void pick(Item item);
    void clickGroupArea();
    [[nodiscard]] QLineEdit* box(int number) const;
    [[nodiscard]] QStringList boxes() const;

    std::unique_ptr<pnr::dates::FixedClock> clock_;
    std::unique_ptr<TForm1> window_;
    pnr::EntryLineEdit* input_ = nullptr;
    pnr::RadioGroup* group_ = nullptr;
};
