#pragma once

#include "platform/richdocument.h"

#include <QByteArray>
#include <QByteArrayView>

// Reads Rich Text Format tolerantly: text, \par, \line, \tab, \cf, \fs, \tx, \pard, \plain, \uN
// with its fallback, \'hh (Windows-1252), the colour and font tables; other control words are
// skipped, and so are groups marked \* and the destinations that hold no document text. Any
// input gives a document; its size stays in proportion to the input.
RichDocument readRtf(QByteArrayView rtf);

// True when the bytes begin as a rich-text file does.
bool looksLikeRtf(QByteArrayView bytes);

// A file's content as a document: rich text where it is rich text, plain text otherwise.
RichDocument readRichOrPlainText(const QByteArray& bytes);
