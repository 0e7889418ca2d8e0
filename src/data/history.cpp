#include "data/history.h"

#include "data/tenths.h"

int historyTodayIndex(const MemoryImage& image) {
    return image.at(ControllerAddress::HistoryTodayIndex) % HistoryBlock::Days;
}

int historyRecordNumber(int todayIndex, int day) {
    const int record = todayIndex - day + 1;
    return record < 0 ? record + HistoryBlock::Days : record;
}

DayRecord historyRecord(const MemoryImage& image, int recordNumber) {
    const int start = ControllerAddress::FirstDayRecord + HistoryBlock::RecordSize * recordNumber;
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

bool historyInWholeVolts(const MemoryImage& image) {
    return isWholeVoltSystem(systemVoltageIndex(image));
}

namespace {

// A day's voltage byte (VMAX, VMIN): whole volts on the whole-volt systems, whatever code the
// block holds; otherwise tenths scaled by the block's own code, not by the current state's.
QString historyVoltageText(const MemoryImage& image, int raw) {
    if (historyInWholeVolts(image))
        return QString::number(raw);
    const VoltageScale scale = voltageScaleForCode(image.at(ControllerAddress::HistoryVoltageCode));
    return formatTenthsUncapped(scale.apply(raw));
}

} // namespace

HistoryDayTexts historyDayTexts(const MemoryImage& image, int day) {
    const DayRecord record = historyDay(image, day);
    return {QString::number(day),
            QString::number(record.chargeAh),
            QString::number(record.loadAh),
            historyVoltageText(image, record.maximumVoltage),
            historyVoltageText(image, record.minimumVoltage),
            formatTenthsUncapped(record.floatTime),
            QString::number(record.stateOfCharge)};
}
