#include "platform/rtfwriter.h"

namespace {

void appendEscaped(QByteArray& out, const QString& text) {
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u'\t') {
            out += "\\tab ";
        } else if (unit == u'\\' || unit == u'{' || unit == u'}') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit >= 0x20 && unit < 0x7f) {
            out += static_cast<char>(unit);
        } else {
            // Signed 16 bits, as older readers expect; '?' is the one fallback byte of \uc1.
            out += "\\u" + QByteArray::number(static_cast<qint16>(unit)) + '?';
        }
    }
}

QList<RichColour> coloursUsed(const RichDocument& document) {
    QList<RichColour> colours{RichColours::Black};
    for (const RichParagraph& paragraph : document.paragraphs)
        for (const RichRun& run : paragraph.runs)
            if (!colours.contains(run.colour))
                colours.append(run.colour);
    return colours;
}

QByteArray colourTable(const QList<RichColour>& colours) {
    QByteArray out = "{\\colortbl;";
    for (const RichColour& colour : colours)
        out += "\\red" + QByteArray::number(colour.red) + "\\green" +
               QByteArray::number(colour.green) + "\\blue" + QByteArray::number(colour.blue) + ';';
    return out + "}\r\n";
}

void appendParagraph(QByteArray& out, const RichParagraph& paragraph,
                     const QList<RichColour>& colours) {
    out += "\\pard";
    for (const int stop : paragraph.tabStops)
        out += "\\tx" + QByteArray::number(stop);
    for (const RichRun& run : paragraph.runs) {
        if (run.text.isEmpty())
            continue;
        // Colour 0 of the table is "automatic"; ours start at 1.
        out += "\\cf" + QByteArray::number(colours.indexOf(run.colour) + 1) + "\\fs" +
               QByteArray::number(run.halfPoints) + ' ';
        appendEscaped(out, run.text);
    }
}

} // namespace

QByteArray writeRtf(const RichDocument& document) {
    const QList<RichColour> colours = coloursUsed(document);
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl{\\f0\\fnil ";
    appendEscaped(out, document.fontName);
    out += ";}}\r\n" + colourTable(colours) + "\\viewkind4\\f0\r\n";
    for (qsizetype i = 0; i < document.paragraphs.size(); ++i) {
        appendParagraph(out, document.paragraphs.at(i), colours);
        if (i + 1 < document.paragraphs.size())
            out += "\\par\r\n";
    }
    return out + "}\r\n";
}
