#include "platform/qt/qtserialportlister.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSerialPortInfo>

namespace {

// Device path -> its stable by-id name.
QHash<QString, QString> stableNames() {
    QHash<QString, QString> names;
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::Files))
        names.insert(link.canonicalFilePath(), link.absoluteFilePath());
    return names;
}

QString describe(const QSerialPortInfo& info) {
    QStringList parts;
    for (const QString& part : {info.manufacturer(), info.description()})
        if (!part.isEmpty())
            parts << part;
    if (!info.serialNumber().isEmpty())
        parts << QStringLiteral("serial %1").arg(info.serialNumber());
    parts << info.systemLocation();
    return parts.join(QStringLiteral(", "));
}

} // namespace

QList<SerialDeviceInfo> QtSerialPortLister::availablePorts() const {
    const auto stable = stableNames();
    QList<SerialDeviceInfo> out;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString location = info.systemLocation();
        out.append({stable.value(location, location), describe(info)});
    }
    return out;
}
