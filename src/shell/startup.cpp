#include "shell/startup.h"

bool debugModeFromArguments(const QStringList& argumentsAfterProgram) {
    return !argumentsAfterProgram.isEmpty() &&
           argumentsAfterProgram.first().toLower() == QStringLiteral("-debug");
}

void applyConfiguration(const ShellConfiguration& configuration, ControllerLink& link,
                        ControllerIdentity& identity, PortMap& portMap) {
    link.ports.baudIndex = configuration.baudIndex;
    link.ports.DirectPortNumber = configuration.directPortNumber;
    link.ports.ModemPortNumber = configuration.modemPortNumber;
    link.state.LanguageIndex = configuration.languageIndex;
    link.state.SiteMode = configuration.save.siteMode;
    link.state.siteNumber = configuration.siteNumber;
    link.state.pathTimeDelay = configuration.pathTimeDelay;
    identity.chargeCurrentMultiplier = configuration.CurrentMultiplier;
    for (const auto& [number, device] : configuration.portDevices)
        portMap.setDevice(number, device);
}

void collectConfiguration(ShellConfiguration& configuration, const ControllerLink& link,
                          const ControllerIdentity& identity, const PortMap& portMap) {
    configuration.baudIndex = link.ports.baudIndex;
    configuration.directPortNumber = link.ports.DirectPortNumber;
    configuration.modemPortNumber = link.ports.ModemPortNumber;
    configuration.languageIndex = link.state.LanguageIndex;
    configuration.save.siteMode = link.state.SiteMode;
    configuration.siteNumber = link.state.siteNumber;
    configuration.pathTimeDelay = link.state.pathTimeDelay;
    configuration.CurrentMultiplier = identity.chargeCurrentMultiplier;
    configuration.portDevices = portMap.customDevices();
}

void resetWorkingState(ControllerLink& link, ShellState& state) {
    link.clearWorkingState();
    state.identity.ModelName = QStringLiteral("VX20");
}

void configurePorts(ControllerLink& link) {
    link.ports.Comport1.setComNumber(link.ports.DirectPortNumber);
    link.ports.Comport2.setComNumber(link.ports.ModemPortNumber);
    link.state.DirectMode = true;
    link.ports.Comport1.setBaud(link.ports.baudRate());
    link.ports.comstatusupdate();
}
