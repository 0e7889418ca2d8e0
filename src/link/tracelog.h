#pragma once

#include <QObject>
#include <QString>

// Collects the trace lines of debug mode; the debug window and the command line's --debug
// show them.
class TraceLog : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void append(const QString& line) { emit lineAdded(line); }

signals:
    void lineAdded(const QString& line);
};
