#include "settings/settingsidentity.h"

#include "data/controlleraddresses.h"

void deriveSettingsIdentity(const MemoryImage& image, ControllerIdentity& identity) {
    const int byte0 = image.at(ControllerAddress::ModelAndVersion);
    const int keptLoadMultiplier = identity.loadCurrentMultiplier;
    const int keptVariant = identity.AlarmUnitVariant;
    identity.decode(image);
    if (byte0 >= 96 && byte0 <= 127) {
        identity.ModelName = QStringLiteral("VX20");
        identity.version = byte0 & 31;
        identity.ModelText =
            identity.ModelName + QStringLiteral(" v") + QString::number(identity.version);
        identity.AlarmUnitVariant = keptVariant;
    }
    if (byte0 < 240 || byte0 > 249)
        identity.loadCurrentMultiplier = keptLoadMultiplier;
}
