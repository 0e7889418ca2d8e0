#include "platform/richdocument.h"

#include <QRegularExpression>

QString RichParagraph::text() const {
    QString joined;
    for (const RichRun& run : runs)
        joined += run.text;
    return joined;
}

QString RichDocument::plainText() const {
    QStringList lines;
    for (const RichParagraph& paragraph : paragraphs)
        lines.append(paragraph.text());
    return lines.join(QLatin1Char('\n'));
}

RichDocument RichDocument::fromPlainText(const QString& text) {
    RichDocument document;
    document.paragraphs.clear();
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : text.split(lineBreak)) {
        RichParagraph paragraph;
        if (!line.isEmpty())
            paragraph.runs.append(RichRun{line, RichColours::Black, 20});
        document.paragraphs.append(paragraph);
    }
    return document;
}
