#include "app/Application.h"
#include "ui/HandlerGuard.h"
#include "ui/HlpDlg.h"
#include "ui/Main.h"

int main(int argc, char* argv[])
{
    pnr::Application application(argc, argv);
    pnr::runGuarded(application, [&] {
        Form1 = application.adopt(std::make_unique<TForm1>(application));
        HjpDlg = application.adopt(std::make_unique<THjpDlg>());
        application.run();
    });
    return 0;
}
