// The whole road by keyboard alone: a newcomer who never touches the mouse, so
// the keys go wherever the focus is, and nothing but the program puts it there.
#include "../control/driving.h"

#include "platform/qt_services.h"
#include "windows/about_box.h"
#include "windows/memory_zoom.h"

#include <QGraphicsView>
#include <QMessageBox>

#include <QtTest>

using namespace driving;

namespace {
// The window of ours that takes the keyboard, then goes.
enum Going { SplashEnds, LoadAccepted, LoadClosed, ResultClosed, AboutClosed, MemoryZoomClosed };

void comeAndGo(Sim& s, Going which)
{
    switch (which) {
    case SplashEnds:
        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        break;
    case LoadAccepted:
        load(s, QStringLiteral("5"), QStringLiteral("3"));
        break;
    case LoadClosed:
        s.el("ga", 0).click();
        QVERIFY(QTest::qWaitForWindowActive(&s.w->P_K()));
        s.w->P_K().close();
        break;
    case ResultClosed:
        // As the end of a program shows it: over the disabled main window.
        s.w->setMainEnabled(false);
        s.w->showResult();
        QVERIFY(QTest::qWaitForWindowActive(&s.w->Amaiera()));
        s.w->Amaiera().close();
        break;
    case AboutClosed:
        s.w->commands().About_Kovi_Click();
        QVERIFY(QTest::qWaitForWindowActive(&s.w->A_B()));
        s.w->A_B().close();
        break;
    case MemoryZoomClosed:
        s.w->MN_Zoom_ikusi();
        QVERIFY(QTest::qWaitForWindowActive(&s.w->MN_Zoom()));
        s.w->MN_Zoom().close();
        break;
    }
}
}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void theMainWindowGetsTheKeysBackWhenOursGo_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("key");       // pressed once the window has gone
        QTest::addColumn<QString>("opens");  // what the key opens, or "run" for the pressed run entry
        QTest::newRow("splash ended by the clock") << int(SplashEnds) << int(Qt::Key_F2) << "run";
        QTest::newRow("load dialog accepted") << int(LoadAccepted) << int(Qt::Key_F5) << "S_H";
        QTest::newRow("load dialog closed") << int(LoadClosed) << int(Qt::Key_F8) << "P_K";
        QTest::newRow("result window closed") << int(ResultClosed) << int(Qt::Key_F8) << "P_K";
        QTest::newRow("About box closed") << int(AboutClosed) << int(Qt::Key_F8) << "P_K";
        QTest::newRow("memory zoom closed") << int(MemoryZoomClosed) << int(Qt::Key_F8) << "P_K";
    }

    void theMainWindowGetsTheKeysBackWhenOursGo()
    {
        QFETCH(int, which);
        QFETCH(int, key);
        QFETCH(QString, opens);
        Sim s;
        s.w->show();
        QVERIFY(hasTheKeys(s.w.get(), &s.w->view()));
        comeAndGo(s, Going(which));
        QVERIFY(hasTheKeys(s.w.get(), &s.w->view()));
        QVERIFY(pressIntoFocus(Qt::Key(key)));
        if (opens == QLatin1String("run"))
            QVERIFY(pressed(s, 4));
        else if (opens == QLatin1String("S_H"))
            QVERIFY(splashShown(s));
        else
            QVERIFY(s.w->existingLoadDialog() && s.w->P_K().isVisible());
    }

    void theWindowThatRaisedAMessageGetsTheKeysBack_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("load dialog: A refused") << 0;
        QTest::newRow("memory zoom: address refused") << 1;
        QTest::newRow("About box: no system information") << 2;
    }

    // Real message boxes: Enter closes the message, and the keys typed next reach
    // the window that raised it, in the box its own rule gives the focus.
    void theWindowThatRaisedAMessageGetsTheKeysBack()
    {
        QFETCH(int, which);
        QtMessageService boxes;
        Sim s(false, nullptr, &boxes);
        s.w->show();
        QVERIFY(hasTheKeys(s.w.get(), &s.w->view()));
        QWidget* raiser = nullptr;
        QWidget* focus = nullptr;
        switch (which) {
        case 0:
            QVERIFY(pressIntoFocus(Qt::Key_F8));
            raiser = &s.w->P_K();
            focus = box(s, "Text2");
            QVERIFY(hasTheKeys(raiser, focus));
            QVERIFY(typeIntoFocus(QStringLiteral("x\n")));
            break;
        case 1:
            s.el("MN_G").click();
            raiser = &s.w->MN_Zoom();
            focus = &s.w->MN_Zoom().Helb_joan();
            QVERIFY(hasTheKeys(raiser, focus));
            QVERIFY(typeIntoFocus(QStringLiteral("G\n")));
            break;
        case 2:
            s.w->commands().About_Kovi_Click();
            raiser = &s.w->A_B();
            focus = raiser->findChild<QWidget*>(QStringLiteral("cmdOK"));
            QVERIFY(hasTheKeys(raiser, focus));
            s.w->A_B().cmdSysInfo()->click();  // no such program on the fake registry
            break;
        }
        QPointer<QMessageBox> message = raiser->findChild<QMessageBox*>();
        QVERIFY(message && QTest::qWaitForWindowActive(message));  // as the user sees it: the message has the keys
        QTest::keyClick(message, Qt::Key_Return);
        QTest::qWait(50);  // the window system has had its say before the user types on
        QVERIFY(!message);
        QVERIFY(hasTheKeys(raiser, focus));

        switch (which) {
        case 0:
            QVERIFY(typeIntoFocus(QStringLiteral("7\t1\n")));
            QVERIFY(!raiser->isVisible());
            QCOMPARE(QString::fromStdString(MN().MN_Egitura_Kodea_Irakurri("0")), QString("0000000000000111"));
            break;
        case 1: {
            QVERIFY(typeIntoFocus(QStringLiteral("0003\n")));
            const MemoryZoom& z = s.w->MN_Zoom();
            QCOMPARE(z.Helb(z.askedRow()).text(), QStringLiteral("0003H:"));
            break;
        }
        case 2:
            QVERIFY(pressIntoFocus(Qt::Key_Escape));
            QVERIFY(!s.w->existingAbout() || !s.w->existingAbout()->isVisible());
            break;
        }
    }

    void theResultKeepsTheKeysWhenTheEndHidesTheZooms()
    {
        Sim s;
        s.w->show();
        s.w->MN_Zoom_ikusi();
        QVERIFY(QTest::qWaitForWindowActive(&s.w->MN_Zoom()));
        // As the end of a program does: result over the disabled main window, then finish.
        s.w->setMainEnabled(false);
        s.w->showResult();
        s.w->hideZooms();
        QVERIFY(QTest::qWaitForWindowActive(&s.w->Amaiera()));
        QTest::qWait(50);
        QCOMPARE(QApplication::activeWindow(), &s.w->Amaiera());
    }

    void loadStartRunPauseAndFinishByKeys()
    {
        Sim s;
        s.w->show();
        QVERIFY(hasTheKeys(s.w.get(), &s.w->view()));

        QVERIFY(pressIntoFocus(Qt::Key_F8));  // load program
        QVERIFY(s.w->P_K().isVisible());
        QVERIFY(!s.w->isEnabled());
        QVERIFY(hasTheKeys(&s.w->P_K(), box(s, "Text2")));
        QVERIFY(typeIntoFocus(QStringLiteral("4\n")));  // A over the proposed 5; Enter accepts
        QVERIFY(!s.w->P_K().isVisible());
        QVERIFY(s.w->isEnabled());
        QCOMPARE(QString::fromStdString(MN().MN_Egitura_Kodea_Irakurri("0")), QString("0000000000000100"));

        QVERIFY(hasTheKeys(s.w.get(), &s.w->view()));
        QVERIFY(pressIntoFocus(Qt::Key_F5));  // start the system
        QVERIFY(s.clock().advanceUntil([&] { return !splashShown(s); }, 5000));
        QVERIFY(hasTheKeys(s.w.get(), &s.w->view()));

        QVERIFY(pressIntoFocus(Qt::Key_F2));  // continuous run
        QVERIFY(pressed(s, 4));
        s.clock().advance(20 * 801);
        QVERIFY(pressIntoFocus(Qt::Key_F6));  // pause
        QVERIFY(pressed(s, 2));
        const QString shown = s.el("ASM_oraingo_egoera_G").text();
        s.clock().advance(10 * 801);
        QCOMPARE(s.el("ASM_oraingo_egoera_G").text(), shown);
        QVERIFY(typeIntoFocus(QStringLiteral("+")));  // faster, while paused
        QCOMPARE(s.el("Clk_T").text(), QString("1"));
        QVERIFY(pressIntoFocus(Qt::Key_F7));  // finish
        QVERIFY(released(s, 2));
        QVERIFY(s.el("ga", 0).isUsable());
        QCOMPARE(s.el("Clk_T").text(), QString("0"));
        QVERIFY(s.w->menu("Programa_kargatu").isEnabled());
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
