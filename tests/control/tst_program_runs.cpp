// Whole runs of the demonstration program, driven as a user does on the virtual
// clock: load A and B, start, run in a mode at a speed level, read A*B from the
// result window; and Finish at any moment of a run, followed by a clean rerun.
#include "driving.h"

#include "model/funtzioak.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtTest>

using namespace driving;

namespace {

QString binary(int n) { return QString::fromStdString(Hamartarretik_Bitarrera(n)); }

}  // namespace

class TestProgramRuns : public QObject {
    Q_OBJECT
private slots:
    void productReachesTheResultWindow_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("level");
        const int operands[][2] = {{5, 3}, {0, 7}, {7, 0}, {1, 1}, {181, 181}, {32767, 1}};
        const char* modes[] = {"continuous", "one cycle", "one instruction"};
        for (const auto& ab : operands)
            for (int m = 0; m < 3; ++m)
                for (int level : {0, 10})
                    QTest::addRow("%dx%d %s level %d", ab[0], ab[1], modes[m], level)
                        << ab[0] << ab[1] << (4 + m) << level;
    }

    void productReachesTheResultWindow()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, entry);
        QFETCH(int, level);
        Sim s;
        QVERIFY(loadAndStart(s, QString::number(a), QString::number(b)));
        setLevel(s, level);
        QVERIFY(runToResult(s, entry));

        ResultWindow& result = *s.w->existingResult();
        QCOMPARE(result.Bitar(0)->text(), binary(a));
        QCOMPARE(result.Bitar(1)->text(), binary(b));
        QCOMPARE(result.Bitar(2)->text(), binary(a * b));
        QCOMPARE(result.Hamartar(2)->text(), QString::number(a * b));
        QCOMPARE(result.windowTitle(), QStringLiteral("Emaitza"));

        // The run has ended: clock stopped, step 0, the datapath at rest behind a
        // disabled main window, and the idle commands once the result is closed.
        QVERIFY(!s.w->isEnabled());
        QCOMPARE(s.clock().armedCount(), 0);
        QCOMPARE(G().Agindu_Urratsa, int16_t(0));
        QCOMPARE(s.el("Clk_T").text(), QStringLiteral("0"));
        QCOMPARE(s.el("PC_DAT_G").text(), QStringLiteral("0100000000000000"));
        closeResult(s);
        QVERIFY(s.w->isEnabled());
        QVERIFY(s.el("ga", 0).isUsable());
        for (int i = 1; i <= 6; ++i)
            QVERIFY(!s.el("ga", i).isUsable());
        for (int i = 4; i <= 6; ++i)
            QVERIFY(released(s, i));
    }

    void spanishRunShowsTheSpanishResult()
    {
        Sim s(true);
        QVERIFY(loadAndStart(s, QStringLiteral("6"), QStringLiteral("2")));
        setLevel(s, 10);
        QVERIFY(runToResult(s, 4));
        QCOMPARE(s.w->existingResult()->windowTitle(), QStringLiteral("Resultado"));
        QCOMPARE(s.w->existingResult()->Hamartar(2)->text(), QStringLiteral("12"));
    }

    void secondRunAfterTheEndGivesItsOwnProduct()
    {
        Sim s;
        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        setLevel(s, 10);
        QVERIFY(runToResult(s, 4));
        closeResult(s);
        QVERIFY(loadAndStart(s, QStringLiteral("4"), QStringLiteral("6")));
        setLevel(s, 10);
        QVERIFY(runToResult(s, 6));
        QCOMPARE(s.w->existingResult()->Hamartar(2)->text(), QStringLiteral("24"));
    }

    // Finish after every tick of a run with one loop iteration, from the loop's
    // first BEQ through the read of the end address to the ending fetch1; the
    // next load and start run a different product cleanly from 4000H.
    void finishAtAnyTickThenRunAgain()
    {
        const int tickMs = 301;  // level 10
        const int loopStart = 4 * 4 * 12;  // after the four LD instructions
        Sim s;
        QVERIFY(loadAndStart(s, QStringLiteral("3"), QStringLiteral("1")));
        setLevel(s, 10);
        const qint64 t0 = s.clock().now();
        QVERIFY(runToResult(s, 4));
        const int total = int((s.clock().now() - t0) / tickMs);
        closeResult(s);
        QVERIFY(total > loopStart + 24 * 12);  // BEQ not taken, two ADDs, BEQ taken, ...

        for (int n = loopStart; n < total; ++n) {
            QVERIFY(loadAndStart(s, QStringLiteral("3"), QStringLiteral("1")));
            setLevel(s, 10);
            s.el("ga", 4).click();
            s.clock().advance(qint64(n) * tickMs);
            QVERIFY2(!resultShown(s), qPrintable(QStringLiteral("ended before tick %1").arg(n)));
            s.el("ga", 3).click();
            QCOMPARE(s.clock().armedCount(), 0);

            QVERIFY(loadAndStart(s, QStringLiteral("2"), QStringLiteral("1")));
            s.el("ga", 4).click();
            // The first edge is the first fetch, from 4000H, on an empty panel.
            QVERIFY(s.clock().advanceUntil([&] { return G().Agindu_Urratsa == 1; }, 10000));
            QCOMPARE(s.el("ASM_oraingo_egoera_G").text(), QStringLiteral("fetch1"));
            QCOMPARE(s.el("ASM_aurreko_egoera_G").text(), QString());
            QCOMPARE(s.el("Bus_mux_MN_Gezia").tip(), QStringLiteral("0100000000000000"));
            setLevel(s, 10);
            // One instruction at a time: every stop would reveal a stale end-of-program flag.
            QVERIFY(runToResult(s, 6));
            QVERIFY2(s.w->existingResult()->Hamartar(2)->text() == QStringLiteral("2"),
                     qPrintable(QStringLiteral("finish after tick %1").arg(n)));
            closeResult(s);
        }
    }

    // Not a check: wall time of long runs on the virtual clock (RIRI_BENCH=1).
    void benchmarkLongRuns()
    {
        if (qEnvironmentVariableIsEmpty("RIRI_BENCH"))
            QSKIP("set RIRI_BENCH=1 to time the long runs");
        const int operands[][2] = {{181, 181}, {1, 32767}};
        for (const auto& ab : operands) {
            Sim s;
            QVERIFY(loadAndStart(s, QString::number(ab[0]), QString::number(ab[1])));
            const qint64 t0 = s.clock().now();
            QElapsedTimer wall;
            wall.start();
            QVERIFY(runToResult(s, 4));
            const qint64 simulated = s.clock().now() - t0;
            QCOMPARE(s.w->existingResult()->Hamartar(2)->text(), QString::number(ab[0] * ab[1]));
            qInfo("%d x %d at level 0: %lld ms wall, %lld ms simulated (%.1f hours)", ab[0], ab[1],
                  wall.elapsed(), simulated, simulated / 3.6e6);
        }
    }
};

QTEST_MAIN(TestProgramRuns)
#include "tst_program_runs.moc"
