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

CliRun runCli(const QStringList& arguments, int timeoutMs = 60000);
