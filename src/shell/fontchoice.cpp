#include "shell/fontchoice.h"

#include <algorithm>

void storeChosenFont(LanguageFonts& fonts, int languageIndex, const QString& face, int pointSize) {
    if (languageIndex < 0 || languageIndex >= 4 || face.trimmed().isEmpty())
        return;
    const auto index = static_cast<size_t>(languageIndex);
    fonts.LangFontName[index] = face;
    fonts.LangFontSize[index] =
        std::clamp(pointSize, FontDialogSmallestSize, FontDialogLargestSize);
}
