#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The modem's verbal result codes, each on a line of its own.
enum class ModemResult { Ok, Connect, Ring, NoCarrier, Error, NoDialtone, Busy, NoAnswer };

// The code as the modem spells it ("NO CARRIER").
QString modemResultText(ModemResult result);
// True for the codes that end a dial without a connection.
bool endsDial(ModemResult result);

// Picks result codes out of the bytes the modem sends, one byte at a time. Lines that are no
// result code (the modem's echo, data) are passed over; a line longer than any code is dropped
// as it grows, so binary data never builds up.
class ModemResultScanner {
public:
    std::optional<ModemResult> feed(char byte);

private:
    QByteArray line_;
};
