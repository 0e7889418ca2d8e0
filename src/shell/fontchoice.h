#pragma once

#include "common/languagefonts.h"

#include <QString>

// The font dialog offers sizes 8 to 14.
constexpr int FontDialogSmallestSize = 8;
constexpr int FontDialogLargestSize = 14;

// A confirmed font choice changes only the given language's face and size.
void storeChosenFont(LanguageFonts& fonts, int languageIndex, const QString& face, int pointSize);
