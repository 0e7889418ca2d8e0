#pragma once

#include "readcommands.h"

// The gains and offsets of the eight measuring channels as tarvik-cli prints them.
QByteArray printCalibration(const ReadResult& result, OutputFormat format);
