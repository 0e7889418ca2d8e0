#include "clirun.h"

#include <QElapsedTimer>
#include <QJsonDocument>

QJsonObject CliRun::json() const {
    return QJsonDocument::fromJson(out).object();
}

CliRun runCli(const QStringList& arguments, int timeoutMs) {
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(TARVIK_CLI_PATH), arguments);
    CliRun run;
    // Wait while the event loop runs: the simulator lives in this process.
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.err = "tarvik-cli did not finish in time";
        return run;
    }
    run.elapsedMs = timer.elapsed();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}
