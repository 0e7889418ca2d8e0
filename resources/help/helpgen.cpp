// Turns a help text (UTF-8, one paragraph per line) into the rich-text help file the program
// shows. A line "# ..." is the title, "## ..." a heading, "- ..." a point of a list; an empty
// line is an empty paragraph.

#include "data/reportfile.h"

#include <QFile>
#include <QString>
#include <cstdio>

namespace {

constexpr RichColour TitleColour{0, 0, 160};
constexpr RichColour HeadingColour{0, 64, 128};
constexpr int TitlePoints = 16, HeadingPoints = 12, BodyPoints = 10;

void composeLine(RichComposer& edit, const QString& line) {
    if (line.startsWith(QStringLiteral("## "))) {
        edit.setColour(HeadingColour);
        edit.setSize(HeadingPoints);
        edit.line(line.mid(3));
    } else if (line.startsWith(QStringLiteral("# "))) {
        edit.setColour(TitleColour);
        edit.setSize(TitlePoints);
        edit.line(line.mid(2));
    } else {
        edit.setColour(RichColours::Black);
        edit.setSize(BodyPoints);
        edit.line(line.startsWith(QStringLiteral("- ")) ? QStringLiteral("\u2022 ") + line.mid(2)
                                                        : line);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: helpgen HELP.txt HELP.rtf\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "helpgen: %s: %s\n", argv[1], qPrintable(source.errorString()));
        return 1;
    }
    RichDocument document;
    RichComposer edit(document);
    const QStringList lines = QString::fromUtf8(source.readAll()).split(u'\n');
    for (QString line : lines) {
        // Leading blanks indent a command line; what ends a line is not part of it.
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        composeLine(edit, line);
    }
    QString error;
    if (!saveRichFile(QString::fromLocal8Bit(argv[2]), document, &error)) {
        std::fprintf(stderr, "helpgen: %s: %s\n", argv[2], qPrintable(error));
        return 1;
    }
    return 0;
}
