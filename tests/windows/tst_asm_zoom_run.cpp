// The ASM zoom window during runs of the demonstration program on the virtual
// clock: the green box follows the state, Finish and the end of the program
// leave it as designed, and a box left green by a finished run stays until the
// state after it runs again.
#include "../control/driving.h"
#include "asm_zoom_look.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace driving;

namespace {

QString currentState(Sim& s) { return s.el("ASM_oraingo_egoera_G").text(); }

// The zoom box of the state the panel shows as current.
QString currentBox(Sim& s)
{
    const QString state = currentState(s);
    return QStringLiteral("ASM_") + (state == QLatin1String("desc") ? QStringLiteral("desk") : state);
}

// Loads 5 and 3, starts, and runs continuously up to the first edge of `state`.
bool runFromStartUntil(Sim& s, const QString& state, bool openFirst = false)
{
    if (!loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")))
        return false;
    s.el("ga", 4).click();
    if (openFirst)
        s.el("ASM_G").click();
    while (nextEdge(s))
        if (currentState(s) == state)
            return true;
    return false;
}

}  // namespace

class TestAsmZoomRun : public QObject {
    Q_OBJECT
private slots:
    // Opened by a click in the second instruction, the window, never shown
    // before, already marks the state, then follows every tick. The end clears
    // every box and keeps the texts of the language.
    void wholeRunWithTheWindowOpen_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<QString>("opener");
        QTest::addColumn<int>("index");
        QTest::newRow("basque, mini chart") << false << "ASM_G" << -1;
        QTest::newRow("spanish, current signals") << true << "ASM_orain_ego_Seinaleak_G" << 1;
    }

    void wholeRunWithTheWindowOpen()
    {
        QFETCH(bool, spanish);
        QFETCH(QString, opener);
        QFETCH(int, index);
        Sim s(spanish);
        AsmZoom& z = s.w->ASM_Zoom();
        QStringList greenBefore;
        QString currentBefore, fetch1Text;
        int lastEdge = 0;
        auto open = [&]() -> QWidget& {
            greenBefore = greenBoxes(z);
            currentBefore = currentBox(s);
            s.el(opener, index).click();
            fetch1Text = boxText(z, "ASM_fetch1");
            return z;
        };
        auto atTick = [&](int edge) {
            lastEdge = edge;
            QCOMPARE(greenBoxes(z), QStringList{currentBox(s)});
        };
        auto atEnd = [&] {
            QCOMPARE(greenBoxes(z), QStringList());
            QCOMPARE(boxText(z, "ASM_fetch1"), fetch1Text);
        };
        runWithZoomOpen(s, {6, open, atTick, atEnd});
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(greenBefore, QStringList{currentBefore});
        QCOMPARE(fetch1Text.endsWith(QLatin1String("\r\n")), !spanish);
        QCOMPARE(lastEdge, 95);  // the 96th edge shows the result
    }

    // Finish leaves the boxes as they are; the next opening, at state 0, clears them.
    void finishThenOpeningClearsEveryBox_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("shown");
        QTest::newRow("at ld, window closed") << "ld" << false;
        QTest::newRow("at add2, window shown") << "add2" << true;
        QTest::newRow("at beq3, window shown") << "beq3" << true;
    }

    void finishThenOpeningClearsEveryBox()
    {
        QFETCH(QString, state);
        QFETCH(bool, shown);
        Sim s;
        QVERIFY(runFromStartUntil(s, state, shown));
        QPointer<AsmZoom> zoom = &s.w->ASM_Zoom();
        QCOMPARE(zoom->isVisible(), shown);
        s.el("ga", 3).click();
        QVERIFY(!zoom.isNull());
        QVERIFY(!zoom->isVisible());
        QCOMPARE(greenBoxes(*zoom), QStringList{QStringLiteral("ASM_") + state});
        s.el("ASM_G").click();
        QCOMPARE(&s.w->ASM_Zoom(), zoom.data());
        QVERIFY(zoom->isVisible());
        QCOMPARE(greenBoxes(*zoom), QStringList());
    }

    // Without an opening in between, a new run leaves the old box green until the
    // state that follows it in the chart clears it.
    void restartKeepsTheOldBoxUntilItsFollowerRuns_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("clearedBy");
        QTest::newRow("fetch2, by desk") << "fetch2" << "desk";
        QTest::newRow("ld, by the next fetch1") << "ld" << "fetch1";
        QTest::newRow("add2, by add3") << "add2" << "add3";
        QTest::newRow("beq1, by beq2") << "beq1" << "beq2";
        QTest::newRow("beq3, by the next fetch1") << "beq3" << "fetch1";
    }

    void restartKeepsTheOldBoxUntilItsFollowerRuns()
    {
        QFETCH(QString, left);
        QFETCH(QString, clearedBy);
        Sim s;
        QVERIFY(runFromStartUntil(s, left));
        s.el("ga", 3).click();

        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        s.el("ga", 4).click();
        const QString oldBox = QStringLiteral("ASM_") + left;
        bool cleared = false;
        // The first edge runs the first fetch, which clears no box.
        for (int edge = 1; !cleared; ++edge) {
            QVERIFY(nextEdge(s));
            QVERIFY(edge < 96);
            cleared = edge > 1 && currentState(s) == clearedBy;
            QStringList expected{currentBox(s)};
            if (!cleared && currentBox(s) != oldBox)
                expected << oldBox;
            QStringList green = greenBoxes(s.w->ASM_Zoom());
            std::sort(expected.begin(), expected.end());
            std::sort(green.begin(), green.end());
            QVERIFY2(green == expected, qPrintable(QStringLiteral("edge %1: %2").arg(edge).arg(green.join(' '))));
        }
    }

    // Not a check: what one refresh of the shown window costs (RIRI_BENCH=1).
    void benchmarkRefresh()
    {
        if (qEnvironmentVariableIsEmpty("RIRI_BENCH"))
            QSKIP("set RIRI_BENCH=1 to time the refresh");
        Sim s;
        s.w->openAsmZoom();
        AsmZoom& zoom = s.w->ASM_Zoom();
        QCoreApplication::processEvents();
        const QStringList& names = AsmZoom::boxNames();
        // What a state action does: clear the box before, light its own; then the
        // repaint, of the two boxes alone as Qt does it, or of the whole window.
        for (bool whole : {false, true}) {
            QElapsedTimer t;
            t.start();
            const int n = 1000;
            for (int i = 0; i < n; ++i) {
                zoom.setBox(names[i % 11], colour::Window);
                zoom.setBox(names[(i + 1) % 11], colour::Green);
                if (whole)
                    zoom.repaint();
                else
                    QCoreApplication::processEvents();
            }
            qInfo("one ASM zoom refresh, shown, %s: %.1f us", whole ? "whole window" : "two boxes",
                  t.nsecsElapsed() / 1000.0 / n);
        }
    }
};

QTEST_MAIN(TestAsmZoomRun)
#include "tst_asm_zoom_run.moc"
