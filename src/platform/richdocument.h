#pragma once

#include <QList>
#include <QString>
#include <algorithm>
#include <cstdint>

// A colour of rich text, red, green and blue 0..255.
struct RichColour {
    std::uint8_t red = 0, green = 0, blue = 0;

    friend bool operator==(const RichColour&, const RichColour&) = default;
};

namespace RichColours {
inline constexpr RichColour Black{0, 0, 0};
inline constexpr RichColour Red{255, 0, 0};
inline constexpr RichColour Blue{0, 0, 255};
} // namespace RichColours

// A stretch of text in one colour and size. Tabs stay in the text as '\t'.
struct RichRun {
    QString text;
    RichColour colour;
    int halfPoints = 20;

    friend bool operator==(const RichRun&, const RichRun&) = default;
};

// One paragraph: its runs and its tab stops, in twips (1/20 point) from the left margin.
struct RichParagraph {
    QList<int> tabStops;
    QList<RichRun> runs;

    QString text() const;
    // Tab stops element by element: Qt 6.4 compares two int lists with memcmp, handing it a null
    // pointer for an empty one.
    friend bool operator==(const RichParagraph& a, const RichParagraph& b) {
        return std::ranges::equal(a.tabStops, b.tabStops) && a.runs == b.runs;
    }
};

// A rich-text document as TARVIK composes, saves, loads, shows and prints it. It always has at
// least one paragraph; the last one is the paragraph still open, without a break after it.
struct RichDocument {
    QList<RichParagraph> paragraphs{RichParagraph{}};
    QString fontName = QStringLiteral("Arial");

    // The text with a line break between paragraphs and tabs kept.
    QString plainText() const;
    // A document of plain text: one paragraph per line, black, 10 points.
    static RichDocument fromPlainText(const QString& text);
    friend bool operator==(const RichDocument&, const RichDocument&) = default;
};

constexpr int TwipsPerPoint = 20;
