#pragma once

#include "platform/richdocument.h"

#include <QString>

// Writes the document as a PDF laid out as printing lays it out, with the title; needs a
// QGuiApplication. False, with the reason, when the file cannot be written.
bool writeDocumentPdf(const QString& path, const RichDocument& document, const QString& title,
                      QString& error);
