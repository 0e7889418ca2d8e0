#include "data/history.h"

#include "data/tenths.h"

int historyTodayIndex(const MemoryImage& image) {
    return image.at(HistoryBlock::TodayAddress) % HistoryBlock::Days;
}

int historyRecordNumber(int todayIndex, int day) {
    const int record = todayIndex - day + 1;
    return record < 0 ? record + HistoryBlock::Days : record;
}

DayRecord historyRecord(const MemoryImage& image, int recordNumber) {
    const int start = HistoryBlock::FirstRecordAddress + HistoryBlock::RecordSize * recordNumber;
    const int highNibbles = image.at(start + 6);
    DayRecord record;
    record.maximumVoltage = image.at(start);
    record.minimumVoltage = image.at(start + 1);
    record.floatTime = image.at(start + 2);
    record.stateOfCharge = image.at(start + 3);
    record.chargeAh = (highNibbles & 0x0F) * 256 + image.at(start + 4);
    record.loadAh = (highNibbles >> 4) * 256 + image.at(start + 5);
    return record;
}

DayRecord historyDay(const MemoryImage& image, int day) {
    return historyRecord(image, historyRecordNumber(historyTodayIndex(image), day));
}

VoltageScale historyVoltageScale(const MemoryImage& image) {
    return voltageScaleForCode(image.at(HistoryBlock::CodeAddress));
}

HistoryDayTexts historyDayTexts(const MemoryImage& image, int day) {
    const DayRecord record = historyDay(image, day);
    const VoltageScale scale = historyVoltageScale(image);
    return {QString::number(day),
            QString::number(record.chargeAh),
            QString::number(record.loadAh),
            formatTenthsUncapped(scale.apply(record.maximumVoltage)),
            formatTenthsUncapped(scale.apply(record.minimumVoltage)),
            formatTenthsUncapped(record.floatTime),
            QString::number(record.stateOfCharge)};
}
