#pragma once

#include <QString>
#include <array>

// The font dialog offers sizes 8 to 14, so no other size is ever chosen.
constexpr int FontDialogSmallestSize = 8;
constexpr int FontDialogLargestSize = 14;

// Font face and size per language (English, French, Chinese, German). Windows take their face,
// and where they set one their size, from the element of the current language.
struct LanguageFonts {
    std::array<QString, 4> LangFontName{QStringLiteral("Arial"), QStringLiteral("Arial"),
                                        QStringLiteral("UWPSTJ (GB)"), QStringLiteral("Arial")};
    std::array<int, 4> LangFontSize{10, 10, 12, 10};

    QString name(int language) const { return LangFontName[index(language)]; }
    int size(int language) const { return LangFontSize[index(language)]; }

private:
    static std::size_t index(int language) {
        return static_cast<std::size_t>(language >= 0 && language < 4 ? language : 0);
    }
};
