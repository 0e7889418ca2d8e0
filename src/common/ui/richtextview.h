#pragma once

#include "platform/richdocument.h"

class QPrinter;
class QTextDocument;

// Fills a Qt text document with a rich document's paragraphs, colours, sizes and tab stops, for
// showing and printing it.
void fillTextDocument(QTextDocument& target, const RichDocument& document);

// Prints the document on the printer as it stands, with the job title.
void printTextDocument(QPrinter& printer, const QTextDocument& document, const QString& title);
