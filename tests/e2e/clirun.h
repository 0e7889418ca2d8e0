#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTest>

// Runs tarvik-cli as a user would, while the test's event loop keeps serving the simulator.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    qint64 elapsedMs = 0;

    QJsonObject json() const;
};

// A tenths value as tarvik-cli prints it: 127 is 12.7.
inline QString tenths(int value) {
    return QStringLiteral("%1.%2").arg(value / 10).arg(value % 10);
}

CliRun runCli(const QStringList& arguments, int timeoutMs = 60000);

// "read <what> --json" on a device at a baud rate, with site frames when site is 0..240.
CliRun readJson(const QString& device, const QString& baud, int site, const QString& what,
                int timeoutMs = 60000);
