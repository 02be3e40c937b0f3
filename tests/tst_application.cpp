#include "WindowFixture.h"

#include "ui/HandlerGuard.h"

#include <QMessageBox>

#include <functional>

// The application's error display and the guard that every handler and the start-up run in.
class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void guard_data();
    void guard();
    void errorDisplayShowsARealBox();
    void windowsCarryTheApplicationIcon();

private:
    [[nodiscard]] static pnr::Application& application()
    {
        return *static_cast<pnr::Application*>(qApp);
    }
};

void ApplicationTest::guard_data()
{
    QTest::addColumn<std::function<void()>>("body");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("nothing thrown") << std::function<void()>([] {}) << QStringList();
    QTest::newRow("silent abandon") << std::function<void()>([] { throw pnr::Abandon(); })
                                    << QStringList();
    QTest::newRow("conversion error")
        << std::function<void()>([] { throw pnr::ConversionError("\"+\" är inte en siffra."); })
        << QStringList{"\"+\" är inte en siffra."};
    QTest::newRow("date error") << std::function<void()>([] { throw pnr::DateError("datum"); })
                                << QStringList{"datum"};
    QTest::newRow("standard exception")
        << std::function<void()>([] { throw std::length_error("basic_string::_M_create"); })
        << QStringList{"Ett oväntat fel inträffade. (basic_string::_M_create)"};
    QTest::newRow("anything else") << std::function<void()>([] { throw 42; })
                                   << QStringList{"Ett oväntat fel inträffade."};
}

void ApplicationTest::guard()
{
    QFETCH(std::function<void()>, body);
    QFETCH(QStringList, shown);
    MessageRecorder messages;
    pnr::runGuarded(application(), body);
    QCOMPARE(messages.texts(), shown);
    for (const RecordedMessage& message : messages.messages)
        QCOMPARE(message.kind, pnr::MessageKind::Error);
}

void ApplicationTest::errorDisplayShowsARealBox()
{
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    auto* timer = new QTimer(this);
    timer->setInterval(10);
    connect(timer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            QCOMPARE(box->buttons().size(), 1);
            box->button(QMessageBox::Ok)->click();
        }
    });
    timer->start();
    application().showError(pnr::RangeError("Numret är för kort."));
    QCOMPARE(text, QStringLiteral("Numret är för kort."));
    QCOMPARE(title, QStringLiteral("Person Nr./Ålderskontroll"));
    QCOMPARE(icon, QMessageBox::Critical);
}

void ApplicationTest::windowsCarryTheApplicationIcon()
{
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (const int size : {16, 32, 48})
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    QCOMPARE(QGuiApplication::desktopFileName(),
             QStringLiteral("se.personnummerkontroll.PersonnummerKontroll"));
}

PNR_TEST_MAIN(ApplicationTest)
#include "tst_application.moc"
