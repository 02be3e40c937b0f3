#include "ui/Main.h"

#include "logic/Dates.h"
#include "logic/Errors.h"
#include "logic/PersonNumber.h"
#include "ui/EntryLineEdit.h"
#include "ui/Fonts.h"
#include "ui/HlpDlg.h"
#include "ui/HandlerGuard.h"
#include "ui/MessageBox.h"
#include "ui/RadioGroup.h"
#include "ui/TextBridge.h"
#include "ui/Texts.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

using namespace pnr;

TForm1* Form1 = nullptr;

namespace {

enum Item { ItemAlder = 0, ItemPersonNr = 1, ItemCheckSiffra = 2 };

// The date format that the age computation parses and writes.
constexpr std::string_view isoDateFormat = "yyyy-mm-dd";

// Lengths of a typed number: ÅÅMMDD-NNNC has ten characters without its separator, the stem
// ÅÅMMDD-NNN nine; the serial part after the date holds four or three of them.
constexpr int fullNumberLength = 10;
constexpr int stemLength = 9;
constexpr int fullSerialLength = 4;
constexpr int stemSerialLength = 3;

// The window's designed place and outer size, frame and title bar included, and the least
// client area that shows every control whole.
constexpr QPoint designedPosition(374, 150);
constexpr QSize designedOuterSize(459, 180);
constexpr QSize leastClientSize(441, 121);

TextView sexText(Sex sex)
{
    return sex == Sex::Male ? texts::male : texts::female;
}

QLabel* makeLabel(QWidget* parent, const char* name, TextView text, QRect geometry)
{
    auto* label = new QLabel(toQString(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

template <class Box>
Box* makeBox(QWidget* parent, const char* name, QRect geometry, TextView accessibleName)
{
    auto* box = new Box(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setAccessibleName(toQString(accessibleName));
    return box;
}

} // namespace

TForm1::TForm1(ErrorDisplay& errors, QWidget* parent) : QMainWindow(parent), errors_(errors)
{
    setObjectName(QStringLiteral("Form1"));
    // A fixed-size window: no maximise control.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(toQString(texts::windowTitle));
    setFont(formFont());
    setBackgroundRole(QPalette::Button);
    createMenu();
    createComponents();
    connectHandlers();
    move(designedPosition);
    fitOuterSize();
}

void TForm1::createMenu()
{
    Arkiv1 = menuBar()->addMenu(toQString(texts::menuArkiv));
    Arkiv1->setObjectName(QStringLiteral("Arkiv1"));
    Avsluta1 = Arkiv1->addAction(toQString(texts::menuAvsluta));
    Avsluta1->setObjectName(QStringLiteral("Avsluta1"));
    Hjlp1 = menuBar()->addAction(toQString(texts::menuHjalp));
    Hjlp1->setObjectName(QStringLiteral("Hjlp1"));
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
}

// The window system decides the frame; the window keeps the designed outer size as nearly as
// the frame it reports allows, and never less than shows every control.
void TForm1::fitOuterSize()
{
    const QSize frame = frameGeometry().size() - geometry().size();
    const int menuHeight = menuBar()->sizeHint().height();
    const QSize client(
        std::max(leastClientSize.width(), designedOuterSize.width() - frame.width()),
        std::max(leastClientSize.height(),
                 designedOuterSize.height() - frame.height() - menuHeight));
    const QSize window(client.width(), client.height() + menuHeight);
    if (size() != window || minimumSize() != window)
        setFixedSize(window);
}

bool TForm1::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    // The frame becomes known only once the window is shown and placed.
    if (event->type() == QEvent::Show || event->type() == QEvent::Move)
        fitOuterSize();
    return handled;
}

void TForm1::createComponents()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    Label1 = makeLabel(client, "Label1", texts::labelDatum, {8, 40, 37, 13});
    Label2 = makeLabel(client, "Label2", texts::labelKon, {8, 72, 23, 13});
    Label3 = makeLabel(client, "Label3", texts::labelAlder, {8, 104, 30, 13});
    Label4 = makeLabel(client, "Label4", texts::labelAr, {128, 104, 12, 13});
    Label5 = makeLabel(client, "Label5", texts::labelMan, {184, 104, 24, 13});
    Label6 = makeLabel(client, "Label6", texts::labelDag, {248, 104, 22, 13});

    Edit1 = makeBox<EntryLineEdit>(client, "Edit1", {96, 32, 121, 21}, texts::labelDatum);
    Edit2 = makeBox<QLineEdit>(client, "Edit2", {240, 32, 81, 21}, texts::accessibleResult);
    Edit3 = makeBox<QLineEdit>(client, "Edit3", {96, 64, 73, 21}, texts::labelKon);
    Edit4 = makeBox<QLineEdit>(client, "Edit4", {96, 96, 25, 21}, texts::accessibleYears);
    Edit5 = makeBox<QLineEdit>(client, "Edit5", {152, 96, 25, 21}, texts::accessibleMonths);
    Edit6 = makeBox<QLineEdit>(client, "Edit6", {216, 96, 25, 21}, texts::accessibleDays);
    for (QLineEdit* result : {Edit2, Edit3, Edit4, Edit5, Edit6})
        result->setReadOnly(true);
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit3);

    KollGrp = new RadioGroup(toQString(texts::groupTitle),
                             {toQString(texts::itemAlder), toQString(texts::itemPersonNr),
                              toQString(texts::itemCheckSiffra)},
                             client);
    KollGrp->setObjectName(QStringLiteral("KollGrp"));
    KollGrp->setAccessibleName(toQString(texts::groupTitle));
    KollGrp->setGeometry(336, 8, 97, 89);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, Edit5);
    setTabOrder(Edit5, Edit6);
    setTabOrder(Edit6, KollGrp);
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TForm1::connectHandlers()
{
    connect(Edit1, &EntryLineEdit::entered, this, [this] { guarded(&TForm1::Edit1Enter); });
    connect(KollGrp, &RadioGroup::clicked, this, [this] { guarded(&TForm1::KollGrpClick); });
    connect(Avsluta1, &QAction::triggered, this, [this] { guarded(&TForm1::Avsluta1Click); });
    connect(Hjlp1, &QAction::triggered, this, [this] { guarded(&TForm1::Hjlp1Click); });
}

template <class Handler>
void TForm1::guarded(Handler handler)
{
    runGuarded(errors_, [this, handler] { (this->*handler)(); });
}

void TForm1::Edit1Enter()
{
    for (QLineEdit* box : {static_cast<QLineEdit*>(Edit1), Edit2, Edit3, Edit4, Edit5, Edit6})
        box->clear();
    KollGrp->setItemIndex(-1);
}

void TForm1::Avsluta1Click()
{
    close();
}

void TForm1::Hjlp1Click()
{
    if (!HjpDlg)
        return;
    HjpDlg->exec();
    // Without a window manager nobody else gives the activation back.
    activateWindow();
}

void TForm1::KollGrpClick()
{
    switch (KollGrp->itemIndex()) {
    case ItemAlder:
        KollAlder(textOf(Edit1));
        break;
    case ItemPersonNr:
        KollPersonNr();
        break;
    case ItemCheckSiffra:
        KollCheckSiffra();
        break;
    default:
        showMessage(this, toQString(texts::noItemSelected));
        break;
    }
}

void TForm1::rejectInput(TextView message)
{
    showMessage(this, toQString(message));
    Edit1->enter();
    throw Abandon();
}

Text TForm1::FormatDatum(Text value)
{
    Text result;
    for (int pass = 1; pass <= 3; ++pass) {
        result += substring(value, 1, 2);
        if (pass < 3)
            result += U'-';
        removeLeading(value, 2);
    }
    return result;
}

void TForm1::KollAlder(Text value)
{
    const dates::DateTime now = dates::now();
    if (lengthOf(value) >= 9)
        rejectInput(texts::badBirthDate);
    Text dateText = firstPosition(U"-", value) > 0 ? value : FormatDatum(textOf(Edit1));
    dates::setShortDateFormat(isoDateFormat);

    dates::DateTime birth = dates::parseDate(dateText, now);
    if (dates::yearOf(birth) > dates::yearOf(now)) {
        birth = dates::addYears(birth, -100);
        dateText = dates::formatDate(birth);
    }
    birth = dates::parseDate(dateText, now);
    // Nobody can be born later than today: an age would be negative or meaningless.
    if (dates::dateOf(birth) > dates::dateOf(now))
        rejectInput(texts::badBirthDate);

    setText(Edit4, decimalText(dates::wholeYearsBetween(now, birth)));
    setText(Edit5, decimalText(dates::wholeMonthsBetween(now, birth) % 12));

    const int today = dates::dayOf(now);
    const int born = dates::dayOf(birth);
    const int days = today >= born ? today - born : dates::daysInMonth(birth) - born + today;
    setText(Edit6, decimalText(days));
}

void TForm1::KollPersonNr()
{
    const Text typed = textOf(Edit1);
    if (lengthOf(typed) < fullNumberLength)
        rejectInput(texts::badNumber);
    const NumberParts parts = takeNumber(typed, fullSerialLength);

    const int checkRead = numberDigit(Nummer, 10);
    const int sexDigit = numberDigit(Nummer, 9);
    const bool approved = checkDigit(weightedSum(Nummer)) == checkRead;
    setText(Edit2, approved ? texts::approved : texts::notApproved);
    if (!approved)
        return;
    setText(Edit3, sexText(sexOf(sexDigit)));
    KollAlder(parts.datePart);
}

void TForm1::KollCheckSiffra()
{
    const Text typed = textOf(Edit1);
    if (lengthOf(typed) < stemLength || lengthOf(typed) > fullNumberLength)
        rejectInput(texts::badNumber);
    const NumberParts parts = takeNumber(typed, stemSerialLength);

    const int sexDigit = numberDigit(Nummer, 9);
    setText(Edit2, decimalText(checkDigit(weightedSum(Nummer))));
    setText(Edit3, sexText(sexOf(sexDigit)));
    KollAlder(parts.datePart);
}

NumberParts TForm1::takeNumber(TextView typed, int serialLength)
{
    NumberParts parts = splitNumber(typed, serialLength);
    if (!parts.hadSeparator)
        setText(Edit1, parts.normalForm());
    Nummer = parts.digits;
    return parts;
}
