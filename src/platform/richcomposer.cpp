#include "platform/richcomposer.h"

#include <algorithm>

void RichComposer::append(const QString& text) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'\r' && text.at(i) != u'\n')
            continue;
        appendToParagraph(text.mid(start, i - start));
        breakParagraph();
        if (text.at(i) == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    appendToParagraph(text.mid(start));
}

void RichComposer::line(const QString& text) {
    append(text + QStringLiteral("\r\n"));
}

int RichComposer::lastTabStopIndex() const {
    return std::min<int>(static_cast<int>(document_.paragraphs.last().tabStops.size()) - 1, 30);
}

void RichComposer::setTabStop(int index, int points) {
    QList<int>& stops = document_.paragraphs.last().tabStops;
    if (index < stops.size())
        stops[index] = points * TwipsPerPoint;
    else
        stops.append(points * TwipsPerPoint);
}

void RichComposer::appendToParagraph(const QString& text) {
    if (text.isEmpty())
        return;
    QList<RichRun>& runs = document_.paragraphs.last().runs;
    if (!runs.isEmpty() && runs.last().colour == colour_ && runs.last().halfPoints == halfPoints_)
        runs.last().text += text;
    else
        runs.append(RichRun{text, colour_, halfPoints_});
}

void RichComposer::breakParagraph() {
    document_.paragraphs.append(RichParagraph{document_.paragraphs.last().tabStops, {}});
}
