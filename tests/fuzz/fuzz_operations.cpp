// Feeds arbitrary bytes, read as UTF-8 text, into each of the three operations through the
// real main window on the offscreen platform, and aborts on the first broken promise.

#include "app/Application.h"
#include "logic/Dates.h"
#include "ui/EntryLineEdit.h"
#include "ui/Main.h"
#include "ui/MessageBox.h"
#include "ui/RadioGroup.h"

#include <QLineEdit>
#include <QRadioButton>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace {

using namespace std::chrono;

// Only the three errors of the operations may reach the display; anything else means an
// exception of another kind escaped an operation.
class CheckingDisplay : public pnr::ErrorDisplay {
public:
    void showError(const pnr::Error& error) override
    {
        const std::type_info& type = typeid(error);
        if (type != typeid(pnr::ConversionError) && type != typeid(pnr::RangeError)
            && type != typeid(pnr::DateError)) {
            std::fprintf(stderr, "unexpected error %s: %s\n", type.name(), error.what());
            std::abort();
        }
        ++errors;
    }
    int errors = 0;
};

struct Harness {
    std::unique_ptr<pnr::Application> application;
    std::unique_ptr<pnr::dates::FixedClock> clock;
    CheckingDisplay display;
    std::unique_ptr<TForm1> window;
    pnr::EntryLineEdit* input = nullptr;
    pnr::RadioGroup* group = nullptr;
    QLineEdit* boxes[7] = {};
    QStringList messages;
};

Harness* harness = nullptr;

[[noreturn]] void broken(const char* promise, const QString& typed, int item)
{
    std::fprintf(stderr, "broken: %s\nitem %d, typed \"%s\"\n", promise, item, qPrintable(typed));
    for (int i = 1; i <= 6; ++i)
        std::fprintf(stderr, "Edit%d \"%s\"\n", i, qPrintable(harness->boxes[i]->text()));
    std::abort();
}

#define PROMISE(condition)                                                                         \
    do {                                                                                           \
        if (!(condition))                                                                          \
            broken(#condition, typed, item);                                                       \
    } while (false)

bool isCount(const QString& text, int below)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 && value < below && text == QString::number(value);
}

void check(int item, const QString& typed, bool rejected)
{
    const Harness& h = *harness;
    const QString edit1 = h.boxes[1]->text(), edit2 = h.boxes[2]->text(),
                  edit3 = h.boxes[3]->text();
    const QString years = h.boxes[4]->text(), months = h.boxes[5]->text(),
                  days = h.boxes[6]->text();
    if (rejected) {
        for (int i = 1; i <= 6; ++i)
            PROMISE(h.boxes[i]->text().isEmpty());
        PROMISE(h.group->itemIndex() == -1);
        return;
    }
    PROMISE(h.group->itemIndex() == item);
    if (item == 1 && !typed.contains('-')) {
        const QList<uint> points = edit1.toUcs4();
        PROMISE(points.size() == 11 && points[6] == '-');
    }
    PROMISE(edit2.isEmpty() || edit2 == "Godkänd" || edit2 == "Ej godkänd"
            || (edit2.size() == 1 && edit2[0].isDigit() && edit2[0].unicode() < 0x80));
    PROMISE(edit3.isEmpty() || edit3 == "Man" || edit3 == "Kvinna");
    PROMISE(years.isEmpty() == months.isEmpty() && months.isEmpty() == days.isEmpty());
    PROMISE(years.isEmpty() || (isCount(years, 10000) && isCount(months, 12) && isCount(days, 31)));
}

void setUp(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    harness = new Harness;
    harness->application = std::make_unique<pnr::Application>(*argc, *argv);
    harness->clock = std::make_unique<pnr::dates::FixedClock>(
        pnr::dates::makeDateTime(2004y / April / 26, 12h));
    harness->window = std::make_unique<TForm1>(harness->display);
    harness->window->show();
    harness->input = harness->window->findChild<pnr::EntryLineEdit*>("Edit1");
    harness->group = harness->window->findChild<pnr::RadioGroup*>("KollGrp");
    for (int i = 1; i <= 6; ++i)
        harness->boxes[i] = harness->window->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i));
    pnr::setMessagePresenter([](QWidget*, const QString& text, pnr::MessageKind) {
        harness->messages << text;
    });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (int item = 0; item < 3; ++item) {
        harness->input->enter();
        harness->input->setText(text);
        const QString typed = harness->input->text();
        harness->messages.clear();
        harness->group->item(item)->click();
        const bool rejected = harness->messages == QStringList{"Felaktigt personnummer"}
                              || harness->messages == QStringList{"Felaktigt födelsedatum"};
        PROMISE(harness->messages.size() <= 1);
        check(item, typed, rejected);
    }
    return 0;
}
