#pragma once

#include "ui/ErrorDisplay.h"

#include <QApplication>

namespace pnr {

// The application object: owns the program's windows and shows the errors that escape them.
class Application : public QApplication, public ErrorDisplay {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    // A modal message box with the error's text; the windows keep their state.
    void showError(const Error& error) override;
};

} // namespace pnr
