#include "sim/controllerprofile.h"

#include <QString>
#include <algorithm>
#include <array>

namespace sim {
namespace {

// The VX80 drives big loads through an external shunt that counts whole amps.
// The alarm unit measures the battery like a VX20.
constexpr std::array<ModelProfile, 5> Models{{
    {Model::VX20, "vx20", 0, 1, 1, 40, false},
    {Model::VX40, "vx40", 128, 2, 1, 80, false},
    {Model::VX60, "vx60", 192, 4, 2, 120, false},
    {Model::VX80, "vx80", 224, 4, 2, 40, true},
    {Model::VXA, "vxa", 95, 1, 1, 40, false},
}};

// Bits of the shunt configuration byte.
constexpr int LoadShuntWholeAmps = 0x02, ChargeShuntFitted = 0x04, LoadShuntFitted = 0x08;

// Resting voltages are 2.13 V per cell; the solar byte counts half volts, whole volts on the
// high-voltage variant.
constexpr std::array<SystemProfile, 6> Systems{{
    {SystemVoltage::V12, "12", 0, 1, 1, 1, 128, 37},
    {SystemVoltage::V24, "24", 1, 2, 2, 1, 256, 74},
    {SystemVoltage::V32, "32", 2, 4, 8, 3, 341, 98},
    {SystemVoltage::V36, "36", 3, 4, 3, 1, 384, 110},
    {SystemVoltage::V48, "48", 4, 4, 4, 1, 512, 148},
    {SystemVoltage::HighVoltage, "hv", 0, 1, 1, 1, 128, 185},
}};

// The high-voltage identity bytes start at 240 for version 1.
constexpr int HighVoltageIdentityBase = 239;
// Alarm units of the later variant report 110 and up.
constexpr int LaterVxaIdentityBase = 107;

template <typename Table> auto namedIn(const Table& table, QStringView name) {
    return std::find_if(table.begin(), table.end(), [name](const auto& row) {
        return name.compare(QLatin1StringView(row.name), Qt::CaseInsensitive) == 0;
    });
}

} // namespace

const ModelProfile& modelProfile(Model model) {
    return *std::find_if(Models.begin(), Models.end(),
                         [model](const ModelProfile& row) { return row.model == model; });
}

const SystemProfile& systemProfile(SystemVoltage system) {
    return *std::find_if(Systems.begin(), Systems.end(),
                         [system](const SystemProfile& row) { return row.system == system; });
}

std::optional<Model> modelNamed(QStringView name) {
    const auto row = namedIn(Models, name);
    return row == Models.end() ? std::nullopt : std::optional(row->model);
}

std::optional<SystemVoltage> systemNamed(QStringView name) {
    const auto row = namedIn(Systems, name);
    return row == Systems.end() ? std::nullopt : std::optional(row->system);
}

Model effectiveModel(const ControllerConfig& config) {
    return config.system == SystemVoltage::HighVoltage ? Model::VX60 : config.model;
}

quint8 identityByte(const ControllerConfig& config) {
    const bool laterVxa = config.model == Model::VXA && config.vxaVariant != 0;
    const int base = config.system == SystemVoltage::HighVoltage ? HighVoltageIdentityBase
                     : laterVxa                                  ? LaterVxaIdentityBase
                                : modelProfile(config.model).identityBase;
    return static_cast<quint8>(base + FirmwareVersion);
}

quint8 shuntConfigByte(const ControllerConfig& config) {
    const bool wholeAmps = modelProfile(effectiveModel(config)).loadShuntInWholeAmps;
    return static_cast<quint8>(ChargeShuntFitted | LoadShuntFitted |
                               (wholeAmps ? LoadShuntWholeAmps : 0));
}

} // namespace sim
