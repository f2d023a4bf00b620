// The program from its first window: what the start window offers, the choice
// by mouse and keyboard, the display-mode check with its question, and the
// restore at exit. With RIRI_SHOTS naming a folder, the start window is also
// saved as a picture.
#include "../control/driving.h"
#include "looking.h"

#include <QtTest>

using namespace driving;

namespace {

QStringList modes(const std::vector<FakeDisplayMode::Mode>& list)
{
    QStringList out;
    for (const auto& m : list)
        out << QStringLiteral("%1x%2x%3").arg(m.width).arg(m.height).arg(m.bits);
    return out;
}

QWidget* control(Sim& s, const QString& name) { return s.start->findChild<QWidget*>(name); }

void showStart(Sim& s)
{
    s.start->show();
    QVERIFY(QTest::qWaitForWindowActive(s.start.get()));
}

void clickOn(Sim& s, const QString& name) { QTest::mouseClick(control(s, name), Qt::LeftButton); }

}  // namespace

class TestStartWindow : public QObject {
    Q_OBJECT
private slots:
    void onlyTheStartWindowAtFirst_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tip");
        const QString basqueTip = QStringLiteral("Click eginez, euskarazko bertsioa ikusiko da");
        const QString spanishTip = QStringLiteral("Pulsando con el ratón, se verá la versión en castellano");
        QTest::newRow("Basque flag") << "Picture1" << "" << basqueTip;
        QTest::newRow("Basque choice") << "Text4" << "EUSKARAZKO BERTSIOA" << basqueTip;
        QTest::newRow("Spanish flag") << "Picture2" << "" << spanishTip;
        QTest::newRow("Spanish choice") << "Text5" << "VERSIÓN EN CASTELLANO" << spanishTip;
        QTest::newRow("Basque welcome") << "Text1" << "Ongi etorri prozesadore sinple baten P.U.aren simuladorera"
                                        << "";
        QTest::newRow("Spanish welcome") << "Text3" << "Bienvenido al simulador de la U.P. de un procesador simple"
                                         << "";
    }

    void onlyTheStartWindowAtFirst()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, tip);
        Sim s(Sim::FromStartWindow{});
        showStart(s);
        QCOMPARE(s.start->windowTitle(), QStringLiteral("Aurkezpena / Presentación"));
        QVERIFY(!s.w);
        QWidget* c = control(s, name);
        QVERIFY(c);
        QVERIFY(c->isVisible());
        QCOMPARE(c->toolTip(), tip);
        if (auto* box = qobject_cast<QLineEdit*>(c))
            QCOMPARE(box->text(), text);
        else
            QCOMPARE(c->size(), QSize(30, 27));
        savePicture(*s.start, QStringLiteral("start-window"));
    }

    void choiceByMouseOrKeyboard_data()
    {
        QTest::addColumn<QString>("clicked");  // empty: keys on the focused control
        QTest::addColumn<int>("tabs");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("choice");  // -1 none, 0 Basque, 1 Spanish
        QTest::newRow("Basque flag") << "Picture1" << 0 << 0 << 0;
        QTest::newRow("Basque text") << "Text4" << 0 << 0 << 0;
        QTest::newRow("Spanish flag") << "Picture2" << 0 << 0 << 1;
        QTest::newRow("Spanish text") << "Text5" << 0 << 0 << 1;
        QTest::newRow("welcome text") << "Text1" << 0 << 0 << -1;
        QTest::newRow("credits") << "Text2" << 0 << 0 << -1;
        QTest::newRow("logo") << "Picture4" << 0 << 0 << -1;
        QTest::newRow("Enter at once") << "" << 0 << int(Qt::Key_Return) << 0;
        QTest::newRow("Tab, Space") << "" << 1 << int(Qt::Key_Space) << 1;
        QTest::newRow("Tab, keypad Enter") << "" << 1 << int(Qt::Key_Enter) << 1;
        QTest::newRow("Tab twice, Enter") << "" << 2 << int(Qt::Key_Return) << 0;
        QTest::newRow("a letter") << "" << 1 << int(Qt::Key_E) << -1;
    }

    void choiceByMouseOrKeyboard()
    {
        QFETCH(QString, clicked);
        QFETCH(int, tabs);
        QFETCH(int, key);
        QFETCH(int, choice);
        Sim s(Sim::FromStartWindow{});
        showStart(s);
        if (!clicked.isEmpty()) {
            clickOn(s, clicked);
        } else {
            for (int i = 0; i < tabs; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        }
        if (choice < 0) {
            QVERIFY(s.start->isVisible());
            QVERIFY(!s.w);
            return;
        }
        QCOMPARE(G().Gaztelera, choice == 1);
        QVERIFY(!s.start->isVisible());
        QVERIFY(s.w && s.w->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(s.w.get()));
        QCOMPARE(s.quitCalls, 0);
    }

    void closingBeforeAChoiceEndsTheProgram()
    {
        Sim s(Sim::FromStartWindow{});
        showStart(s);
        s.start->close();
        QCOMPARE(s.quitCalls, 1);
        QVERIFY(!s.w);
        QVERIFY(s.fp.display.switches.empty());
        QVERIFY(s.fp.messages.shown.empty());
    }

    // Modes are "width x height x bits"; the question comes in the chosen language.
    void displayCheckAndRestore_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("refuses");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QStringList>("atChoice");  // switches asked at the choice
        QTest::addColumn<QStringList>("atExit");    // every switch asked, once the program ended
        const QStringList none;
        const QStringList to1024{"1024x768x16"};
        QTest::newRow("1024 x 768 at 16: nothing") << false << "1024x768x16" << true << false << false << none << none;
        QTest::newRow("1280 x 1024 at 16: nothing") << false << "1280x1024x16" << true << false << false << none
                                                    << none;
        QTest::newRow("1024 x 767 asks") << false << "1024x767x16" << true << false << true << to1024
                                         << QStringList{"1024x768x16", "1024x767x16"};
        QTest::newRow("1023 x 768 asks") << false << "1023x768x16" << true << false << true << to1024
                                         << QStringList{"1024x768x16", "1023x768x16"};
        QTest::newRow("1024 x 600 Yes, depth too") << false << "1024x600x32" << true << false << true << to1024
                                                   << QStringList{"1024x768x16", "1024x600x32"};
        QTest::newRow("1024 x 600 No ends it") << false << "1024x600x32" << false << false << true << none << none;
        QTest::newRow("1280 x 1024 at 32: depth only") << false << "1280x1024x32" << true << false << false
                                                       << QStringList{"1280x1024x16"}
                                                       << QStringList{"1280x1024x16", "1280x1024x32"};
        QTest::newRow("800 x 600 No in Spanish ends it") << true << "800x600x24" << false << false << true << none
                                                         << none;
        QTest::newRow("800 x 600 Yes in Spanish") << true << "800x600x24" << true << false << true << to1024
                                                  << QStringList{"1024x768x16", "800x600x24"};
        QTest::newRow("refused switch, restore all the same") << false << "1920x1080x24" << true << true << false
                                                              << QStringList{"1920x1080x16"}
                                                              << QStringList{"1920x1080x16", "1920x1080x24"};
        // Past 16 bits the saved size is clamped, not wrapped below 1024: no question;
        // the switch itself uses the size read again in full.
        QTest::newRow("40000 x 33000 at 24: clamped") << false << "40000x33000x24" << true << false << false
                                                      << QStringList{"40000x33000x16"}
                                                      << QStringList{"40000x33000x16", "32767x32767x24"};
    }

    void displayCheckAndRestore()
    {
        QFETCH(bool, spanish);
        QFETCH(QString, mode);
        QFETCH(bool, yes);
        QFETCH(bool, refuses);
        QFETCH(bool, asked);
        QFETCH(QStringList, atChoice);
        QFETCH(QStringList, atExit);
        Sim s(Sim::FromStartWindow{});
        const QStringList wh = mode.split(QLatin1Char('x'));
        s.fp.display.mode = {wh[0].toInt(), wh[1].toInt(), wh[2].toInt()};
        s.fp.messages.answerYes = yes;
        s.fp.display.refuses = refuses;
        clickOn(s, spanish ? QStringLiteral("Picture2") : QStringLiteral("Picture1"));

        QCOMPARE(s.fp.messages.shown.size(), size_t(asked ? 1 : 0));
        if (asked) {
            QVERIFY(s.fp.messages.shown[0].question);
            QCOMPARE(s.fp.messages.shown[0].title, spanish ? QStringLiteral("Cambiar resolución")
                                                           : QStringLiteral("Erresoluzioa aldatu"));
            QCOMPARE(s.fp.messages.shown[0].text,
                     spanish ? QStringLiteral("LA RESOLUCIÓN DE LA PANTALLA VA A CAMBIAR A 1024x768")
                             : QStringLiteral("PANTAILAREN ERRESOLUZIOA 1024x768-ra ALDATZERA DOA!"));
        }
        QCOMPARE(modes(s.fp.display.switches), atChoice);
        QCOMPARE(G().Pantaila_Aldatuta, !atChoice.isEmpty());
        const bool ended = asked && !yes;
        QCOMPARE(s.quitCalls, ended ? 1 : 0);
        QVERIFY(!s.start->isVisible());
        // Spanish creates (and loads) the main window before the check; Basque only to show it.
        QCOMPARE(bool(s.w), spanish || !ended);
        if (ended) {
            QVERIFY(!s.w || !s.w->testAttribute(Qt::WA_WState_ExplicitShowHide));
            for (QWidget* w : QApplication::topLevelWidgets())
                QVERIFY(!w->isVisible());
        } else {
            QVERIFY(s.w->isVisible());
            menu(s, "Irten").trigger();
            QCOMPARE(s.quitCalls, 1);
        }
        QCOMPARE(modes(s.fp.display.switches), atExit);
    }
};

QTEST_MAIN(TestStartWindow)
#include "tst_start_window.moc"
