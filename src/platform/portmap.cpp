#include "platform/portmap.h"

#include <QRegularExpression>

QString PortMap::deviceFor(int comNumber) const {
    if (auto it = custom_.find(comNumber); it != custom_.end())
        return it->second;
    return defaultDevice(comNumber);
}

void PortMap::setDevice(int comNumber, const QString& device) {
    if (device.isEmpty() || device == defaultDevice(comNumber))
        custom_.erase(comNumber);
    else
        custom_[comNumber] = device;
}

void PortMap::clearDevice(int comNumber) {
    custom_.erase(comNumber);
}

QString PortMap::defaultDevice(int comNumber) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(comNumber);
#else
    return QStringLiteral("/dev/ttyS%1").arg(comNumber - 1);
#endif
}

int PortMap::comNumberFromName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^[Cc][Oo][Mm]([0-9]{1,3})$"));
    const auto match = pattern.match(name.trimmed());
    if (!match.hasMatch())
        return 0;
    const int number = match.captured(1).toInt();
    return number >= MinComNumber && number <= MaxComNumber ? number : 0;
}
