#pragma once

#include <QDateTime>

// The local date and time, behind an interface so traces and logs can be tested.
class WallClock {
public:
    virtual ~WallClock() = default;
    virtual QDateTime now() const = 0;
};

class SystemWallClock : public WallClock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
