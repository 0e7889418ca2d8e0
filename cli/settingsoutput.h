#pragma once

#include "readcommands.h"

// The settings pages as tarvik-cli prints them: name, value and unit as the settings window
// shows them in English.
QByteArray printSettings(const ReadResult& result, OutputFormat format);
// The read sequences of the five pages, in page order.
std::vector<int> settingsReadTypes();
