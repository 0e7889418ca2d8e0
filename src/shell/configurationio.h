#pragma once

#include "platform/configstore.h"
#include "shell/shellconfiguration.h"

#include <optional>

// Section names of the configuration store.
namespace ConfigSection {
inline const QString Settings = QStringLiteral("Settings");
inline const QString SaveOptions = QStringLiteral("Save Options");
inline const QString PhoneList = QStringLiteral("Phone List");
inline const QString Font = QStringLiteral("Font");
inline const QString Ports = QStringLiteral("Ports");
inline const QString Options = QStringLiteral("Options");
} // namespace ConfigSection

// Reads every value in the order the program has always read them. A missing value, text that
// is no number, or a number outside what the program can use gives the default.
ShellConfiguration readConfiguration(const ConfigStore& store);
// Writes every value in the order the program has always written them at close.
void writeConfiguration(ConfigStore& store, const ShellConfiguration& configuration);

WindowOptions readWindowOptions(const ConfigStore& store);
void writeWindowOptions(ConfigStore& store, const WindowOptions& options);

// Signed decimal text, blanks around it allowed; nothing for anything else.
std::optional<int> storedInteger(const std::optional<QString>& text);
