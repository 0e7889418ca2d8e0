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
    record.VMAX = image.at(start);
    record.VMIN = image.at(start + 1);
    record.FTIM = image.at(start + 2);
    record.SOC = image.at(start + 3);
    record.IN = (highNibbles & 0x0F) * 256 + image.at(start + 4);
    record.OUT = (highNibbles >> 4) * 256 + image.at(start + 5);
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
            QString::number(record.IN),
            QString::number(record.OUT),
            formatTenthsUncapped(scale.apply(record.VMAX)),
            formatTenthsUncapped(scale.apply(record.VMIN)),
            formatTenthsUncapped(record.FTIM),
            QString::number(record.SOC)};
}
