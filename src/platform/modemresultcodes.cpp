#include "platform/modemresultcodes.h"

#include <array>
#include <utility>

namespace {

constexpr int LongestLine = 40;

// "CONNECT" may be followed by the line's speed ("CONNECT 2400").
const std::array<std::pair<ModemResult, const char*>, 8> Codes{{
    {ModemResult::Ok, "OK"},
    {ModemResult::Connect, "CONNECT"},
    {ModemResult::Ring, "RING"},
    {ModemResult::NoCarrier, "NO CARRIER"},
    {ModemResult::Error, "ERROR"},
    {ModemResult::NoDialtone, "NO DIALTONE"},
    {ModemResult::Busy, "BUSY"},
    {ModemResult::NoAnswer, "NO ANSWER"},
}};

std::optional<ModemResult> resultOfLine(const QByteArray& line) {
    for (const auto& [result, word] : Codes) {
        const QByteArray code(word);
        if (line == code || (result == ModemResult::Connect && line.startsWith(code + ' ')))
            return result;
    }
    return std::nullopt;
}

} // namespace

QString modemResultText(ModemResult result) {
    for (const auto& [code, word] : Codes)
        if (code == result)
            return QString::fromLatin1(word);
    return {};
}

bool endsDial(ModemResult result) {
    return result == ModemResult::NoCarrier || result == ModemResult::Error ||
           result == ModemResult::NoDialtone || result == ModemResult::Busy ||
           result == ModemResult::NoAnswer;
}

std::optional<ModemResult> ModemResultScanner::feed(char byte) {
    if (byte == '\r' || byte == '\n') {
        const auto result = resultOfLine(line_.trimmed());
        line_.clear();
        return result;
    }
    if (line_.size() < LongestLine)
        line_.append(byte);
    else
        line_.clear();
    return std::nullopt;
}
