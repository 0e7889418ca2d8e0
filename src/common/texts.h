#pragma once

#include <QString>
#include <array>

// Every user-visible text is a row of four strings: English, French, Chinese, German.
// A missing translation is an empty string and is shown as such.
using TextRow = std::array<const char*, 4>;

constexpr int LanguageCount = 4;

inline QString text(const TextRow& row, int languageIndex) {
    if (languageIndex < 0 || languageIndex >= LanguageCount)
        languageIndex = 0;
    return QString::fromUtf8(row[static_cast<size_t>(languageIndex)]);
}
