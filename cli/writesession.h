#pragma once

#include "readcommands.h"

#include "link/controllerlink.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

// What the write commands share: how a change is reported, the read-back's verdict and exit
// code, and the session that reads, writes and waits for the read-back.
namespace WriteExit {
constexpr int Done = 0, Failed = 1, Refused = 2;
}

// One change as it is reported.
struct WrittenRow {
    int number = 0;
    QString name, old, now, unit;
};

// "verified", "differs at EEPROM 14", ...
QString verdictText(const WriteCheck& check);
// The changes with the verdict: a line each, or {"writes":[...]}.
QByteArray printWrites(const std::vector<WrittenRow>& rows, const WriteCheck& check,
                       OutputFormat format);
// The exit code of a write's read-back; a failure says on standard error what went wrong.
int checkExit(const WriteCheck& check);
// Why a write did not start, for standard error.
QString writeStartText(WriteStart start);

// Reads, then starts one write, then waits for its read-back. `startWrite` sends the write, or
// answers the exit code when it cannot; `finish` turns the read-back into the exit code.
int runWriteSession(ControllerLink& link, std::vector<int> readTypes,
                    const std::function<std::optional<int>()>& startWrite,
                    const std::function<int(const WriteCheck&)>& finish);
