#include "reportpdf.h"

#include "common/ui/richtextview.h"

#include <QFile>
#include <QPdfWriter>
#include <QTextDocument>

bool writeDocumentPdf(const QString& path, const RichDocument& document, const QString& title,
                      QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QTextDocument printed;
    fillTextDocument(printed, document);
    printed.print(&writer);
    return true;
}
