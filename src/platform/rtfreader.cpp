#include "platform/rtfreader.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <vector>

namespace {

// Bounds that keep any input cheap: deeper groups share their parent's state, and tables
// stop growing.
constexpr int MaxGroupDepth = 200;
constexpr int MaxTabStops = 64;
constexpr int MaxColours = 256;
constexpr int MaxFontName = 64;
constexpr int MaxWordLength = 32;
constexpr int NumberLimit = 1'000'000'000;
constexpr int DefaultHalfPoints = 24;

char16_t windows1252(std::uint8_t byte) {
    static constexpr std::array<char16_t, 32> high{
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    if (byte >= 0x80 && byte < 0xA0)
        return high.at(byte - 0x80);
    return byte;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    const int lower = std::tolower(static_cast<unsigned char>(c));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

enum class Destination { Text, Skipped, ColourTable, FontTable };

struct GroupState {
    Destination destination = Destination::Text;
    int colourIndex = 0;
    int halfPoints = DefaultHalfPoints;
    int fallbackLength = 1;
};

bool isSkippedDestination(QByteArrayView word) {
    static constexpr std::array<QByteArrayView, 20> words{"stylesheet",
                                                          "info",
                                                          "pict",
                                                          "header",
                                                          "footer",
                                                          "headerl",
                                                          "headerr",
                                                          "footerl",
                                                          "footerr",
                                                          "object",
                                                          "fldinst",
                                                          "listtable",
                                                          "themedata",
                                                          "xmlnstbl",
                                                          "datastore",
                                                          "rsidtbl",
                                                          "generator",
                                                          "latentstyles",
                                                          "listoverridetable",
                                                          "colorschememapping"};
    return std::find(words.begin(), words.end(), word) != words.end();
}

class RtfReader {
public:
    explicit RtfReader(QByteArrayView input) : in_(input) { document_.paragraphs.clear(); }

    RichDocument read() {
        paragraph_ = RichParagraph{};
        while (pos_ < in_.size())
            step();
        finishParagraph();
        return std::move(document_);
    }

private:
    void step() {
        const char c = in_.at(pos_++);
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            controlSequence();
            break;
        case '\r':
        case '\n':
            break;
        default:
            character(windows1252(static_cast<std::uint8_t>(c)));
        }
    }

    void openGroup() {
        pendingFallback_ = 0;
        if (stack_.size() >= MaxGroupDepth) {
            ++flattenedDepth_;
            return;
        }
        stack_.push_back(state_);
    }

    void closeGroup() {
        pendingFallback_ = 0;
        if (flattenedDepth_ > 0) {
            --flattenedDepth_;
            return;
        }
        if (stack_.empty())
            return;
        if (state_.destination == Destination::FontTable)
            fontDone_ = fontDone_ || !fontName_.isEmpty();
        state_ = stack_.back();
        stack_.pop_back();
    }

    void controlSequence() {
        if (pos_ >= in_.size())
            return;
        const char c = in_.at(pos_);
        if (std::isalpha(static_cast<unsigned char>(c)) != 0) {
            controlWord();
            return;
        }
        ++pos_;
        switch (c) {
        case '\'':
            hexCharacter();
            break;
        case '\\':
        case '{':
        case '}':
            character(static_cast<char16_t>(c));
            break;
        case '*':
            state_.destination = Destination::Skipped;
            break;
        case '~':
            character(0xA0);
            break;
        case '_':
            character(u'-');
            break;
        case '\r':
        case '\n':
            paragraphBreak();
            break;
        default:
            break;
        }
    }

    void controlWord() {
        const qsizetype start = pos_;
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_.at(pos_))) != 0)
            ++pos_;
        const QByteArrayView word =
            in_.sliced(start, std::min<qsizetype>(pos_ - start, MaxWordLength));
        const std::optional<int> number = parameter();
        if (pos_ < in_.size() && in_.at(pos_) == ' ')
            ++pos_;
        apply(word, number);
    }

    std::optional<int> parameter() {
        bool negative = false;
        if (pos_ < in_.size() && in_.at(pos_) == '-') {
            negative = true;
            ++pos_;
        }
        bool any = false;
        long long value = 0;
        while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_.at(pos_))) != 0) {
            value = std::min<long long>(value * 10 + (in_.at(pos_) - '0'), NumberLimit);
            any = true;
            ++pos_;
        }
        if (!any)
            return std::nullopt;
        return static_cast<int>(negative ? -value : value);
    }

    void apply(QByteArrayView word, std::optional<int> number) {
        const int n = number.value_or(0);
        if (word == "par" || word == "line")
            paragraphBreak();
        else if (word == "tab")
            character(u'\t');
        else if (word == "pard")
            resetParagraph();
        else if (word == "tx")
            addTabStop(n);
        else if (word == "cf")
            state_.colourIndex = n;
        else if (word == "fs")
            state_.halfPoints = n > 0 ? n : DefaultHalfPoints;
        else if (word == "plain")
            resetCharacterFormat();
        else if (word == "u" && number)
            unicodeCharacter(n);
        else if (word == "uc")
            state_.fallbackLength = std::clamp(n, 0, 10);
        else if (word == "bin")
            pos_ = std::min(in_.size(), pos_ + std::max(n, 0));
        else if (word == "red" || word == "green" || word == "blue")
            colourComponent(word, n);
        else if (word == "colortbl")
            state_.destination = Destination::ColourTable;
        else if (word == "fonttbl")
            state_.destination = Destination::FontTable;
        else if (isSkippedDestination(word))
            state_.destination = Destination::Skipped;
    }

    void resetParagraph() {
        if (state_.destination == Destination::Text)
            paragraph_.tabStops.clear();
    }

    void resetCharacterFormat() {
        state_.colourIndex = 0;
        state_.halfPoints = DefaultHalfPoints;
    }

    void hexCharacter() {
        int value = 0;
        for (int digit = 0; digit < 2 && pos_ < in_.size(); ++digit, ++pos_) {
            const int d = hexValue(in_.at(pos_));
            if (d < 0)
                break;
            value = value * 16 + d;
        }
        character(windows1252(static_cast<std::uint8_t>(value)));
    }

    void unicodeCharacter(int n) {
        const int unit = n < 0 ? n + 65536 : n;
        character(static_cast<char16_t>(std::clamp(unit, 0, 0xFFFF)), false);
        pendingFallback_ = state_.fallbackLength;
    }

    void addTabStop(int twips) {
        if (state_.destination == Destination::Text && paragraph_.tabStops.size() < MaxTabStops)
            paragraph_.tabStops.append(twips);
    }

    void colourComponent(QByteArrayView word, int n) {
        if (state_.destination != Destination::ColourTable)
            return;
        const auto value = static_cast<std::uint8_t>(std::clamp(n, 0, 255));
        if (word == "red")
            colourEntry_.red = value;
        else if (word == "green")
            colourEntry_.green = value;
        else
            colourEntry_.blue = value;
    }

    void character(char16_t c, bool mayBeFallback = true) {
        if (mayBeFallback && pendingFallback_ > 0) {
            --pendingFallback_;
            return;
        }
        switch (state_.destination) {
        case Destination::Text:
            appendText(c);
            break;
        case Destination::ColourTable:
            if (c == u';' && colours_.size() < MaxColours) {
                colours_.append(colourEntry_);
                colourEntry_ = RichColour{};
            }
            break;
        case Destination::FontTable:
            if (c == u';')
                fontDone_ = fontDone_ || !fontName_.isEmpty();
            else if (!fontDone_ && fontName_.size() < MaxFontName)
                fontName_ += QChar(c);
            break;
        case Destination::Skipped:
            break;
        }
    }

    RichColour colour(int index) const {
        // Entry 0 of the table is "automatic", shown black.
        if (index <= 0 || index >= colours_.size())
            return RichColours::Black;
        return colours_.at(index);
    }

    void appendText(char16_t c) {
        const RichColour runColour = colour(state_.colourIndex);
        if (paragraph_.runs.isEmpty() || paragraph_.runs.last().colour != runColour ||
            paragraph_.runs.last().halfPoints != state_.halfPoints)
            paragraph_.runs.append(RichRun{QString(), runColour, state_.halfPoints});
        paragraph_.runs.last().text += QChar(c);
    }

    void paragraphBreak() {
        if (state_.destination != Destination::Text)
            return;
        pendingFallback_ = 0;
        const QList<int> stops = paragraph_.tabStops;
        finishParagraph();
        // Paragraph properties carry on until \pard.
        paragraph_ = RichParagraph{stops, {}};
    }

    void finishParagraph() {
        document_.paragraphs.append(paragraph_);
        if (!fontName_.trimmed().isEmpty())
            document_.fontName = fontName_.trimmed();
    }

    QByteArrayView in_;
    qsizetype pos_ = 0;
    RichDocument document_;
    RichParagraph paragraph_;
    GroupState state_;
    std::vector<GroupState> stack_;
    int flattenedDepth_ = 0;
    int pendingFallback_ = 0;
    QList<RichColour> colours_;
    RichColour colourEntry_;
    QString fontName_;
    bool fontDone_ = false;
};

} // namespace

RichDocument readRtf(QByteArrayView rtf) {
    return RtfReader(rtf).read();
}

bool looksLikeRtf(QByteArrayView bytes) {
    return bytes.startsWith("{\\rtf");
}

RichDocument readRichOrPlainText(const QByteArray& bytes) {
    if (looksLikeRtf(bytes))
        return readRtf(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8);
    return RichDocument::fromPlainText(utf8(bytes));
}
