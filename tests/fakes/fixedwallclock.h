#pragma once

#include "platform/wallclock.h"

class FixedWallClock : public WallClock {
public:
    QDateTime time{QDate(2024, 3, 5), QTime(14, 7, 9)};
    QDateTime now() const override { return time; }
};
