#include "MainWindowFixture.h"

#include "ui/EntryLineEdit.h"
#include "ui/HlpDlg.h"
#include "ui/RadioGroup.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

// The main window's visible form and menu, and the help dialog.
class LayoutTest : public MainWindowFixture {
    Q_OBJECT

private slots:
    void windowProperties();
    void controls_data();
    void controls();
    void captionsFitTheirControls();
    void tabWalksTheControlsInOrder();
    void resultBoxesTakeNoTyping_data();
    void resultBoxesTakeNoTyping();
    void menu();
    void avslutaClosesTheWindow();
};

void LayoutTest::windowProperties()
{
    QCOMPARE(window_->windowTitle(), QStringLiteral("Person Nr./Ålderskontroll"));
    QCOMPARE(window_->pos(), QPoint(374, 150));
    // No window manager here, so no frame: the window itself has the designed outer size.
    QCOMPARE(window_->frameGeometry().size(), QSize(459, 180));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window_->font().pixelSize(), 11);
    QVERIFY(window_->font().bold());
    QCOMPARE(QFontInfo(window_->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(window_->palette().color(window_->backgroundRole()),
             window_->palette().color(QPalette::Button));
}

void LayoutTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("Label1") << "Label1" << QRect(8, 40, 37, 13) << "Datum" << "";
    QTest::newRow("Label2") << "Label2" << QRect(8, 72, 23, 13) << "Kön" << "";
    QTest::newRow("Label3") << "Label3" << QRect(8, 104, 30, 13) << "Ålder" << "";
    QTest::newRow("Label4") << "Label4" << QRect(128, 104, 12, 13) << "år" << "";
    QTest::newRow("Label5") << "Label5" << QRect(184, 104, 24, 13) << "mån" << "";
    QTest::newRow("Label6") << "Label6" << QRect(248, 104, 22, 13) << "dag" << "";
    QTest::newRow("Edit1") << "Edit1" << QRect(96, 32, 121, 21) << "" << "Datum";
    QTest::newRow("Edit2") << "Edit2" << QRect(240, 32, 81, 21) << "" << "Resultat";
    QTest::newRow("Edit3") << "Edit3" << QRect(96, 64, 73, 21) << "" << "Kön";
    QTest::newRow("Edit4") << "Edit4" << QRect(96, 96, 25, 21) << "" << "Ålder år";
    QTest::newRow("Edit5") << "Edit5" << QRect(152, 96, 25, 21) << "" << "Ålder mån";
    QTest::newRow("Edit6") << "Edit6" << QRect(216, 96, 25, 21) << "" << "Ålder dag";
    QTest::newRow("KollGrp") << "KollGrp" << QRect(336, 8, 97, 89) << "Kontroll av" << "Kontroll av";
}

void LayoutTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, accessibleName);
    auto* control = window_->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), window_->centralWidget());
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->font(), window_->font());
    if (auto* label = qobject_cast<QLabel*>(control))
        QCOMPARE(label->text(), text);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        QCOMPARE(edit->text(), text);
    else
        QCOMPARE(group_->title(), text);
    if (!accessibleName.isEmpty())
        QCOMPARE(control->accessibleName(), accessibleName);
}

// Every caption and a box's widest text must be drawn whole within its control.
void LayoutTest::captionsFitTheirControls()
{
    for (QLabel* label : window_->centralWidget()->findChildren<QLabel*>())
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
    for (int i = 0; i < group_->count(); ++i) {
        QRadioButton* item = group_->item(i);
        QVERIFY2(item->sizeHint().width() <= item->width(), qPrintable(item->text()));
        QVERIFY(group_->contentsRect().contains(item->geometry()));
    }
    QCOMPARE(group_->item(0)->text(), QStringLiteral("Ålder"));
    QCOMPARE(group_->item(1)->text(), QStringLiteral("PersonNr"));
    QCOMPARE(group_->item(2)->text(), QStringLiteral("CheckSiffra"));
    const QList<std::pair<int, QString>> widest = {
        {1, "600115-1239"}, {2, "Ej godkänd"}, {3, "Kvinna"}, {4, "99"}, {5, "11"}, {6, "30"}};
    for (const auto& [number, text] : widest) {
        QLineEdit* edit = box(number);
        edit->setText(text);
        const int room = edit->width() - 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth)
                         - edit->textMargins().left() - edit->textMargins().right() - 4;
        QVERIFY2(edit->fontMetrics().horizontalAdvance(text) <= room,
                 qPrintable(QStringLiteral("%1 in Edit%2").arg(text).arg(number)));
        QVERIFY(edit->fontMetrics().height() <= edit->height() - 4);
    }
}

void LayoutTest::tabWalksTheControlsInOrder()
{
    typeIntoInput("600115");
    group_->item(Alder)->click(); // from code, so that the focus stays in the input box
    QCOMPARE(box(4)->text(), QStringLiteral("44"));
    const QStringList order = {"Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "KollGrp", "Edit1"};
    for (const QString& next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        const QString name = next == "KollGrp" && focused->parentWidget() == group_
                                 ? QStringLiteral("KollGrp")
                                 : focused->objectName();
        QCOMPARE(name, next);
        if (next != "Edit1")
            QCOMPARE(box(4)->text(), QStringLiteral("44"));
    }
    QCOMPARE(boxes(), QStringList(6, QString()));
    QCOMPARE(group_->itemIndex(), -1);
    // Backwards from the input box the group is one stop, then the last result box.
    QTest::keyClick(input_, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->parentWidget(), group_);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), box(6));
}

void LayoutTest::resultBoxesTakeNoTyping_data()
{
    QTest::addColumn<int>("number");
    for (int i = 2; i <= 6; ++i)
        QTest::addRow("Edit%d", i) << i;
}

void LayoutTest::resultBoxesTakeNoTyping()
{
    QFETCH(int, number);
    typeIntoInput("600115");
    group_->item(Alder)->click();
    const QStringList before = boxes();
    QLineEdit* edit = box(number);
    QTest::mouseClick(edit, Qt::LeftButton);
    QVERIFY(edit->hasFocus());
    QTest::keyClicks(edit, "12x");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(boxes(), before);
}

void LayoutTest::menu()
{
    auto* bar = window_->findChild<QMenuBar*>(QStringLiteral("MainMenu1"));
    QVERIFY(bar);
    const QList<QAction*> top = bar->actions();
    QCOMPARE(top.size(), 2);
    QCOMPARE(top[0]->text(), QStringLiteral("Arkiv"));
    QVERIFY(top[0]->menu());
    QCOMPARE(top[0]->menu()->objectName(), QStringLiteral("Arkiv1"));
    const QList<QAction*> arkiv = top[0]->menu()->actions();
    QCOMPARE(arkiv.size(), 1);
    QCOMPARE(arkiv[0]->objectName(), QStringLiteral("Avsluta1"));
    QCOMPARE(arkiv[0]->text(), QStringLiteral("&Avsluta"));
    QCOMPARE(top[1]->objectName(), QStringLiteral("Hjlp1"));
    QCOMPARE(top[1]->text(), QStringLiteral("Hjälp"));
    QCOMPARE(top[1]->menu(), nullptr);
}

// The menu opened by mouse, then "A" on the keyboard picks "&Avsluta".
void LayoutTest::avslutaClosesTheWindow()
{
    auto* bar = window_->findChild<QMenuBar*>(QStringLiteral("MainMenu1"));
    auto* arkiv = window_->findChild<QMenu*>(QStringLiteral("Arkiv1"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(arkiv->menuAction()).center());
    QTRY_VERIFY(arkiv->isVisible());
    QTest::keyClick(arkiv, Qt::Key_A);
    QTRY_VERIFY(!window_->isVisible());
}

PNR_TEST_MAIN(LayoutTest)
#include "tst_layout.moc"
