// The memory zoom window: the rows around an asked address, the checks of a
// typed address with their messages, the area and step buttons, the keys of the
// entry, the row colours, the texts of both languages, its life over the main
// window, and a whole run followed with the window open.
#include "../control/driving.h"

#include "model/funtzioak.h"
#include "model/programa.h"
#include "platform/qt_services.h"
#include "windows/memory_zoom.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QtTest>

using namespace driving;

namespace {

constexpr BGR kDarkRed = 0x0000C0;
constexpr BGR kLightGrey = 0xE0E0E0;

QString label(int32_t address) { return QStringLiteral("%1H:").arg(address, 4, 16, QLatin1Char('0')).toUpper(); }

MemoryZoom& open(Sim& s)
{
    s.el("MN_G").click();
    return s.w->MN_Zoom();
}

QPushButton& button(MemoryZoom& z, const char* name) { return *z.findChild<QPushButton*>(QLatin1String(name)); }

// Types `text` into the entry and presses "@ joan".
void go(MemoryZoom& z, const QString& text)
{
    z.Helb_joan().setText(text);
    button(z, "joan").click();
}

QList<int> redRows(const MemoryZoom& z)
{
    QList<int> rows;
    for (int i = 0; i < MemoryZoom::kRows; ++i)
        if (z.Kod(i).back() == colour::Red)
            rows << i;
    return rows;
}

// Back colours of the address, contents and instruction cells, and the text colour of all three.
struct Look {
    BGR helb, kod, ag, text;
    bool operator==(const Look&) const = default;
};
Look look(const MemoryZoom& z, int row)
{
    const BGR text = z.Helb(row).fore();
    if (z.Kod(row).fore() != text || z.Ag(row).fore() != text)
        return {0, 0, 0, 0};  // the cells of a row never disagree on their text colour
    return {z.Helb(row).back(), z.Kod(row).back(), z.Ag(row).back(), text};
}
constexpr Look kNormal{colour::Window, colour::Window, kLightGrey, colour::ButtonText};
constexpr Look kAccessed{colour::Red, colour::Red, kDarkRed, colour::Window};

const char* const kEmpty[] = {"EZ DUZU HELBIDERIK SARTU, SARTU HELBIDE BAT MESEDEZ",
                              "NO HAS ESCRITO NADA, INTRODUCE UNA DIRECCIÓN"};
const char* const kTooLarge[] = {
    "SARTU DUZUN HELBIDEA  8000H  BAINO HANDIAGOA DA EDO HELBIDE OKERRA SARTU DUZU! BESTE BAT SARTU, MESEDEZ.",
    "LA DIRECCIÓN INTRODUCIDA ES MAYOR A 8000H O ES INCORRECTA, INTRODUZCA OTRA"};
const char* const kWrong[] = {"SARTU DUZUN MEMORIA HELBIDEA EZ DA ZUZENA! BESTE BAT SARTU, MESEDEZ.",
                              "LA DIRECCIÓN NO ES CORRECTA, INTRODUZCA UNA NUEVA"};

bool resultShown(Sim& s) { return s.w->existingResult() && s.w->existingResult()->isVisible(); }

}  // namespace

class TestMemoryZoom : public QObject {
    Q_OBJECT
private slots:
    void rowsAroundTheAskedAddress_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("askedRow");
        QTest::newRow("0000H") << "0" << 0x0000 << 0;
        QTest::newRow("0007H") << "7" << 0x0000 << 7;
        QTest::newRow("0008H") << "8" << 0x0001 << 7;
        QTest::newRow("4000H") << "4000" << 0x3FF9 << 7;
        QTest::newRow("7FF8H") << "7FF8" << 0x7FF1 << 7;
        QTest::newRow("7FF9H") << "7FF9" << 0x7FF2 << 7;
        QTest::newRow("8000H") << "8000" << 0x7FF2 << 14;
    }

    void rowsAroundTheAskedAddress()
    {
        QFETCH(QString, typed);
        QFETCH(int, first);
        QFETCH(int, askedRow);
        Sim s;
        Programa().kargatu();
        MN().MN_Egitura_Aldatu("8000", "1010101010101010", ":LAST", -1);
        MemoryZoom& z = open(s);
        go(z, typed);
        QCOMPARE(z.askedRow(), askedRow);
        QCOMPARE(z.Helb_joan().text(), label(first + askedRow).left(4));
        for (int i = 0; i < MemoryZoom::kRows; ++i) {
            const QString h = label(first + i).left(4);
            QCOMPARE(z.Helb(i).text(), label(first + i));
            QCOMPARE(z.Kod(i).text(), QString::fromStdString(MN().MN_Egitura_Kodea_Irakurri(h.toStdString())));
            QCOMPARE(z.Ag(i).text(), QString::fromStdString(MN().MN_Egitura_Agindua_Irakurri(h.toStdString())));
            QCOMPARE(z.Helb(i).back(), i == askedRow ? colour::Green : colour::Window);
        }
    }

    void typedAddressesAreCheckedInOrder_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");  // empty: accepted
        QTest::addColumn<QString>("entry");    // afterwards
        QTest::addColumn<QString>("asked");    // address cell of the green row afterwards
        for (int es = 0; es < 2; ++es) {
            const char* lang = es ? "es" : "eu";
            const bool spanish = es;
            auto row = [&](const char* name) -> QTestData& { return QTest::addRow("%s %s", lang, name) << spanish; };
            row("1F goes to 001F") << "1F" << "" << "001F" << "001FH:";
            row("9 goes to 0009") << "9" << "" << "0009" << "0009H:";
            row("8000 accepted") << "8000" << "" << "8000" << "8000H:";
            row("1f lower case") << "1f" << kWrong[es] << "" << "4000H:";
            row("8001") << "8001" << kTooLarge[es] << "" << "4000H:";
            row("A000") << "A000" << kTooLarge[es] << "" << "4000H:";
            row("FFFF") << "FFFF" << kTooLarge[es] << "" << "4000H:";
            row("letter first, lower case") << "a000" << kTooLarge[es] << "" << "4000H:";
            row("9 first, then no digits") << "9ZZZ" << kTooLarge[es] << "" << "4000H:";
            row("blank in front") << " 1F2" << kWrong[es] << "" << "4000H:";
            row("minus in front") << "-1F2" << kWrong[es] << "" << "4000H:";
            row("empty") << "" << kEmpty[es] << "" << "4000H:";
        }
    }

    void typedAddressesAreCheckedInOrder()
    {
        QFETCH(bool, spanish);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, entry);
        QFETCH(QString, asked);
        Sim s(spanish);
        MemoryZoom& z = open(s);
        QCOMPARE(z.Helb(z.askedRow()).text(), QStringLiteral("4000H:"));  // the address bus at rest
        z.Helb(0).setFocus();
        go(z, typed);
        if (message.isEmpty()) {
            QVERIFY(s.fp.messages.shown.empty());
        } else {
            QCOMPARE(int(s.fp.messages.shown.size()), 1);
            QCOMPARE(s.fp.messages.shown[0].title, spanish ? QStringLiteral("AVISO!") : QStringLiteral("OHARRA!"));
            QCOMPARE(s.fp.messages.shown[0].text, message);
        }
        QCOMPARE(z.Helb_joan().text(), entry);
        QCOMPARE(z.Helb(z.askedRow()).text(), asked);
        QCOMPARE(z.focusWidget(), &z.Helb_joan());
    }

    void keysInTheEntry_data()
    {
        QTest::addColumn<QString>("keys");  // '\r' is Enter
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("asked");
        QTest::newRow("Enter goes") << "1F\r" << "001F" << "001FH:";
        QTest::newRow("+ then refused") << "1F\r+" << "0020" << "0020H:";
        QTest::newRow("- then refused") << "4000\r-" << "3FFF" << "3FFFH:";
        QTest::newRow("+ at 8000H stays") << "8000\r+" << "8000" << "8000H:";
        QTest::newRow("- at 0000H stays") << "0\r-" << "0000" << "0000H:";
        QTest::newRow("++ stops at 8000H") << "7FFF\r++" << "8000" << "8000H:";
        QTest::newRow("+ steps from the green row") << "12+" << "4001" << "4001H:";
        QTest::newRow("Enter on a wrong text") << "1f\r" << "" << "4000H:";
    }

    void keysInTheEntry()
    {
        QFETCH(QString, keys);
        QFETCH(QString, entry);
        QFETCH(QString, asked);
        Sim s;
        MemoryZoom& z = open(s);
        z.Helb_joan().clear();
        QTest::keyClicks(&z.Helb_joan(), keys);
        QCOMPARE(z.Helb_joan().text(), entry);
        QCOMPARE(z.Helb(z.askedRow()).text(), asked);
    }

    // With a real message box, Enter on a refused address leaves the message up
    // until the user closes it; only then is the entry emptied and focused.
    void enterOnARefusedAddressLeavesItsMessageUp_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("too large") << "8001";
        QTest::newRow("wrong") << "1f";
    }

    void enterOnARefusedAddressLeavesItsMessageUp()
    {
        QFETCH(QString, typed);
        Sim s;
        QtMessageService boxes;
        Platform platform{s.fp.clock, s.fp.pictures, s.fp.beeper, boxes, s.fp.starter};
        MainWindow w(platform);
        w.diagram()(QStringLiteral("MN_G")).click();
        MemoryZoom& z = w.MN_Zoom();
        z.Helb_joan().setText(typed);
        QTest::keyClick(&z.Helb_joan(), Qt::Key_Return);
        auto* box = z.findChild<QMessageBox*>();
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(box->windowTitle(), QStringLiteral("OHARRA!"));
        QCOMPARE(z.Helb_joan().text(), typed);
        box->button(QMessageBox::Ok)->click();
        QCOMPARE(z.Helb_joan().text(), QString());
        QCOMPARE(z.focusWidget(), &z.Helb_joan());
    }

    void areaAndStepButtons_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("askedRow");
        QTest::newRow("data area") << "4000" << "MN_Zoom_Datuak" << "0000" << 0x0000 << 0;
        QTest::newRow("program area") << "0" << "MN_Zoom_Programa" << "4000" << 0x3FF9 << 7;
        QTest::newRow("next") << "7FF8" << "MN_Zoom_H_handi" << "7FF9" << 0x7FF2 << 7;
        QTest::newRow("next at 8000H") << "8000" << "MN_Zoom_H_handi" << "8000" << 0x7FF2 << 14;
        QTest::newRow("previous") << "8" << "MN_Zoom_H_txiki" << "0007" << 0x0000 << 7;
        QTest::newRow("previous at 0000H") << "0" << "MN_Zoom_H_txiki" << "0000" << 0x0000 << 0;
    }

    void areaAndStepButtons()
    {
        QFETCH(QString, from);
        QFETCH(QString, button);
        QFETCH(QString, entry);
        QFETCH(int, first);
        QFETCH(int, askedRow);
        Sim s;
        MemoryZoom& z = open(s);
        go(z, from);
        z.Helb(3).setFocus();
        ::button(z, qPrintable(button)).click();
        QCOMPARE(z.Helb_joan().text(), entry);
        QCOMPARE(z.Helb(0).text(), label(first));
        QCOMPARE(z.askedRow(), askedRow);
        QCOMPARE(z.focusWidget(), &z.Helb_joan());
        QVERIFY(s.fp.messages.shown.empty());
    }

    void rowColoursFollowTheAccess_data()
    {
        QTest::addColumn<int>("bus");
        QTest::addColumn<bool>("access");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("askedRow");
        QTest::addColumn<int>("redRow");  // -1: none
        QTest::newRow("accessed word asked") << 0x0003 << true << "3" << 3 << 3;
        QTest::newRow("accessed word in view") << 0x0003 << true << "0" << 0 << 3;
        QTest::newRow("accessed word out of view") << 0x0020 << true << "0" << 0 << -1;
        QTest::newRow("no access, bus in view") << 0x0003 << false << "0" << 0 << -1;
        QTest::newRow("last word asked and accessed") << 0x8000 << true << "8000" << 14 << 14;
        QTest::newRow("accessed below the last rows") << 0x7FF1 << true << "8000" << 14 << -1;
    }

    void rowColoursFollowTheAccess()
    {
        QFETCH(int, bus);
        QFETCH(bool, access);
        QFETCH(QString, typed);
        QFETCH(int, askedRow);
        QFETCH(int, redRow);
        Sim s;
        MemoryZoom& z = open(s);
        s.el("Bus_mux_MN_Gezia").setTip(QString::fromStdString(Hamartarretik_Bitarrera(bus)));
        G().MN_Atzipena = access;
        go(z, typed);
        for (int i = 0; i < MemoryZoom::kRows; ++i) {
            Look expected = i == redRow ? kAccessed : kNormal;
            if (i == askedRow)
                expected.helb = colour::Green;
            QVERIFY2(look(z, i) == expected, qPrintable(QStringLiteral("row %1").arg(i)));
        }

        // The access ends: every row normal, the asked one still green.
        z.MN_Zoom_txuritu();
        QVERIFY(redRows(z).isEmpty());
        for (int i = 0; i < MemoryZoom::kRows; ++i) {
            Look expected = kNormal;
            if (i == askedRow)
                expected.helb = colour::Green;
            QVERIFY(look(z, i) == expected);
        }
    }

    void textsOfBothLanguages_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<QStringList>("texts");  // caption, Label1, Label2, Label4, Label3, three buttons
        QTest::addColumn<QString>("entryTip");
        QTest::newRow("eu") << false
                            << QStringList{"MN_Zoom", "DATUA (16 BITAK)", "AGINDUA", "HELBIDEA",
                                           "Helbidea sartu (@):", "@ joan", "Datuak", "Programa"}
                            << "Memoriako helbide konkretu bat ikusi nahi baduzu, hemen idatzi eta \"@ joan\" "
                               "botoia sakatuz bertara joango zara";
        QTest::newRow("es") << true
                            << QStringList{"MP_Zoom", "DATOS (16 BITS)", "INSTRUCCIÓN", "DIRECCIÓN",
                                           "Dirección (@):", "@Ir", "Datos", "Programa"}
                            << "Escribe una dirección y pulsa @Ir o Enter para ir a dicha dirección";
    }

    void textsOfBothLanguages()
    {
        QFETCH(bool, spanish);
        QFETCH(QStringList, texts);
        QFETCH(QString, entryTip);
        Sim s(spanish);
        MemoryZoom& z = open(s);
        auto text = [&z](const char* name) { return z.findChild<QWidget*>(QLatin1String(name))->property("text"); };
        const QStringList shown{z.windowTitle(),
                                text("Label1").toString(),
                                text("Label2").toString(),
                                text("Label4").toString(),
                                text("Label3").toString(),
                                text("joan").toString(),
                                text("MN_Zoom_Datuak").toString(),
                                text("MN_Zoom_Programa").toString()};
        QCOMPARE(shown, texts);
        QCOMPARE(z.Helb_joan().toolTip(), entryTip);
        QCOMPARE(z.findChild<QLineEdit*>(QStringLiteral("Text5"))->text(), QStringLiteral("H"));
    }

    void cellsAreCourierBoldReadOnlyAndNoTabStops()
    {
        Sim s;
        MemoryZoom& z = open(s);
        for (int i = 0; i < MemoryZoom::kRows; ++i) {
            const std::pair<MemoryCell*, Qt::Alignment> cells[] = {
                {&z.Helb(i), Qt::AlignRight}, {&z.Kod(i), Qt::AlignHCenter}, {&z.Ag(i), Qt::AlignLeft}};
            for (auto [cell, align] : cells) {
                QVERIFY(cell->isReadOnly());
                QVERIFY(!(cell->focusPolicy() & Qt::TabFocus));
                QVERIFY(cell->font().bold());
                QVERIFY(cell->font().fixedPitch() || QFontInfo(cell->font()).fixedPitch());
                QCOMPARE(cell->alignment() & Qt::AlignHorizontal_Mask, align);
            }
        }
        QVERIFY(!z.Helb_joan().isReadOnly());
        QCOMPARE(z.Helb_joan().maxLength(), 4);
        QCOMPARE(z.Helb_joan().back(), colour::Green);
    }

    void keyboardUserTypesAnAddressThenTabsThroughTheButtons()
    {
        Sim s;
        s.w->show();
        MemoryZoom& z = open(s);
        QVERIFY(QTest::qWaitForWindowActive(&z));
        QCOMPARE(QApplication::focusWidget(), &z.Helb_joan());
        // The address is offered for typing over.
        QCOMPARE(z.Helb_joan().selectedText(), QStringLiteral("4000"));
        QTest::keyClicks(QApplication::focusWidget(), "1F\r");
        QCOMPARE(z.Helb(z.askedRow()).text(), QStringLiteral("001FH:"));
        QStringList order;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, (QStringList{"joan", "MN_Zoom_Datuak", "MN_Zoom_Programa", "MN_Zoom_H_txiki",
                                     "MN_Zoom_H_handi", "MN_Zoom_Helb_joan"}));
    }

    void everyMemoryBlockElementOpensIt_data()
    {
        QTest::addColumn<QString>("element");
        for (const char* e : {"MN_G", "MN_etik_G", "MN_HELB_G", "MN_DATin_G", "MN_DATout_G", "MN_CS_G", "MN_OE_G",
                              "MN_WR_G", "MN_DAT_G"})
            QTest::newRow(e) << e;
    }

    void everyMemoryBlockElementOpensIt()
    {
        QFETCH(QString, element);
        Sim s;
        s.el(element).click();
        MemoryZoom& z = s.w->MN_Zoom();
        QVERIFY(z.isVisible());
        QVERIFY(!s.w->isEnabled());
        QCOMPARE(z.focusWidget(), &z.Helb_joan());
        QCOMPARE(z.Helb_joan().text(), QStringLiteral("4000"));
    }

    // Shown, it leaves the clock running; closed, it gives the main window back and
    // unloads, so its next use has the design texts; Finish only hides it.
    void lifeOverTheMainWindow()
    {
        Sim s(true);
        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        QVERIFY(!s.w->memoryZoomShown());
        s.el("ga", 4).click();
        MemoryZoom* z = &open(s);
        QCOMPARE(z->windowTitle(), QStringLiteral("MP_Zoom"));
        const int16_t state = s.w->control().rs.Egoera_Zenbakia;
        s.clock().advance(3 * 12 * 801);
        QVERIFY(s.w->control().rs.Egoera_Zenbakia != state);
        QVERIFY(s.w->memoryZoomShown());

        z->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(s.w->isEnabled());
        QVERIFY(!s.w->memoryZoomShown());
        QCOMPARE(s.w->MN_Zoom().windowTitle(), QStringLiteral("MN_Zoom"));

        z = &open(s);
        QCOMPARE(z->windowTitle(), QStringLiteral("MP_Zoom"));
        s.el("ga", 3).click();
        QVERIFY(!z->isVisible());
        QCOMPARE(&s.w->MN_Zoom(), z);

        // Hidden, it stays hidden through the next run's memory accesses.
        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        s.el("ga", 4).click();
        s.clock().advance(3 * 12 * 801);
        QVERIFY(!z->isVisible());
    }

    // A whole run with the window opened on the way: every access shows the
    // accessed word as the asked row, red beside its green address; a released
    // access leaves no red row; the store at tick 3 shows the product at once.
    void wholeRunFollowedWithTheWindowOpen_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::newRow("eu") << false;
        QTest::newRow("es") << true;
    }

    void wholeRunFollowedWithTheWindowOpen()
    {
        QFETCH(bool, spanish);
        Sim s(spanish);
        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        for (int i = 0; i < 10; ++i)
            s.el("Command2").click();
        s.el("ga", 4).click();
        QVERIFY(s.clock().advanceUntil([&] { return s.w->control().rs.Egoera_Zenbakia == 3; }, 100000));
        MemoryZoom& z = open(s);
        QVERIFY(!s.w->isEnabled());

        int fetches = 0, accesses = 0, stores = 0;
        while (!resultShown(s)) {
            const bool writing = G().MN_Idatzi_Zain;
            const int16_t before = s.w->control().rs.Egoera_Zenbakia;
            QVERIFY(s.clock().step());
            if (resultShown(s))
                break;
            QVERIFY(z.isVisible());
            const int asked = z.askedRow();
            const QString bus = label(Bitarretik_Hamartarrera(s.el("Bus_mux_MN_Gezia").tip().toStdString()));
            if (G().MN_Atzipena) {
                ++accesses;
                QCOMPARE(z.Helb(asked).text(), bus);
                QCOMPARE(redRows(z), QList<int>{asked});
                QVERIFY(look(z, asked) == (Look{colour::Green, colour::Red, kDarkRed, colour::Window}));
            } else {
                QVERIFY(redRows(z).isEmpty());
            }
            if (before != 1 && s.w->control().rs.Egoera_Zenbakia == 1 && G().Tik_Kontagailua == 0) {
                ++fetches;
                QCOMPARE(z.Helb(asked).text(), label(Bitarretik_Hamartarrera(s.el("PC_DAT_G").text().toStdString())));
            }
            if (writing && !G().MN_Idatzi_Zain) {
                ++stores;
                QCOMPARE(z.Helb(asked).text(), QStringLiteral("0002H:"));
                QCOMPARE(z.Kod(asked).text(), QString::fromStdString(Hamartarretik_Bitarrera(15)));
            }
        }
        QVERIFY(fetches > 10);
        QVERIFY(accesses > 100);
        QCOMPARE(stores, 1);

        QVERIFY(!z.isVisible());
        QCOMPARE(s.w->existingResult()->Hamartar(2)->text(), QStringLiteral("15"));
        QVERIFY(!s.w->isEnabled());
        s.w->existingResult()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(s.w->isEnabled());
        QVERIFY(s.el("ga", 0).isUsable());
    }

    // Not a check: what one redraw of the shown window costs (RIRI_BENCH=1).
    void benchmarkRedraw()
    {
        if (qEnvironmentVariableIsEmpty("RIRI_BENCH"))
            QSKIP("set RIRI_BENCH=1 to time the redraws");
        Sim s;
        Programa().kargatu();
        MemoryZoom& z = open(s);
        G().MN_Atzipena = true;
        for (bool painted : {false, true}) {
            QElapsedTimer wall;
            wall.start();
            for (int i = 0; i < 1000; ++i) {
                s.el("Bus_mux_MN_Gezia").setTip(QString::fromStdString(Hamartarretik_Bitarrera(0x4000 + i % 18)));
                s.w->memoryZoomFollow();
                if (painted)
                    z.grab();  // an upper bound: paints every control into a new picture
            }
            qInfo("1000 redraws of the shown window%s: %lld ms", painted ? ", painted" : "", wall.elapsed());
        }
    }
};

QTEST_MAIN(TestMemoryZoom)
#include "tst_memory_zoom.moc"
