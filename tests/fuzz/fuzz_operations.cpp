// Feeds arbitrary bytes, read as UTF-8 text, into each of the three operations through the
// real main window on the offscreen platform, and aborts on the first broken promise.

#include "../BoxPromises.h"
#include "app/Application.h"
#include "logic/Dates.h"
#include "ui/EntryLineEdit.h"
#include "ui/Main.h"
#include "ui/MessageBox.h"
#include "ui/RadioGroup.h"

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
    QStringList messages;
};

Harness* harness = nullptr;

[[noreturn]] void broken(const QString& promise, const QString& typed, int item)
{
    std::fprintf(stderr, "broken: %s\nitem %d, typed \"%s\"\n", qPrintable(promise), item,
                 qPrintable(typed));
    const QStringList boxes = boxTexts(harness->window.get());
    for (int i = 0; i < 6; ++i)
        std::fprintf(stderr, "Edit%d \"%s\"\n", i + 1, qPrintable(boxes[i]));
    std::abort();
}

#define PROMISE(condition)                                                                         \
    do {                                                                                           \
        if (!(condition))                                                                          \
            broken(QStringLiteral(#condition), typed, item);                                                       \
    } while (false)

void check(int item, const QString& typed, bool rejected)
{
    const QStringList boxes = boxTexts(harness->window.get());
    const int index = harness->group->itemIndex();
    if (rejected) {
        PROMISE(boxes == QStringList(6, QString()) && index == -1);
        return;
    }
    PROMISE(index == item);
    if (item == 1 && !typed.contains('-')) {
        const QList<uint> points = boxes[0].toUcs4();
        PROMISE(points.size() == 11 && points[6] == '-');
    }
    if (const QString promise = brokenBoxPromise(boxes); !promise.isEmpty())
        broken(promise, typed, item);
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
