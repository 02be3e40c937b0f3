#pragma once

#include "logic/PersonNumber.h"
#include "logic/Text.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;

namespace pnr {
class EntryLineEdit;
class ErrorDisplay;
class RadioGroup;
} // namespace pnr

// The main window: one input box, five result boxes and the operation selector. Entering the
// input box empties everything; picking an operation runs it once on the input.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(pnr::ErrorDisplay& errors, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    void createComponents();
    void createMenu();
    void connectHandlers();
    void fitOuterSize();

    // Handlers, each run inside the guard.
    void Edit1Enter();
    void KollGrpClick();
    void Avsluta1Click();
    void Hjlp1Click();

    // Operations.
    void KollAlder(pnr::Text value);
    void KollPersonNr();
    void KollCheckSiffra();
    [[nodiscard]] static pnr::Text FormatDatum(pnr::Text value);

    // Splits the typed number, writes it in normal form when it was typed without separator,
    // and keeps its digits in Nummer.
    pnr::NumberParts takeNumber(pnr::TextView typed, int serialLength);

    // Tells the user, starts over in the input box and abandons the running operation.
    [[noreturn]] void rejectInput(pnr::TextView message);

    template <class Handler>
    void guarded(Handler handler);

    pnr::ErrorDisplay& errors_;
    pnr::Text Nummer;

    pnr::EntryLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit6 = nullptr;
    pnr::RadioGroup* KollGrp = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QMenu* Arkiv1 = nullptr;
    QAction* Avsluta1 = nullptr;
    QAction* Hjlp1 = nullptr;
};

extern TForm1* Form1;
