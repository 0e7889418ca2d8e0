#include "sim/history.h"

#include "sim/addresses.h"
#include "sim/controllerprofile.h"
#include "sim/randomstream.h"

namespace sim {
namespace {

struct DayRecord {
    int maximum; // voltages scaled like today's range
    int minimum;
    int floatTime; // tenths of an hour
    int stateOfCharge;
    int chargeAh; // 12 bits
    int loadAh;   // 12 bits
};

void writeRecord(ControllerMemory& memory, int record, const DayRecord& day) {
    const int start = Eeprom::FirstDayRecord + Eeprom::DayRecordSize * record;
    memory.setEeprom(start, day.maximum);
    memory.setEeprom(start + 1, day.minimum);
    memory.setEeprom(start + 2, day.floatTime);
    memory.setEeprom(start + 3, day.stateOfCharge);
    memory.setEeprom(start + 4, day.chargeAh);
    memory.setEeprom(start + 5, day.loadAh);
    memory.setEeprom(start + 6, (day.chargeAh >> 8 & 0x0F) | (day.loadAh >> 8 & 0x0F) << 4);
}

DayRecord today(const ControllerMemory& memory) {
    return {memory.ram(Ram::TodaysMaximum),
            memory.ram(Ram::TodaysMinimum),
            qMax(0, memory.ram(Ram::Clock) - memory.ram(Ram::FloatStart)),
            memory.ram(Ram::StateOfCharge),
            memory.ramWord(Ram::InternalChargeAh) + memory.ramWord(Ram::ExternalChargeAh),
            memory.ramWord(Ram::InternalLoadAh) + memory.ramWord(Ram::ExternalLoadAh)};
}

// Bigger controllers move more amp-hours a day.
DayRecord pastDay(QRandomGenerator& random, int chargeMultiplier) {
    return {random.bounded(138, 149),
            random.bounded(116, 128),
            random.bounded(0, 61),
            random.bounded(55, 101),
            random.bounded(40, 151) * chargeMultiplier,
            random.bounded(30, 121) * chargeMultiplier};
}

} // namespace

void fillHistory(const ControllerConfig& config, ControllerMemory& memory) {
    QRandomGenerator random = randomStream(config.seed, RandomStream::History);
    const int todaysRecord = random.bounded(Eeprom::HistoryDays);
    const int multiplier = modelProfile(effectiveModel(config)).chargeMultiplier;
    memory.setEeprom(Eeprom::HistoryIndex, todaysRecord);
    for (int record = 0; record < Eeprom::HistoryDays; ++record)
        writeRecord(memory, record,
                    record == todaysRecord ? today(memory) : pastDay(random, multiplier));
}

} // namespace sim
