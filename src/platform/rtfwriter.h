#pragma once

#include "platform/richdocument.h"

#include <QByteArray>

// The document as Rich Text Format: a Windows-1252 header declaring one byte of fallback per
// Unicode character, a font table with the document's font, a colour table of the colours used,
// and every character outside printable ASCII as \uN? so word processors show every language.
QByteArray writeRtf(const RichDocument& document);
