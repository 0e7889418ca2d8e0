#include "platform/qt/qtticktimer.h"

QtTickTimer::QtTickTimer() {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TickTimer::fired);
}
