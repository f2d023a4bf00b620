// The register-set zoom: the marks and colours of every combination of the two
// read registers and the destination, in both languages; its design look; its
// opening, closing and reloading; and a whole run watched through it.
#include "../control/driving.h"

#include "model/funtzioak.h"
#include "windows/register_zoom.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
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

// The register-set zoom that exists now, without creating one.
RegisterZoom* existingZoom()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* z = qobject_cast<RegisterZoom*>(w))
            return z;
    return nullptr;
}

void unloadNow() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }


const char* const kOpeners[] = {"EM_G",     "EM_etik_G", "EM_HELBa_G", "EM_HELBb_G", "EM_HELBc_G",
                                "EM_Qi_G",  "EM_Qj_G",   "EM_DATin_G", "EM_LD_G",    "EM_CLK_G"};

}  // namespace

class TestRegisterZoom : public QObject {
    Q_OBJECT
private slots:
    void marksFollowTheReadAndWrittenRegisters_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("j");
        QTest::addColumn<int>("d");
        QTest::addColumn<QStringList>("rows");  // "m" stands for the destination mark
        const struct {
            const char* name;
            int i, j, d;
            QStringList rows;
        } cases[] = {
            {"all three 0", 0, 0, 0, {"R0 green QA QB m"}},
            {"ADD r4,r4,r1", 4, 1, 4, {"R1 red QB - -", "R4 green QA m -"}},
            {"three different", 2, 3, 5, {"R2 red QA - -", "R3 red QB - -", "R5 green m - -"}},
            {"destination is j", 2, 3, 3, {"R2 red QA - -", "R3 green QB m -"}},
            {"LD r1,A: i = j, d apart", 0, 0, 1, {"R0 red QA QB -", "R1 green m - -"}},
            {"i = j = d, last register", 31, 31, 31, {"R31 green QA QB m"}},
            {"j above i, d below", 30, 31, 0, {"R0 green m - -", "R30 red QA - -", "R31 red QB - -"}},
        };
        for (bool spanish : {false, true})
            for (const auto& c : cases)
                QTest::addRow("%s %s", spanish ? "es" : "eu", c.name)
                    << spanish << c.i << c.j << c.d << inLanguage(c.rows, spanish);
    }

    void marksFollowTheReadAndWrittenRegisters()
    {
        QFETCH(bool, spanish);
        QFETCH(int, i);
        QFETCH(int, j);
        QFETCH(int, d);
        QFETCH(QStringList, rows);
        Sim s(spanish);
        for (int r = 1; r < RegisterZoom::kRegisters; ++r)
            EM().Erreg_M_Dat_Egitura_Aldatu(Hamartarretik_Bitarrera(r * 1031), int16_t(r));
        addresses(s, i, j, d);
        s.w->registerZoomRefresh();
        const RegisterZoom& z = s.w->EM_Zoom();
        QCOMPARE(marked(z), rows);
        QVERIFY(zoomContentsMatchTheRegisters(z));
        QVERIFY(!z.isVisible());
    }

    void rowsThatLoseTheirMarksTurnPlain_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<QList<int>>("before");  // i, j, d
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<QStringList>("rows");
        const struct {
            const char* name;
            QList<int> before, after;
            QStringList rows;
        } cases[] = {
            {"all on R0, then ADD", {0, 0, 0}, {4, 1, 4}, {"R1 red QB - -", "R4 green QA m -"}},
            {"ADD, then all on R0", {4, 1, 4}, {0, 0, 0}, {"R0 green QA QB m"}},
            {"i = j, then i and j apart", {7, 7, 7}, {7, 8, 9}, {"R7 red QA - -", "R8 red QB - -", "R9 green m - -"}},
            {"destination leaves the register read twice", {7, 7, 7}, {7, 7, 9}, {"R7 red QA QB -", "R9 green m - -"}},
            {"destination moves onto j", {2, 3, 5}, {2, 3, 3}, {"R2 red QA - -", "R3 green QB m -"}},
            {"everything moves", {2, 3, 5}, {10, 11, 12}, {"R10 red QA - -", "R11 red QB - -", "R12 green m - -"}},
        };
        for (bool spanish : {false, true})
            for (const auto& c : cases)
                QTest::addRow("%s %s", spanish ? "es" : "eu", c.name)
                    << spanish << c.before << c.after << inLanguage(c.rows, spanish);
    }

    void rowsThatLoseTheirMarksTurnPlain()
    {
        QFETCH(bool, spanish);
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, after);
        QFETCH(QStringList, rows);
        Sim s(spanish);
        RegisterZoom& z = s.w->EM_Zoom();
        addresses(s, before[0], before[1], before[2]);
        z.EM_Eguneratu();
        addresses(s, after[0], after[1], after[2]);
        z.EM_Eguneratu();
        QCOMPARE(marked(z), rows);
    }

    // A window as it loads, before any refresh: names, fonts, R0 disabled yet black
    // on white, marks hidden with their design texts.
    void designLook()
    {
        Sim s;
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
                QCOMPARE(c->font().pointSizeF(), c == cells[0] || c == cells[1] ? 12.0 : 9.75);
            }
            QCOMPARE(z.EM_Zoom_Qi(k).text() + z.EM_Zoom_Qj(k).text() + z.EM_Zoom_LD(k).text(), QStringLiteral("QiQjRh"));
        }
        QCOMPARE(z.EM_Zoom_Dat(0).palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
        QCOMPARE(z.EM_Zoom_Dat(0).palette().color(QPalette::Disabled, QPalette::Base), QColor(Qt::white));
    }

    void everyElementOfTheBlockOpensIt_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<QString>("element");
        for (bool spanish : {false, true})
            for (const char* e : kOpeners)
                QTest::addRow("%s %s", spanish ? "es" : "eu", e) << spanish << QString::fromLatin1(e);
    }

    void everyElementOfTheBlockOpensIt()
    {
        QFETCH(bool, spanish);
        QFETCH(QString, element);
        Sim s(spanish);
        s.el(element).click();
        RegisterZoom& z = s.w->EM_Zoom();
        QVERIFY(z.isVisible());
        QVERIFY(!z.isModal());
        QVERIFY(!s.w->isEnabled());
        QCOMPARE(z.windowTitle(), spanish ? QStringLiteral("CR_Zoom") : QStringLiteral("EM_Zoom"));
        QCOMPARE(z.Label4().text(), spanish ? QStringLiteral("REGISTRO") : QStringLiteral("ERREGISTROA"));
        QCOMPARE(z.Label1().text(), spanish ? QStringLiteral("DATOS (16 BITS)") : QStringLiteral("DATUA (16 BITAK)"));
        QCOMPARE(z.Label2().text(), spanish ? QStringLiteral("SALIDAS") : QStringLiteral("IRTEERAK"));
        QCOMPARE(marked(z), inLanguage({QStringLiteral("R0 green QA QB m")}, spanish));
        QTest::keyClick(&z, Qt::Key_Escape);
        QVERIFY(s.w->isEnabled());
    }

    // Closing unloads the window; the next refresh loads it again, hidden, with its
    // design texts, which the next opening makes Spanish again. Finish only hides it.
    void closeUnloadsAndTheNextUseStartsFromTheDesign()
    {
        unloadNow();  // no window of an earlier test lingers
        Sim s(true);
        QPointer<RegisterZoom> first = existingZoom();
        QVERIFY(first);  // the start-up refresh loaded it
        QVERIFY(!first->isVisible());
        s.el("EM_G").click();
        QCOMPARE(first->windowTitle(), QStringLiteral("CR_Zoom"));
        first->close();
        unloadNow();
        QVERIFY(!first);
        QVERIFY(s.w->isEnabled());
        QCOMPARE(existingZoom(), nullptr);

        s.w->registerZoomRefresh();
        QPointer<RegisterZoom> second = existingZoom();
        QVERIFY(second);
        QVERIFY(!second->isVisible());
        QCOMPARE(second->windowTitle(), QStringLiteral("EM_Zoom"));
        QCOMPARE(second->Label1().text(), QStringLiteral("DATUA (16 BITAK)"));
        QCOMPARE(marked(*second), QStringList{QStringLiteral("R0 green QA QB Rd")});

        s.el("EM_Qi_G").click();
        QCOMPARE(second->windowTitle(), QStringLiteral("CR_Zoom"));
        QCOMPARE(second->Label2().text(), QStringLiteral("SALIDAS"));
        s.w->commands().Bukatu_Click();
        unloadNow();
        QVERIFY(second);
        QVERIFY(!second->isVisible());
        QCOMPARE(second->windowTitle(), QStringLiteral("CR_Zoom"));
        QVERIFY(!s.w->isEnabled());  // Finish leaves the main window as it was
    }

    // The window opened during a run follows it: during each ADD its marks are
    // those of the instruction, its contents always the register set's; the run
    // ends with the right product and the window hidden.
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
        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        s.el("ga", 4).click();
        QVERIFY(s.clock().advanceUntil([&] { return s.w->control().rs.Egoera_Zenbakia == 2; }, 100000));
        s.el("EM_G").click();
        RegisterZoom& z = s.w->EM_Zoom();
        QPointer<RegisterZoom> zoom = &z;
        QVERIFY(!s.w->isEnabled());

        static const QRegularExpression add(QStringLiteral("^ADD r(\\d+),r(\\d+),r(\\d+)$"));
        const QString m = spanish ? QStringLiteral("Rd") : QStringLiteral("Rh");
        int addEdges = 0;
        int16_t lastState = -1;
        bool followed = true;
        QVERIFY(s.clock().advanceUntil(
            [&] {
                if (resultShown(s))
                    return true;
                followed = followed && z.isVisible() && zoomContentsMatchTheRegisters(z);
                const RunState& rs = s.w->control().rs;
                if (rs.Egoera_Zenbakia == lastState)
                    return false;
                lastState = rs.Egoera_Zenbakia;
                const auto match = add.match(rs.IR1_Agindua + QLatin1Char(',') + rs.IR2_Agindua);
                if (rs.Egoera_Zenbakia < 6 || rs.Egoera_Zenbakia > 8 || !match.hasMatch())
                    return false;
                ++addEdges;
                const int d = match.captured(1).toInt(), i = match.captured(2).toInt(), j = match.captured(3).toInt();
                QStringList expected{QStringLiteral("R%1 red QB - -").arg(j), QStringLiteral("R%1 green QA %2 -").arg(i).arg(m)};
                if (j > i)
                    expected.swapItemsAt(0, 1);
                const QStringList shown = marked(z);
                if (d != i || shown != expected) {
                    qWarning() << "during" << match.captured(0) << "the window shows" << shown;
                    followed = false;
                }
                return false;
            },
            qint64(1) << 30));
        QVERIFY(followed);
        QCOMPARE(addEdges, 3 * 2 * 3);  // three loops of two ADDs of three states each

        QCOMPARE(s.w->existingResult()->Hamartar(2)->text(), QStringLiteral("15"));
        // Finish hid the window and refreshed it on the emptied register set.
        QVERIFY(zoom);
        QVERIFY(!zoom->isVisible());
        QVERIFY(zoomContentsMatchTheRegisters(z));
        QCOMPARE(z.EM_Zoom_Dat(4).text(), QStringLiteral("0000000000000000"));
        QCOMPARE(marked(z), inLanguage({QStringLiteral("R0 green QA QB m")}, spanish));
        QVERIFY(!s.w->isEnabled());
        s.w->existingResult()->close();
        unloadNow();
        QVERIFY(s.w->isEnabled());
        QVERIFY(s.el("ga", 0).isUsable());
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
        const QString dir = qEnvironmentVariable("RIRI_LOOK");
        if (dir.isEmpty())
            QSKIP("set RIRI_LOOK to a folder to render the window");
        for (bool spanish : {false, true}) {
            Sim s(spanish);
            for (int r = 0; r < 32; ++r)
                EM().Erreg_M_Dat_Egitura_Aldatu(Hamartarretik_Bitarrera(r * 1031), int16_t(r));
            const struct {
                const char* name;
                int i, j, d;
            } cases[] = {{"zeros", 0, 0, 0}, {"add_r4_r4_r1", 4, 1, 4}, {"three", 2, 3, 5}, {"same_read", 7, 7, 9}};
            for (const auto& c : cases) {
                addresses(s, c.i, c.j, c.d);
                s.el("EM_G").click();
                s.w->EM_Zoom().grab().save(
                    QStringLiteral("%1/register_zoom_%2_%3.png").arg(dir, QLatin1String(spanish ? "es" : "eu"), QLatin1String(c.name)));
            }
        }
    }
};

QTEST_MAIN(TestRegisterZoom)
#include "tst_register_zoom.moc"
