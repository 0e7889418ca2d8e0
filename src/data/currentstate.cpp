#include "data/currentstate.h"

#include "data/controlleraddresses.h"

namespace {

namespace A = ControllerAddress;

// Bits of the external shunt configuration.
constexpr int ChargeShuntInWholeAmps = 0, LoadShuntInWholeAmps = 1, ChargeShuntFitted = 2,
              LoadShuntFitted = 3;
// Bits of the output states.
constexpr int LoadDisconnected = 0, GeneratorRunning = 1, EventControllerOn = 2,
              LowVoltageAlarm = 4;
// Bits of the event conditions.
constexpr int StartOff = 0, TmodOff = 1, EmodOff = 2, StopOff = 3;
constexpr int NightBit = 7;

bool bitSet(int byte, int bit) {
    return (byte & (1 << bit)) != 0;
}

// Tenths of an amp per raw step of an external shunt: none without the shunt, ten when it
// counts whole amps.
int externalStep(int shunts, int fittedBit, int wholeAmpsBit) {
    if (!bitSet(shunts, fittedBit))
        return 0;
    return bitSet(shunts, wholeAmpsBit) ? 10 : 1;
}

SplitAmps currents(const MemoryImage& image, int internalAddress, int internalStep,
                   int externalAddress, int externalStepTenths) {
    return {{image.at(internalAddress) * internalStep},
            {image.at(externalAddress) * externalStepTenths}};
}

void decodeStatus(const MemoryImage& image, bool whole, CurrentState& out) {
    const int outputs = image.at(A::Outputs);
    const int light = image.at(A::LightLevel);
    const int events = image.at(A::EventConditions);
    out.clock = {image.at(A::Clock)};
    out.floatStart = {image.at(A::FloatStartTime)};
    out.loadDisconnected = bitSet(outputs, LoadDisconnected);
    out.generatorRunning = bitSet(outputs, GeneratorRunning);
    out.lowVoltageAlarm = bitSet(outputs, LowVoltageAlarm);
    out.eventControllerOn = bitSet(outputs, EventControllerOn);
    out.daysSinceBoost = image.at(A::DaysSinceBoost);
    out.daysSinceEqualise = image.at(A::DaysSinceEqualise);
    out.daysSinceGeneratorRun = image.at(A::DaysSinceGeneratorRun);
    out.pwmPercent = image.at(A::PwmDuty) * 100 / 256;
    // Half volts on the tenths systems, whole volts on the others.
    const int solar = image.at(A::SolarVoltage);
    out.solar = {whole ? solar : solar * 5, whole};
    out.night = bitSet(light, NightBit);
    out.dayNightCounter = light;
    out.events = {!bitSet(events, StartOff), !bitSet(events, StopOff), !bitSet(events, EmodOff),
                  !bitSet(events, TmodOff)};
}

} // namespace

CurrentState decodeCurrentState(const MemoryImage& image, ControllerIdentity& identity) {
    identity.decode(image);
    const bool whole = identity.wholeVoltSystem();
    CurrentState out;
    out.model = identity.ModelText;
    out.systemVoltageIndex = identity.SystemVoltageIndex;
    out.regulation = static_cast<RegulationState>(image.at(A::RegulationState) & 3);
    out.battery = {batteryVoltage(image), whole};
    out.todaysMinimum = {identity.scaleVoltage(image.at(A::TodaysMinimumVoltage)), whole};
    out.todaysMaximum = {identity.scaleVoltage(image.at(A::TodaysMaximumVoltage)), whole};

    const int shunts = image.at(A::ExternalShunts);
    out.chargeCurrent = currents(image, A::InternalChargeCurrent, identity.chargeCurrentMultiplier,
                                 A::ExternalChargeCurrent,
                                 externalStep(shunts, ChargeShuntFitted, ChargeShuntInWholeAmps));
    out.loadCurrent = currents(image, A::InternalLoadCurrent, identity.loadCurrentMultiplier,
                               A::ExternalLoadCurrent,
                               externalStep(shunts, LoadShuntFitted, LoadShuntInWholeAmps));
    out.chargeAmpHours = {image.word(A::InternalChargeAmpHours),
                          image.word(A::ExternalChargeAmpHours)};
    out.loadAmpHours = {image.word(A::InternalLoadAmpHours), image.word(A::ExternalLoadAmpHours)};
    out.stateOfChargePercent = image.at(A::StateOfCharge);
    out.temperatureCelsius = image.at(A::BatteryTemperature);
    decodeStatus(image, whole, out);
    return out;
}
