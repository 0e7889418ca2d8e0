#include "data/identity.h"

#include "data/controlleraddresses.h"

#include <algorithm>
#include <array>

namespace {

struct ModelRow {
    int first;
    int last;
    const char* name;
    int versionOffset; // -1: version is byte and 31; otherwise byte - offset
    int chargeMultiplier;
    int loadMultiplier; // 0: left unchanged
};

constexpr std::array<ModelRow, 9> ModelTable{{
    {0, 95, "VX20", -1, 1, 1},
    {96, 127, "VXA", 95, 1, 0},
    {128, 191, "VX40", -1, 2, 1},
    {192, 223, "VX60", -1, 4, 2},
    {224, 229, "VX80", -1, 4, 2},
    {230, 239, "VX20", -1, 1, 1},
    {240, 248, "VX60", 239, 4, 2},
    {249, 249, "VX60", 248, 4, 2},
    {250, 255, "VX20", -1, 1, 1},
}};

constexpr std::array<VoltageScale, 8> ScaleByCode{
    {{1, 1}, {2, 1}, {8, 3}, {3, 1}, {4, 1}, {1, 1}, {1, 1}, {1, 1}}};

constexpr std::array<const char*, 9> NominalVoltageTexts{"12V", "24V",  "32V",  "36V", "48V",
                                                         "96V", "108V", "120V", "136"};
constexpr std::array<int, 9> NominalVolts{12, 24, 32, 36, 48, 96, 108, 120, 136};

size_t nominalIndex(int systemVoltageIndex) {
    return static_cast<size_t>(std::clamp(systemVoltageIndex, 0, 8));
}

bool isHighVoltageVariant(int byte0) {
    return byte0 >= 240 && byte0 <= 249;
}

} // namespace

int systemVoltageIndex(const MemoryImage& image) {
    const int byte0 = image.at(ControllerAddress::ModelAndVersion);
    if (isHighVoltageVariant(byte0))
        return byte0 == 249 ? 8 : 7;
    const int code = image.at(ControllerAddress::SystemVoltageCode) & 7;
    return code > 4 ? 5 : code;
}

void ControllerIdentity::decode(const MemoryImage& image) {
    const int byte0 = image.at(ControllerAddress::ModelAndVersion);
    for (const auto& row : ModelTable) {
        if (byte0 < row.first || byte0 > row.last)
            continue;
        ModelName = QString::fromLatin1(row.name);
        version = row.versionOffset < 0 ? (byte0 & 31) : byte0 - row.versionOffset;
        chargeCurrentMultiplier = row.chargeMultiplier;
        if (row.loadMultiplier != 0)
            loadCurrentMultiplier = row.loadMultiplier;
        break;
    }
    if (byte0 >= 96 && byte0 <= 127)
        AlarmUnitVariant = byte0 >= 110 ? 1 : 0;
    ModelText = ModelName + QStringLiteral(" v") + QString::number(version);

    const int code =
        isHighVoltageVariant(byte0) ? 0 : image.at(ControllerAddress::SystemVoltageCode) & 7;
    SystemVoltageIndex = systemVoltageIndex(image);
    const VoltageScale scale = voltageScaleForCode(code);
    VoltageScaleNumerator = scale.numerator;
    VoltageScaleDenominator = scale.denominator;
}

VoltageScale voltageScaleForCode(int code) {
    return ScaleByCode[static_cast<size_t>(code & 7)];
}

QString nominalVoltageText(int systemVoltageIndex) {
    return QString::fromLatin1(NominalVoltageTexts[nominalIndex(systemVoltageIndex)]);
}

int nominalVolts(int systemVoltageIndex) {
    return NominalVolts[nominalIndex(systemVoltageIndex)];
}

int batteryVoltageFactor(const MemoryImage& image) {
    switch ((image.at(ControllerAddress::BatteryVoltageRange) >> 4) & 3) {
    case 0:
        return 1;
    case 1:
        return 2;
    default:
        return 4;
    }
}

int batteryVoltage(const MemoryImage& image) {
    return (image.at(ControllerAddress::BatteryVoltage) + 150) * batteryVoltageFactor(image) / 2;
}
