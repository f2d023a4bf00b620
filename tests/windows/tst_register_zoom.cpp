// The register-set zoom: the marks and colours of every combination of the two
// read registers and the destination, in both languages; its design look and
// headings; and a whole run watched through it.
#include "../control/driving.h"
#include "looking.h"

#include "model/funtzioak.h"
#include "windows/register_zoom.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

using namespace driving;

namespace {

QString field(int n) { return QString::fromStdString(Hamartarretik_Bitarrera(n)).right(5); }

// Puts register numbers on the three register-address buses, as the field cutters do.
void addresses(Sim& s, int i, int j, int d)
{
    s.dp().Ri_Bus_TTT_aldatu(field(i));
    s.dp().Rj_Bus_TTT_aldatu(field(j));
    s.dp().Rd_Bus_TTT_aldatu(field(d));
}

QString lookName(const ZoomCell& c)
{
    if (c.back() == colour::Window && c.fore() == colour::ButtonText)
        return QStringLiteral("plain");
    if (c.back() == colour::Red && c.fore() == colour::Window)
        return QStringLiteral("red");
    if (c.back() == colour::Green && c.fore() == colour::ButtonText)
        return QStringLiteral("green");
    return QStringLiteral("?");
}

// A shown mark's text, with "?" when its colours are not those its text calls for.
QString markText(const RegisterZoom& z, const ZoomCell& c)
{
    if (!c.isVisibleTo(&z))
        return QStringLiteral("-");
    const bool port = c.text() == QLatin1String("QA") || c.text() == QLatin1String("QB");
    return c.text() + (lookName(c) == QLatin1String(port ? "red" : "green") ? QString() : QStringLiteral("?"));
}

// Every row that is not plain or shows a mark: "R4 green QA Rh -" (name and
// contents look, then the three mark columns).
QStringList marked(const RegisterZoom& z)
{
    QStringList rows;
    for (int k = 0; k < RegisterZoom::kRegisters; ++k) {
        const QString look = lookName(z.EM_Zoom_Helb(k));
        const QString marks = markText(z, z.EM_Zoom_Qi(k)) + QLatin1Char(' ') + markText(z, z.EM_Zoom_Qj(k)) +
                              QLatin1Char(' ') + markText(z, z.EM_Zoom_LD(k));
        if (lookName(z.EM_Zoom_Dat(k)) != look)
            rows << QStringLiteral("R%1 name and contents differ").arg(k);
        else if (look != QLatin1String("plain") || marks != QLatin1String("- - -"))
            rows << QStringLiteral("R%1 %2 %3").arg(k).arg(look, marks);
    }
    return rows;
}

// The destination mark "m" in the expected rows, in the language of the run.
QStringList inLanguage(QStringList rows, bool spanish)
{
    for (QString& r : rows)
        r.replace(QRegularExpression(QStringLiteral("\\bm\\b")), spanish ? QStringLiteral("Rd") : QStringLiteral("Rh"));
    return rows;
}

bool zoomContentsMatchTheRegisters(const RegisterZoom& z)
{
    for (int k = 0; k < RegisterZoom::kRegisters; ++k)
        if (z.EM_Zoom_Dat(k).text() != QString::fromStdString(EM().Erreg_M_Dat_Egitura_Irakurri(int16_t(k))))
            return false;
    return true;
}

// Registers 1 to 31 hold numbers of their own.
void fillRegisters()
{
    for (int r = 1; r < RegisterZoom::kRegisters; ++r)
        EM().Erreg_M_Dat_Egitura_Aldatu(Hamartarretik_Bitarrera(r * 1031), int16_t(r));
}

}  // namespace

class TestRegisterZoom : public QObject {
    Q_OBJECT
private slots:
    void marksFollowTheReadAndWrittenRegisters_data()
    {
        QTest::addColumn<QList<int>>("before");  // i, j, d of an earlier refresh, if any
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<QStringList>("rows");  // "m" stands for the destination mark
        const QList<int> none;
        QTest::newRow("all three 0") << none << QList<int>{0, 0, 0} << QStringList{"R0 green QA QB m"};
        QTest::newRow("ADD r4,r4,r1") << none << QList<int>{4, 1, 4} << QStringList{"R1 red QB - -", "R4 green QA m -"};
        QTest::newRow("three different") << none << QList<int>{2, 3, 5}
                                         << QStringList{"R2 red QA - -", "R3 red QB - -", "R5 green m - -"};
        QTest::newRow("destination is j") << none << QList<int>{2, 3, 3}
                                          << QStringList{"R2 red QA - -", "R3 green QB m -"};
        QTest::newRow("LD r1,A: i = j, d apart") << none << QList<int>{0, 0, 1}
                                                 << QStringList{"R0 red QA QB -", "R1 green m - -"};
        QTest::newRow("i = j = d, last register") << none << QList<int>{31, 31, 31} << QStringList{"R31 green QA QB m"};
        QTest::newRow("j above i, d below") << none << QList<int>{30, 31, 0}
                                            << QStringList{"R0 green m - -", "R30 red QA - -", "R31 red QB - -"};
        // Rows that lose their marks turn plain.
        QTest::newRow("all on R0, then ADD") << QList<int>{0, 0, 0} << QList<int>{4, 1, 4}
                                             << QStringList{"R1 red QB - -", "R4 green QA m -"};
        QTest::newRow("ADD, then all on R0") << QList<int>{4, 1, 4} << QList<int>{0, 0, 0}
                                             << QStringList{"R0 green QA QB m"};
        QTest::newRow("i = j, then i and j apart") << QList<int>{7, 7, 7} << QList<int>{7, 8, 9}
                                                   << QStringList{"R7 red QA - -", "R8 red QB - -", "R9 green m - -"};
        QTest::newRow("destination leaves the register read twice")
            << QList<int>{7, 7, 7} << QList<int>{7, 7, 9} << QStringList{"R7 red QA QB -", "R9 green m - -"};
        QTest::newRow("destination moves onto j") << QList<int>{2, 3, 5} << QList<int>{2, 3, 3}
                                                  << QStringList{"R2 red QA - -", "R3 green QB m -"};
        QTest::newRow("everything moves") << QList<int>{2, 3, 5} << QList<int>{10, 11, 12}
                                          << QStringList{"R10 red QA - -", "R11 red QB - -", "R12 green m - -"};
    }

    // The refresh runs with the window hidden, and shows every register's contents.
    void marksFollowTheReadAndWrittenRegisters()
    {
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, after);
        QFETCH(QStringList, rows);
        for (bool spanish : {false, true}) {
            Sim s(spanish);
            fillRegisters();
            if (!before.isEmpty()) {
                addresses(s, before[0], before[1], before[2]);
                s.w->registerZoomRefresh();
            }
            addresses(s, after[0], after[1], after[2]);
            s.w->registerZoomRefresh();
            const RegisterZoom& z = s.w->EM_Zoom();
            QCOMPARE(marked(z), inLanguage(rows, spanish));
            QVERIFY(zoomContentsMatchTheRegisters(z));
            QVERIFY(!z.isVisible());
        }
    }

    // The start-up refresh loads the window, hidden. A window as it loads, before
    // any refresh: names, fonts, R0 disabled yet black on white, marks hidden with
    // their design texts.
    void designLook()
    {
        unloadNow();  // no window of an earlier test lingers
        Sim s;
        const auto tops = QApplication::topLevelWidgets();
        QVERIFY(std::any_of(tops.begin(), tops.end(), [](QWidget* w) { return qobject_cast<RegisterZoom*>(w); }));
        QVERIFY(!s.w->EM_Zoom().isVisible());
        const RegisterZoom z(*s.w);
        QCOMPARE(marked(z), QStringList());
        for (int k = 0; k < RegisterZoom::kRegisters; ++k) {
            QCOMPARE(z.EM_Zoom_Helb(k).text(), QStringLiteral("R%1:").arg(k));
            QCOMPARE(z.EM_Zoom_Helb(k).isEnabled(), k != 0);
            QCOMPARE(z.EM_Zoom_Dat(k).isEnabled(), k != 0);
            const ZoomCell* cells[] = {&z.EM_Zoom_Helb(k), &z.EM_Zoom_Dat(k), &z.EM_Zoom_Qi(k), &z.EM_Zoom_Qj(k),
                                       &z.EM_Zoom_LD(k)};
            for (const ZoomCell* c : cells) {
                QVERIFY(c->isReadOnly() && !(c->focusPolicy() & Qt::TabFocus));
                QVERIFY(QFontInfo(c->font()).fixedPitch() && c->font().bold());
                // 12 and 9.75 points at 15 twips a pixel.
                QCOMPARE(c->font().pixelSize(), c == cells[0] || c == cells[1] ? 16 : 13);
            }
            QCOMPARE(z.EM_Zoom_Qi(k).text() + z.EM_Zoom_Qj(k).text() + z.EM_Zoom_LD(k).text(), QStringLiteral("QiQjRh"));
        }
        QCOMPARE(z.EM_Zoom_Dat(0).palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
        QCOMPARE(z.EM_Zoom_Dat(0).palette().color(QPalette::Disabled, QPalette::Base), QColor(Qt::white));
    }

    void headingsInBothLanguages()
    {
        for (bool spanish : {false, true}) {
            Sim s(spanish);
            s.el("EM_G").click();
            const RegisterZoom& z = s.w->EM_Zoom();
            const QStringList shown{z.Label4().text(), z.Label1().text(), z.Label2().text()};
            const QStringList expected = spanish ? QStringList{"REGISTRO", "DATOS (16 BITS)", "SALIDAS"}
                                                 : QStringList{"ERREGISTROA", "DATUA (16 BITAK)", "IRTEERAK"};
            QCOMPARE(shown, expected);
        }
    }

    // The window opened during a run follows it: during each ADD its marks are
    // those of the instruction, its contents always the register set's. The end
    // refreshes it on the emptied register set.
    void followsAWholeRun_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::newRow("eu") << false;
        QTest::newRow("es") << true;
    }

    void followsAWholeRun()
    {
        QFETCH(bool, spanish);
        Sim s(spanish);
        static const QRegularExpression add(QStringLiteral("^ADD r(\\d+),r(\\d+),r(\\d+)$"));
        const RunState& rs = s.w->control().rs;
        const RegisterZoom& z = s.w->EM_Zoom();  // loaded by the start-up refresh
        int addEdges = 0;
        int16_t lastState = -1;
        auto atTick = [&](int) {
            QVERIFY(zoomContentsMatchTheRegisters(z));
            const bool newState = rs.Egoera_Zenbakia != lastState;
            lastState = rs.Egoera_Zenbakia;
            const auto match = add.match(rs.IR1_Agindua + QLatin1Char(',') + rs.IR2_Agindua);
            if (!newState || rs.Egoera_Zenbakia < 6 || rs.Egoera_Zenbakia > 8 || !match.hasMatch())
                return;
            ++addEdges;
            const int d = match.captured(1).toInt(), i = match.captured(2).toInt(), j = match.captured(3).toInt();
            QCOMPARE(d, i);
            QStringList expected{QStringLiteral("R%1 red QB - -").arg(j), QStringLiteral("R%1 green QA m -").arg(i)};
            if (j > i)
                expected.swapItemsAt(0, 1);
            QCOMPARE(marked(z), inLanguage(expected, spanish));
        };
        auto atEnd = [&] {
            QVERIFY(zoomContentsMatchTheRegisters(z));
            QCOMPARE(z.EM_Zoom_Dat(4).text(), QStringLiteral("0000000000000000"));
            QCOMPARE(marked(z), inLanguage({QStringLiteral("R0 green QA QB m")}, spanish));
        };
        runWithZoomOpen(s, {2, [&]() -> QWidget& { s.el("EM_G").click(); return s.w->EM_Zoom(); }, atTick, atEnd});
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(addEdges, 3 * 2 * 3);  // three loops of two ADDs of three states each
    }

    // Not a check: what one refresh costs with the window shown (RIRI_BENCH=1).
    void benchmarkRefresh()
    {
        if (qEnvironmentVariableIsEmpty("RIRI_BENCH"))
            QSKIP("set RIRI_BENCH=1 to time the refresh");
        Sim s;
        s.el("EM_G").click();
        RegisterZoom& z = s.w->EM_Zoom();
        QElapsedTimer t;
        t.start();
        constexpr int kRounds = 1000;
        for (int n = 0; n < kRounds; ++n) {
            addresses(s, n % 32, (n + 1) % 32, n % 3 ? n % 32 : (n + 5) % 32);
            EM().Erreg_M_Dat_Egitura_Aldatu(Hamartarretik_Bitarrera(n), int16_t(n % 32));
            z.EM_Eguneratu();
        }
        const qint64 moving = t.nsecsElapsed();
        t.restart();
        for (int n = 0; n < kRounds; ++n)
            z.EM_Eguneratu();
        const qint64 still = t.nsecsElapsed();
        t.restart();
        z.grab();
        qInfo("refresh, shown: %.1f us with marks and a register moving, %.1f us unchanged; one repaint %.2f ms",
              moving / 1e3 / kRounds, still / 1e3 / kRounds, t.nsecsElapsed() / 1e6);
    }

    // Not a check: the window as a user sees it, as PNGs (RIRI_LOOK=<folder>).
    void renderForTheEye()
    {
        if (pictureFolder().isEmpty())
            QSKIP("set RIRI_LOOK to a folder to render the window");
        for (bool spanish : {false, true}) {
            Sim s(spanish);
            fillRegisters();
            const struct {
                const char* name;
                int i, j, d;
            } cases[] = {{"zeros", 0, 0, 0}, {"add_r4_r4_r1", 4, 1, 4}, {"three", 2, 3, 5}, {"same_read", 7, 7, 9}};
            for (const auto& c : cases) {
                addresses(s, c.i, c.j, c.d);
                s.el("EM_G").click();
                savePicture(s.w->EM_Zoom(), QStringLiteral("register_zoom_%1_%2")
                                                .arg(QLatin1String(spanish ? "es" : "eu"), QLatin1String(c.name)));
            }
        }
    }
};

QTEST_MAIN(TestRegisterZoom)
#include "tst_register_zoom.moc"
