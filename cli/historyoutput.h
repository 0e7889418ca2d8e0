#pragma once

#include "readcommands.h"

// The 30 days of history, today first, as tarvik-cli prints them.
QByteArray printHistory(const ReadResult& result, OutputFormat format);
