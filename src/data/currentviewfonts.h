#pragma once

// Font sizes of the current-state view: the language's size, at least 9 and, but for Chinese,
// at most 12; the wait text 14, 12 in French.
constexpr int currentViewFontSize(int languageSize, int languageIndex) {
    const int atLeast = languageSize < 9 ? 9 : languageSize;
    return languageIndex != 2 && atLeast > 12 ? 12 : atLeast;
}
constexpr int currentViewWaitFontSize(int languageIndex) {
    return languageIndex == 1 ? 12 : 14;
}
