#pragma once

#include "ui/ErrorDisplay.h"

#include <QApplication>

#include <memory>
#include <vector>

namespace pnr {

// The application object: owns the program's windows for the whole run, shows the first one
// as the main window, and shows the errors that escape them.
class Application : public QApplication, public ErrorDisplay {
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    ~Application() override;

    // Takes a window into the application's keeping; the first becomes the main window.
    template <class Window>
    Window* adopt(std::unique_ptr<Window> window)
    {
        Window* kept = window.get();
        windows_.push_back(std::move(window));
        return kept;
    }

    // Shows the main window and runs the event loop until it closes.
    void run();

    // A modal message box with the error's text; the windows keep their state.
    void showError(const Error& error) override;

private:
    // A member, so the windows are destroyed before the QApplication they need.
    std::vector<std::unique_ptr<QWidget>> windows_;
};

} // namespace pnr
