#include "simulatedcontroller.h"

#include <map>

namespace {

sim::ControllerConfig configFor(const QString& model) {
    static const std::map<QString, sim::Model> Models{{QStringLiteral("vx20"), sim::Model::VX20},
                                                      {QStringLiteral("vx40"), sim::Model::VX40},
                                                      {QStringLiteral("vx60"), sim::Model::VX60},
                                                      {QStringLiteral("vx80"), sim::Model::VX80}};
    sim::ControllerConfig config;
    const auto found = Models.find(model.toLower());
    config.model = found == Models.end() ? sim::Model::VX40 : found->second;
    config.system = sim::SystemVoltage::V24;
    return config;
}

} // namespace

SimulatedController::SimulatedController(const QString& model)
    : controller_(configFor(model)), line_(controller_) {}
