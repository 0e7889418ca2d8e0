#pragma once

#include "platform/configstore.h"

// Where the store lives, from the user's root, and where an older version of the program kept
// it: one key whose name holds a slash.
inline const QString ConfigBaseKey = QStringLiteral("Software\\Quellon\\TARVIK");
inline const QString OldConfigKey = QStringLiteral("software/tarvik");

// Copies the sections of the old key to the new one, once: only while the new key is missing.
// The old key stays; values directly in it are not carried over.
void MigrateOldSettings(ConfigKeyTree& tree);
