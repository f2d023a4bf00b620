// The memory zoom window: where typed addresses, keys and buttons take it, the
// refused addresses with their messages, the row colours, its texts, the
// keyboard, and runs followed with it open or hidden.
#include "../control/driving.h"
#include "looking.h"

#include "model/funtzioak.h"
#include "model/programa.h"
#include "platform/qt_services.h"
#include "windows/memory_zoom.h"

#include <QMessageBox>
#include <QtTest>

using namespace driving;

namespace {

QString label(int32_t address) { return QStringLiteral("%1H:").arg(address, 4, 16, QLatin1Char('0')).toUpper(); }

MemoryZoom& open(Sim& s)
{
    s.el("MN_G").click();
    return s.w->MN_Zoom();
}

QPushButton& button(MemoryZoom& z, const QString& name) { return *z.findChild<QPushButton*>(name); }

// The backs of a row's address, contents and instruction cells, and the text colour they share.
struct Look {
    BGR helb, kod, ag, text;
    bool operator==(const Look&) const = default;
};
Look look(const MemoryZoom& z, int row)
{
    const BGR text = z.Helb(row).fore();
    if (z.Kod(row).fore() != text || z.Ag(row).fore() != text)
        return {};
    return {z.Helb(row).back(), z.Kod(row).back(), z.Ag(row).back(), text};
}
constexpr Look kNormal{colour::Window, colour::Window, 0xE0E0E0, colour::ButtonText};
constexpr Look kAccessed{colour::Red, colour::Red, 0x0000C0, colour::Window};
Look asked(Look l)
{
    l.helb = colour::Green;
    return l;
}

QList<int> redRows(const MemoryZoom& z)
{
    QList<int> rows;
    for (int i = 0; i < MemoryZoom::kRows; ++i)
        if (z.Kod(i).back() == colour::Red)
            rows << i;
    return rows;
}

}  // namespace

class TestMemoryZoom : public QObject {
    Q_OBJECT
private slots:
    // Keys typed into the entry ('\r' is Enter), then a button.
    void goesWhereAsked_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("askedRow");
        QTest::newRow("0000H") << "0\r" << "" << "0000" << 0x0000 << 0;
        QTest::newRow("0007H") << "7\r" << "" << "0007" << 0x0000 << 7;
        QTest::newRow("0008H") << "8\r" << "" << "0008" << 0x0001 << 7;
        QTest::newRow("7FF8H") << "7FF8\r" << "" << "7FF8" << 0x7FF1 << 7;
        QTest::newRow("7FF9H") << "7FF9\r" << "" << "7FF9" << 0x7FF2 << 7;
        QTest::newRow("8000H") << "8000\r" << "" << "8000" << 0x7FF2 << 14;
        QTest::newRow("+ steps, then the limit refuses it") << "1F\r+" << "" << "0020" << 0x0019 << 7;
        QTest::newRow("- steps, then the limit refuses it") << "4000\r-" << "" << "3FFF" << 0x3FF8 << 7;
        QTest::newRow("+ at 8000H") << "8000\r+" << "" << "8000" << 0x7FF2 << 14;
        QTest::newRow("- at 0000H") << "0\r-" << "" << "0000" << 0x0000 << 0;
        QTest::newRow("+ steps from the green row") << "12+" << "" << "4001" << 0x3FFA << 7;
        QTest::newRow("data area") << "4000\r" << "MN_Zoom_Datuak" << "0000" << 0x0000 << 0;
        QTest::newRow("program area") << "0\r" << "MN_Zoom_Programa" << "4000" << 0x3FF9 << 7;
        QTest::newRow("next at 8000H") << "8000\r" << "MN_Zoom_H_handi" << "8000" << 0x7FF2 << 14;
        QTest::newRow("previous") << "8\r" << "MN_Zoom_H_txiki" << "0007" << 0x0000 << 7;
    }

    void goesWhereAsked()
    {
        QFETCH(QString, keys);
        QFETCH(QString, button);
        QFETCH(QString, entry);
        QFETCH(int, first);
        QFETCH(int, askedRow);
        Sim s;
        Programa().kargatu();
        MN().MN_Egitura_Aldatu("8000", "1010101010101010", ":LAST", -1);
        MemoryZoom& z = open(s);
        z.Helb_joan().clear();
        QTest::keyClicks(&z.Helb_joan(), keys);
        if (!button.isEmpty()) {
            z.Helb(3).setFocus();
            ::button(z, button).click();
        }
        QCOMPARE(z.Helb_joan().text(), entry);
        QCOMPARE(z.focusWidget(), &z.Helb_joan());
        QVERIFY(s.fp.messages.shown.empty());
        QCOMPARE(z.askedRow(), askedRow);
        for (int i = 0; i < MemoryZoom::kRows; ++i) {
            const std::string h = label(first + i).left(4).toStdString();
            QCOMPARE(z.Helb(i).text(), label(first + i));
            QCOMPARE(z.Kod(i).text().toStdString(), MN().MN_Egitura_Kodea_Irakurri(h));
            QCOMPARE(z.Ag(i).text().toStdString(), MN().MN_Egitura_Agindua_Irakurri(h));
        }
    }

    void refusedAddresses_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const char* const messages[][2] = {
            {"EZ DUZU HELBIDERIK SARTU, SARTU HELBIDE BAT MESEDEZ", "NO HAS ESCRITO NADA, INTRODUCE UNA DIRECCIÓN"},
            {"SARTU DUZUN HELBIDEA  8000H  BAINO HANDIAGOA DA EDO HELBIDE OKERRA SARTU DUZU! BESTE BAT SARTU, MESEDEZ.",
             "LA DIRECCIÓN INTRODUCIDA ES MAYOR A 8000H O ES INCORRECTA, INTRODUZCA OTRA"},
            {"SARTU DUZUN MEMORIA HELBIDEA EZ DA ZUZENA! BESTE BAT SARTU, MESEDEZ.",
             "LA DIRECCIÓN NO ES CORRECTA, INTRODUZCA UNA NUEVA"},
        };
        const struct {
            const char* name;
            const char* typed;
            int message;
        } cases[] = {
            {"empty", "", 0},
            {"8001", "8001", 1},
            {"A000", "A000", 1},
            {"lower-case letter first", "a000", 1},
            {"9 first, then no digits", "9ZZZ", 1},
            {"1f lower case", "1f", 2},
            {"blank in front", " 1F2", 2},
            {"minus in front", "-1F2", 2},
        };
        for (int es = 0; es < 2; ++es)
            for (const auto& c : cases)
                QTest::addRow("%s %s", es ? "es" : "eu", c.name)
                    << bool(es) << QString::fromLatin1(c.typed) << QString::fromUtf8(messages[c.message][es]);
    }

    // Refused: the message, then the entry empty with the focus, the rows unchanged.
    void refusedAddresses()
    {
        QFETCH(bool, spanish);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Sim s(spanish);
        MemoryZoom& z = open(s);
        z.Helb(0).setFocus();
        z.Helb_joan().setText(typed);
        button(z, QStringLiteral("joan")).click();
        QCOMPARE(int(s.fp.messages.shown.size()), 1);
        QCOMPARE(s.fp.messages.shown[0].title, spanish ? QStringLiteral("AVISO!") : QStringLiteral("OHARRA!"));
        QCOMPARE(s.fp.messages.shown[0].text, message);
        QCOMPARE(z.Helb_joan().text(), QString());
        QCOMPARE(z.Helb(z.askedRow()).text(), QStringLiteral("4000H:"));  // the address bus at rest
        QCOMPARE(z.focusWidget(), &z.Helb_joan());
    }

    // A real message box opened by Enter stays up until the user closes it.
    void refusalMessageWaitsForTheUser()
    {
        QtMessageService boxes;
        Sim s(false, nullptr, &boxes);
        MemoryZoom& z = open(s);
        z.Helb_joan().setText(QStringLiteral("1f"));
        QTest::keyClick(&z.Helb_joan(), Qt::Key_Return);
        auto* box = z.findChild<QMessageBox*>();
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(z.Helb_joan().text(), QStringLiteral("1f"));
        box->button(QMessageBox::Ok)->click();
        QCOMPARE(z.Helb_joan().text(), QString());
    }

    void rowColoursFollowTheAccess_data()
    {
        QTest::addColumn<int>("bus");
        QTest::addColumn<bool>("access");
        QTest::addColumn<QString>("typed");  // empty: the rows around the bus address
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("askedRow");
        QTest::addColumn<int>("redRow");  // -1: none
        QTest::newRow("accessed word asked") << 0x0003 << true << "3" << "0003" << 3 << 3;
        QTest::newRow("accessed word in view") << 0x0003 << true << "0" << "0000" << 0 << 3;
        QTest::newRow("accessed word out of view") << 0x0020 << true << "0" << "0000" << 0 << -1;
        QTest::newRow("no access, bus in view") << 0x0003 << false << "0" << "0000" << 0 << -1;
        QTest::newRow("last word asked and accessed") << 0x8000 << true << "8000" << "8000" << 14 << 14;
        // Only a program addressing beyond memory puts such an address on the bus:
        // the window follows it to the last rows instead of failing.
        QTest::newRow("bus beyond memory") << 0xA000 << true << "" << "8000" << 14 << -1;
    }

    // Then the access ends: every row normal, the asked one still green.
    void rowColoursFollowTheAccess()
    {
        QFETCH(int, bus);
        QFETCH(bool, access);
        QFETCH(QString, typed);
        QFETCH(QString, entry);
        QFETCH(int, askedRow);
        QFETCH(int, redRow);
        Sim s;
        MemoryZoom& z = open(s);
        s.el("Bus_mux_MN_Gezia").setTip(QString::fromStdString(Hamartarretik_Bitarrera(bus)));
        G().MN_Atzipena = access;
        if (typed.isEmpty()) {
            s.w->memoryZoomRedraw();
        } else {
            z.Helb_joan().setText(typed);
            button(z, QStringLiteral("joan")).click();
        }
        QCOMPARE(z.Helb_joan().text(), entry);
        QCOMPARE(z.Helb(askedRow).text(), entry + QStringLiteral("H:"));
        for (bool released : {false, true}) {
            if (released)
                z.MN_Zoom_txuritu();
            for (int i = 0; i < MemoryZoom::kRows; ++i) {
                const Look row = i == redRow && !released ? kAccessed : kNormal;
                QVERIFY2(look(z, i) == (i == askedRow ? asked(row) : row), qPrintable(QString::number(i)));
            }
        }
    }

    void textsOfBothLanguages_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<QStringList>("texts");  // caption, Label1, Label2, Label4, Label3, buttons, entry tooltip
        QTest::newRow("eu") << false
                            << QStringList{"MN_Zoom", "DATUA (16 BITAK)", "AGINDUA", "HELBIDEA", "Helbidea sartu (@):",
                                           "@ joan", "Datuak", "Programa",
                                           "Memoriako helbide konkretu bat ikusi nahi baduzu, hemen idatzi eta "
                                           "\"@ joan\" botoia sakatuz bertara joango zara"};
        QTest::newRow("es") << true
                            << QStringList{"MP_Zoom", "DATOS (16 BITS)", "INSTRUCCIÓN", "DIRECCIÓN", "Dirección (@):",
                                           "@Ir", "Datos", "Programa",
                                           "Escribe una dirección y pulsa @Ir o Enter para ir a dicha dirección"};
    }

    // With RIRI_SHOTS naming a folder, the window is saved as a picture too.
    void textsOfBothLanguages()
    {
        QFETCH(bool, spanish);
        QFETCH(QStringList, texts);
        Sim s(spanish);
        MemoryZoom& z = open(s);
        QStringList shown{z.windowTitle()};
        for (const char* name : {"Label1", "Label2", "Label4", "Label3", "joan", "MN_Zoom_Datuak", "MN_Zoom_Programa"})
            shown << z.findChild<QWidget*>(QLatin1String(name))->property("text").toString();
        shown << z.Helb_joan().toolTip();
        QCOMPARE(shown, texts);
        savePicture(z, spanish ? QStringLiteral("memory-spanish") : QStringLiteral("memory-basque"));
    }

    // Opened, the window has the keyboard with the address offered for typing
    // over; Tab goes through the buttons and never stops on a row cell.
    void keyboardUserTypesAnAddressThenTabsThroughTheButtons()
    {
        Sim s;
        MemoryZoom& z = open(s);
        QVERIFY(QTest::qWaitForWindowActive(&z));
        QCOMPARE(QApplication::focusWidget(), &z.Helb_joan());
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
        for (int i = 0; i < MemoryZoom::kRows; ++i)
            for (const ZoomCell* cell : {&z.Helb(i), &z.Kod(i), &z.Ag(i)})
                QVERIFY(cell->isReadOnly() && cell->font().bold());
    }

    // Finish only hides the window, and the next run's accesses leave it hidden.
    void aWindowHiddenByFinishStaysHiddenThroughTheNextRun()
    {
        Sim s;
        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        s.el("ga", 4).click();
        MemoryZoom* z = &open(s);
        s.el("ga", 3).click();
        QVERIFY(!z->isVisible());
        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        s.el("ga", 4).click();
        s.clock().advance(3 * 12 * 801);  // fetches that read memory
        QCOMPARE(&s.w->MN_Zoom(), z);
        QVERIFY(!z->isVisible());
    }

    // At every tick of a whole run with the window opened on the way: during an
    // access the accessed word is the asked row, red beside its green address, and
    // no other row is red; otherwise no row is red; a fetch asks for the PC's word;
    // the store at tick 3 shows the product at once.
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
        const RunState& rs = s.w->control().rs;
        auto onBus = [&](const char* bus) { return label(Bitarretik_Hamartarrera(s.el(bus).tip().toStdString())); };
        bool writing = false;  // as the tick before left them
        int16_t state = 0;
        int fetches = 0, stores = 0;
        auto atTick = [&](int) {
            const MemoryZoom& z = s.w->MN_Zoom();
            const int row = z.askedRow();
            if (G().MN_Atzipena) {
                QCOMPARE(z.Helb(row).text(), onBus("Bus_mux_MN_Gezia"));
                QCOMPARE(redRows(z), QList<int>{row});
                QVERIFY(look(z, row) == asked(kAccessed));
            } else {
                QVERIFY(redRows(z).isEmpty());
            }
            if (state != 1 && rs.Egoera_Zenbakia == 1) {
                ++fetches;
                QCOMPARE(z.Helb(row).text(), label(Bitarretik_Hamartarrera(s.el("PC_DAT_G").text().toStdString())));
            }
            if (writing && !G().MN_Idatzi_Zain) {
                ++stores;
                QCOMPARE(z.Helb(row).text(), QStringLiteral("0002H:"));
                QCOMPARE(z.Kod(row).text(), QStringLiteral("0000000000001111"));
            }
            writing = G().MN_Idatzi_Zain;
            state = rs.Egoera_Zenbakia;
        };
        runWithZoomOpen(s, {3, [&]() -> QWidget& { return open(s); }, atTick});
        if (QTest::currentTestFailed())
            return;
        QVERIFY(fetches > 10);
        QCOMPARE(stores, 1);
    }
};

QTEST_MAIN(TestMemoryZoom)
#include "tst_memory_zoom.moc"
