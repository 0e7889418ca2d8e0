#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Trace lines of the debug mode: what went out and came in on the link, byte by byte.
QString traceTimestamp(const QDateTime& time);
// "0x" and two upper-case hex digits and a space for each byte; the trailing space is kept.
QString hexDump(const QByteArray& bytes);
QString sentTraceLine(const QDateTime& time, int port, const QByteArray& bytes);
QString receivedTraceLine(quint8 byte);
QString readAddressTraceLine(int readNum, int address);
