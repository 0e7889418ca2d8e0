#pragma once

#include "data/controlleraddresses.h"
#include "data/identity.h"
#include "data/memoryimage.h"

#include <QString>
#include <QStringList>

// The controller's 30-day record in the EEPROM half of the image: a voltage code, today's
// index and a ring of 30 day records of 7 bytes (their addresses are in ControllerAddress).
namespace HistoryBlock {
constexpr int RecordSize = 7;
constexpr int Days = 30;
} // namespace HistoryBlock

// One day's record (VMAX, VMIN, FTIM, SOC, IN, OUT): the raw bytes, with the two 12-bit
// amp-hour counts put together. The fields are not named VMAX and so on: termios.h makes VMIN
// a macro.
struct DayRecord {
    int maximumVoltage = 0; // raw
    int minimumVoltage = 0; // raw
    int floatTime = 0;      // tenths of an hour
    int stateOfCharge = 0;  // percent
    int chargeAh = 0;       // 0..4095
    int loadAh = 0;         // 0..4095
};

// Today's record number. The controller keeps it in 0..29; a larger byte is reduced modulo 30
// so that no day is ever read from outside the block.
int historyTodayIndex(const MemoryImage& image);
// The record holding day `day` (1 = today, 2 = yesterday, ... 30).
int historyRecordNumber(int todayIndex, int day);
// Record 0..29 of the ring.
DayRecord historyRecord(const MemoryImage& image, int recordNumber);
// The record of day 1..30, in the order counted back from today.
DayRecord historyDay(const MemoryImage& image, int day);
// Whole-volt systems keep whole volts in their history too. Which system it is comes from the
// code at address 93, which the history read rereads first, and from the model byte, so it
// does not depend on what else was read before.
bool historyInWholeVolts(const MemoryImage& image);

// The texts of one day as the report prints them.
struct HistoryDayTexts {
    QString day, in, out, vmax, vmin, ftim, soc;

    QStringList fields() const { return {day, in, out, vmax, vmin, ftim, soc}; }
};
HistoryDayTexts historyDayTexts(const MemoryImage& image, int day);
