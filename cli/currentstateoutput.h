#pragma once

#include "readcommands.h"

// The current state (and, with the status table, the status read) as tarvik-cli prints it.
QByteArray printCurrentState(const ReadResult& result, OutputFormat format, bool withStatus);
