// Any bytes loaded as a report or log file: the reader ends, the document it gives is no larger
// than the input allows, and it comes back unchanged from our own writer.

#include "fuzzcheck.h"

#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const RichDocument document = readRichOrPlainText(bytes);
    const auto limit = static_cast<qsizetype>(size) + 1;
    require(document.paragraphs.size() <= limit, "one paragraph at most per input byte");
    require(document.plainText().size() <= limit, "one character at most per input byte");
    require(readRtf(writeRtf(document)) == document, "our writer keeps what the reader found");
    return 0;
}
