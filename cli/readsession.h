#pragma once

#include "readrunner.h"

#include <functional>
#include <vector>

// What to do once the reads have ended, given whether they all completed and, if not, why; it
// returns the program's exit code.
using ReadEnd = std::function<int(const ReadRunner& runner, bool complete, const QString& reason)>;

// Runs the read sequences with a progress line, then ends the program with the code of `end`.
int runReads(ControllerLink& link, std::vector<int> readTypes, const ReadEnd& end);
