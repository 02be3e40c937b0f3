#include "app/Application.h"

#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/TextBridge.h"
#include "ui/Texts.h"

#include <QIcon>
#include <QWidget>

namespace pnr {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationDisplayName(toQString(texts::windowTitle));
    setDesktopFileName(QStringLiteral(PNR_APP_ID));
    setFont(uiFont());
    // The window system gets every size of the window icon at start-up, decoded; the large
    // ones serve launchers and come from the installed theme icon instead.
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
}

// Out of line, where QWidget is complete.
Application::~Application() = default;

void Application::run()
{
    if (windows_.empty())
        return;
    windows_.front()->show();
    exec();
}

void Application::showError(const Error& error)
{
    showMessage(activeWindow(), utf8ToQString(error.what()), MessageKind::Error);
}

} // namespace pnr
