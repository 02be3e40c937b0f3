#include "app/Application.h"
#include "ui/Main.h"

int main(int argc, char* argv[])
{
    pnr::Application application(argc, argv);
    TForm1 form(application);
    form.show();
    return pnr::Application::exec();
}
