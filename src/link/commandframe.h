#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

// Command bytes on the wire.
namespace CommandByte {
constexpr std::uint8_t ReadRam = 20;
constexpr std::uint8_t ReadEeprom = 72;
constexpr std::uint8_t WriteRam = 152;
constexpr std::uint8_t WriteEeprom = 202;
constexpr std::uint8_t Loopback = 187;
constexpr std::uint8_t ProcessorReset = 87;
} // namespace CommandByte

// Command kinds 1..5 as callers name them; any other kind is the loopback.
std::uint8_t commandByteForKind(int kind);

// Reply status bytes.
namespace ReplyStatus {
constexpr std::uint8_t Value = 200;
constexpr std::uint8_t SiteAcknowledge = 250;
} // namespace ReplyStatus

// The EEPROM write-enable substitution: while pending, an EEPROM write goes out as the RAM write
// of 1 to address 226 and is held back here until the caller sends it.
struct WriteEnableState {
    int WriteEnablePending = 0;
    int StashedKind = 0;
    int StashedAddress = 0;
    int StashedData = 0;
};

// Frame addressing: site mode puts the site number in front and a byte sum behind.
struct FrameAddressing {
    bool SiteMode = false;
    int siteNumber = 240;
};

QByteArray buildframe(int command, int address, int data, const FrameAddressing& addressing,
                      WriteEnableState& writeEnable);

// The read double-check: a value is accepted when two consecutive readings agree.
struct MatchState {
    static constexpr int Slots = 16;
    static constexpr int LastSlot = 10; // a read uses slots 0..10
    std::array<std::uint8_t, Slots> MatchReadings{};
    int MatchCount = 0;
    bool DataReceived = false;
};

// Keeps a reading in the slot MatchCount names; false, keeping nothing, once the slots a read
// may use have run out.
bool recordReading(MatchState& match, std::uint8_t value);
bool datamatch(const MatchState& match);
