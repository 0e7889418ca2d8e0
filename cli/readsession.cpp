#include "readsession.h"

#include "terminal.h"

#include <QCoreApplication>

int runReads(ControllerLink& link, std::vector<int> readTypes, const ReadEnd& end) {
    ReadRunner runner(link, std::move(readTypes));
    QObject::connect(&runner, &ReadRunner::progress,
                     [](int done, int total) { showProgress(done, total); });
    QObject::connect(&runner, &ReadRunner::finished, [&](bool complete, const QString& reason) {
        QCoreApplication::exit(end(runner, complete, reason));
    });
    QMetaObject::invokeMethod(&runner, &ReadRunner::start, Qt::QueuedConnection);
    return QCoreApplication::exec();
}
