// The timer seam and the virtual clock that lets whole runs happen in simulated time.
#include "virtual_clock.h"

#include <QtTest>

class TestTimers : public QObject {
    Q_OBJECT
private slots:
    void ticksEveryIntervalOnceEnabled()
    {
        VirtualClock clock;
        Timer t(clock, "t", 100);
        QVector<qint64> at;
        t.setHandler([&] { at << clock.now(); });
        clock.advance(500);
        QVERIFY(at.isEmpty());  // disabled timers never tick
        t.setEnabled(true);
        clock.advance(350);
        QCOMPARE(at, (QVector<qint64>{600, 700, 800}));
        QCOMPARE(clock.now(), qint64(850));
    }

    void retimingAnEnabledTimerRestartsItsCount()
    {
        VirtualClock clock;
        Timer t(clock, "t", 100);
        QVector<qint64> at;
        t.setHandler([&] { at << clock.now(); });
        t.setEnabled(true);
        clock.advance(80);
        t.setInterval(100);  // same interval: the count still restarts from now
        clock.advance(150);
        QCOMPARE(at, (QVector<qint64>{180}));
        t.setEnabled(true);  // enabling an enabled timer does not restart it
        clock.advance(100);
        QCOMPARE(at, (QVector<qint64>{180, 280}));
        t.setInterval(0);  // an interval of zero never ticks
        clock.advance(1000);
        QCOMPARE(at.size(), 2);
    }

    void tiesFireInCreationOrder()
    {
        VirtualClock clock;
        QStringList order;
        Timer a(clock, "a", 300), b(clock, "b", 100);
        a.setHandler([&] { order << "a"; });
        b.setHandler([&] { order << "b"; });
        b.setEnabled(true);
        a.setEnabled(true);
        clock.advance(300);
        QCOMPARE(order, (QStringList{"b", "b", "a", "b"}));
    }

    void handlersMayStopStartAndRetimeTimers()
    {
        VirtualClock clock;
        Timer clockTimer(clock, "clock", 100), anim(clock, "anim", 30);
        QStringList log;
        int animTicks = 0;
        anim.setHandler([&] {
            log << QString("anim@%1").arg(clock.now());
            if (++animTicks == 3)
                anim.setEnabled(false);  // switches itself off in its last tick
        });
        int clockTicks = 0;
        clockTimer.setHandler([&] {
            log << QString("clock@%1").arg(clock.now());
            ++clockTicks;
            if (clockTicks == 1)
                anim.setEnabled(true);  // starts another timer from now
            if (clockTicks == 2)
                clockTimer.setInterval(50);  // re-times itself: the next tick is 50 ms later
            if (clockTicks == 4)
                clockTimer.setEnabled(false);
        });
        clockTimer.setEnabled(true);
        clock.advance(1000);
        QCOMPARE(log, (QStringList{"clock@100", "anim@130", "anim@160", "anim@190", "clock@200", "clock@250",
                                   "clock@300"}));
        QCOMPARE(clock.armedCount(), 0);
    }

    void reenablingInsideItsOwnHandlerCountsFromThatTick()
    {
        VirtualClock clock;
        Timer t(clock, "t", 100);
        QVector<qint64> at;
        t.setHandler([&] {
            at << clock.now();
            t.setEnabled(false);
            t.setEnabled(true);
        });
        t.setEnabled(true);
        clock.advance(300);
        QCOMPARE(at, (QVector<qint64>{100, 200, 300}));
    }

    void advanceUntilStopsAtTheCondition()
    {
        VirtualClock clock;
        Timer t(clock, "t", 10);
        int n = 0;
        t.setHandler([&] { ++n; });
        t.setEnabled(true);
        QVERIFY(clock.advanceUntil([&] { return n == 5; }, 1000));
        QCOMPARE(clock.now(), qint64(50));
        QVERIFY(!clock.advanceUntil([&] { return n == 1000; }, 100));  // gives up at the limit
        QCOMPARE(n, 15);
    }

    void destroyedTimerIsForgotten()
    {
        VirtualClock clock;
        {
            Timer t(clock, "t", 10);
            t.setEnabled(true);
            QCOMPARE(clock.armedCount(), 1);
        }
        QCOMPARE(clock.armedCount(), 0);
        clock.advance(100);  // nothing left to fire, nothing dangling
    }
};

QTEST_APPLESS_MAIN(TestTimers)
#include "tst_timers.moc"
