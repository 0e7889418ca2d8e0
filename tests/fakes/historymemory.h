#pragma once

#include "data/history.h"
#include "data/memoryimage.h"

#include <QtGlobal>
#include <array>

// A controller's memory, by image address, holding a 30-day history: for decode tests and for
// devices that answer reads.
struct HistoryMemory {
    std::array<quint8, MemoryImage::Size> bytes{};

    HistoryMemory& set(int address, int value) {
        bytes[static_cast<size_t>(address)] = static_cast<quint8>(value);
        return *this;
    }
    HistoryMemory& code(int value) { return set(ControllerAddress::HistoryVoltageCode, value); }
    HistoryMemory& today(int index) { return set(ControllerAddress::HistoryTodayIndex, index); }
    // The 7 bytes VMAX, VMIN, FTIM, SOC, IN low, OUT low, high nibbles of a ring record.
    HistoryMemory& record(int number, std::array<int, 7> values) {
        const int start = ControllerAddress::FirstDayRecord + HistoryBlock::RecordSize * number;
        for (size_t i = 0; i < values.size(); ++i)
            set(start + static_cast<int>(i), values[i]);
        return *this;
    }
    // The same for day 1..30 counted back from today's index (0..29).
    HistoryMemory& day(int day, std::array<int, 7> values) {
        const int index = bytes[ControllerAddress::HistoryTodayIndex];
        return record((index - day + 1 + HistoryBlock::Days) % HistoryBlock::Days, values);
    }

    MemoryImage image() const {
        MemoryImage image;
        image.replaceAll(bytes);
        return image;
    }
};
