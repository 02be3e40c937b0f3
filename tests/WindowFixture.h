#pragma once

#include "BoxPromises.h"
#include "app/Application.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs a test object under the program's own application object, so that errors escaping a
// handler reach the real error display.
#define PNR_TEST_MAIN(TestObject)                                                                  \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        pnr::Application application(argc, argv);                                                  \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

struct RecordedMessage {
    QString text;
    pnr::MessageKind kind;
};

// While it lives, messages are recorded instead of shown, optionally with something done at
// the moment the box would be open.
class MessageRecorder {
public:
    explicit MessageRecorder(std::function<void()> whileOpen = {})
    {
        previous_ = pnr::setMessagePresenter(
            [this, whileOpen](QWidget*, const QString& text, pnr::MessageKind kind) {
                messages.push_back({text, kind});
                if (whileOpen)
                    whileOpen();
            });
    }
    ~MessageRecorder() { pnr::setMessagePresenter(previous_); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    [[nodiscard]] QStringList texts() const
    {
        QStringList all;
        for (const RecordedMessage& message : messages)
            all << message.text;
        return all;
    }

    QList<RecordedMessage> messages;

private:
    pnr::MessagePresenter previous_;
};

// Waits for the next real modal message box, reports its text and presses its OK button.
inline void dismissNextMessageBox(QString* text)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop();
        timer->deleteLater();
        *text = box->text();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    timer->start();
}

// Types text into a widget as key presses. Qt Test cannot type letters beyond ASCII as text
// (ä and ö abort it), so each of those, and each emoji, goes as a key event of its own; a
// line edit inserts the event's text whatever its key code.
inline void typeText(QWidget* target, const QString& text)
{
    for (const char32_t point : text.toStdU32String()) {
        if (point < 0x80)
            QTest::keyClick(target, static_cast<char>(point));
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_A, QString::fromUcs4(&point, 1), {});
    }
}
