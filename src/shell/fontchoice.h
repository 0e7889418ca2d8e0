#pragma once

#include "common/languagefonts.h"

#include <QString>

// A confirmed font choice changes only the given language's face and size.
void storeChosenFont(LanguageFonts& fonts, int languageIndex, const QString& face, int pointSize);
