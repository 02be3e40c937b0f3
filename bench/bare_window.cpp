// The least Qt Widgets program with a window: the yardstick for the real program's start-up.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setCentralWidget(new QLineEdit(&window));
    window.show();
    return QApplication::exec();
}
