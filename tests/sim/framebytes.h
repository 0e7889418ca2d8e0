#pragma once

#include "sim/frame.h"

#include <QByteArray>
#include <QMetaType>
#include <QtTest>

// Frames built the way a client puts them on the wire, written out here rather than taken from
// the simulator so that a layout mistake on either side shows.
inline QByteArray plainFrame(int command, int address, int data) {
    QByteArray frame;
    frame.append(char(command)).append(char(address)).append(char(data));
    return frame.append(char(command ^ 0xFF));
}

inline QByteArray siteFrame(int site, int command, int address, int data) {
    QByteArray frame;
    frame.append(char(site)).append(char(command)).append(char(address)).append(char(data));
    return frame.append(char((site + command + address + data) & 0xFF));
}

inline QByteArray bytes(std::initializer_list<int> values) {
    QByteArray result;
    for (const int value : values)
        result.append(char(value));
    return result;
}

namespace sim {
inline char* toString(const Frame& frame) {
    return QTest::toString(QStringLiteral("{%1 %2 %3 site %4}")
                               .arg(frame.command)
                               .arg(frame.address)
                               .arg(frame.data)
                               .arg(frame.site));
}
} // namespace sim

Q_DECLARE_METATYPE(sim::Frame)
