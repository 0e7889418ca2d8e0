#include "link/commandframe.h"

std::uint8_t commandByteForKind(int kind) {
    switch (kind) {
    case 1:
        return CommandByte::ReadRam;
    case 2:
        return CommandByte::ReadEeprom;
    case 3:
        return CommandByte::WriteRam;
    case 4:
        return CommandByte::WriteEeprom;
    default:
        return CommandByte::Loopback;
    }
}

QByteArray buildframe(int command, int address, int data, const FrameAddressing& addressing,
                      WriteEnableState& writeEnable) {
    if (command == CommandByte::WriteEeprom) {
        if (writeEnable.WriteEnablePending == 1) {
            writeEnable.StashedKind = 4;
            writeEnable.StashedAddress = address;
            writeEnable.StashedData = data;
            command = CommandByte::WriteRam;
            address = 226;
            data = 1;
        }
    } else {
        writeEnable.WriteEnablePending = 0;
    }

    const auto c = static_cast<char>(command & 0xFF);
    const auto a = static_cast<char>(address & 0xFF);
    const auto d = static_cast<char>(data & 0xFF);
    QByteArray frame;
    if (addressing.SiteMode) {
        const int site = addressing.siteNumber & 0xFF;
        const int sum = (site + (command & 0xFF) + (address & 0xFF) + (data & 0xFF)) & 0xFF;
        frame.append(static_cast<char>(site)).append(c).append(a).append(d);
        frame.append(static_cast<char>(sum));
    } else {
        frame.append(c).append(a).append(d).append(static_cast<char>((command & 0xFF) ^ 0xFF));
    }
    return frame;
}

bool recordReading(MatchState& match, std::uint8_t value) {
    if (match.MatchCount < 0 || match.MatchCount > MatchState::LastSlot)
        return false;
    match.MatchReadings[static_cast<size_t>(match.MatchCount)] = value;
    return true;
}

bool datamatch(const MatchState& match) {
    if (!match.DataReceived || match.MatchCount == 0)
        return false;
    if (match.MatchCount < 1 || match.MatchCount >= MatchState::Slots)
        return false;
    const auto slot = static_cast<size_t>(match.MatchCount);
    return match.MatchReadings[slot] == match.MatchReadings[slot - 1];
}
