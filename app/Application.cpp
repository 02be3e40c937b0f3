#include "app/Application.h"

#include "ui/MessageBox.h"
#include "ui/TextBridge.h"
#include "ui/Texts.h"

namespace pnr {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationDisplayName(toQString(texts::windowTitle));
}

void Application::showError(const Error& error)
{
    showMessage(activeWindow(), utf8ToQString(error.what()), MessageKind::Error);
}

} // namespace pnr
