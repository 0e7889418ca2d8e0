#pragma once

#include "settings/settingsfile.h"

#include <QString>

// What went wrong with a settings file, in the user's language: what could not be done, the
// file, and why. Empty when nothing went wrong.
QString settingsFileMessage(const SettingsFileOutcome& outcome, const QString& path, int language);
