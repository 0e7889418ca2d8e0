#include "common/ui/richtextview.h"

#include <QPrinter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Qt lays text out in pixels of 1/96 inch.
constexpr double PixelsPerTwip = 96.0 / 72.0 / TwipsPerPoint;

QTextBlockFormat blockFormat(const RichParagraph& paragraph) {
    QList<QTextOption::Tab> tabs;
    for (const int stop : paragraph.tabStops)
        tabs.append(QTextOption::Tab(stop * PixelsPerTwip, QTextOption::LeftTab));
    QTextBlockFormat format;
    format.setTabPositions(tabs);
    return format;
}

QTextCharFormat charFormat(const RichRun& run) {
    QTextCharFormat format;
    format.setForeground(QColor(run.colour.red, run.colour.green, run.colour.blue));
    format.setFontPointSize(run.halfPoints / 2.0);
    return format;
}

} // namespace

void fillTextDocument(QTextDocument& target, const RichDocument& document) {
    target.clear();
    QTextCursor cursor(&target);
    for (qsizetype i = 0; i < document.paragraphs.size(); ++i) {
        const RichParagraph& paragraph = document.paragraphs.at(i);
        if (i == 0)
            cursor.setBlockFormat(blockFormat(paragraph));
        else
            cursor.insertBlock(blockFormat(paragraph));
        for (const RichRun& run : paragraph.runs)
            cursor.insertText(run.text, charFormat(run));
    }
}

void printTextDocument(QPrinter& printer, const QTextDocument& document, const QString& title) {
    printer.setDocName(title);
    document.print(&printer);
}
