#include "qt_timer_driver.h"

#include <QTimer>

QtTimerDriver::~QtTimerDriver() { qDeleteAll(timers_); }

void QtTimerDriver::arm(Timer& t)
{
    QTimer*& q = timers_[&t];
    if (!q) {
        q = new QTimer;
        q->setTimerType(Qt::PreciseTimer);
        Timer* target = &t;
        QObject::connect(q, &QTimer::timeout, [target] { target->fire(); });
    }
    q->start(t.interval());
}

void QtTimerDriver::disarm(Timer& t)
{
    if (QTimer* q = timers_.take(&t)) {
        q->stop();
        q->deleteLater();
    }
}
