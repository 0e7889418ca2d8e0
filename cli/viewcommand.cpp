#include "viewcommand.h"

#include "data/reportfile.h"

bool viewFileText(const QString& path, QByteArray& text, QString& error) {
    RichDocument document;
    if (!loadRichFile(path, document, &error)) {
        error = QStringLiteral("%1: %2").arg(path, error);
        return false;
    }
    text = document.plainText().toUtf8() + '\n';
    return true;
}
