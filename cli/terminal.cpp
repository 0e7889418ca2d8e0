#include "terminal.h"

#include <cstdio>
#include <unistd.h>

void printError(const QString& message) {
    std::fprintf(stderr, "tarvik-cli: %s\n", qPrintable(message));
}

void writeOutput(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

QString tableLine(QString line) {
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line + QLatin1Char('\n');
}

void showProgress(int done, int total, const char* what) {
    if (isatty(fileno(stderr)) == 0)
        return;
    std::fprintf(stderr, "\r%s %d/%d", what, done, total);
    if (done == total)
        std::fprintf(stderr, "\r%*s\r", 20, "");
    std::fflush(stderr);
}
