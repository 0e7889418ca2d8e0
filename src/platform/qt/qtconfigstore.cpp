#include "platform/qt/qtconfigstore.h"

QtConfigStore::QtConfigStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quellon"),
                QStringLiteral("TARVIK")) {}

QtConfigStore::QtConfigStore(const QString& fileName) : settings_(fileName, QSettings::IniFormat) {}

QString QtConfigStore::key(const QString& section, const QString& name) {
    return section + QLatin1Char('/') + name;
}

std::optional<QString> QtConfigStore::readString(const QString& section,
                                                 const QString& name) const {
    const QVariant value = settings_.value(key(section, name));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

void QtConfigStore::writeString(const QString& section, const QString& name, const QString& value) {
    settings_.setValue(key(section, name), value);
}

bool QtConfigStore::nativeIntegers() const {
#ifdef Q_OS_WIN
    return settings_.format() == QSettings::NativeFormat;
#else
    return false;
#endif
}

std::optional<qint32> QtConfigStore::readInteger(const QString& section,
                                                 const QString& name) const {
    const QVariant value = settings_.value(key(section, name));
    if (!value.isValid())
        return std::nullopt;
    // The registry keeps the kind of a value: text where a number belongs reads as absent.
    if (nativeIntegers() && value.typeId() != QMetaType::Int && value.typeId() != QMetaType::UInt)
        return std::nullopt;
    bool ok = false;
    const qint32 number = value.toString().trimmed().toInt(&ok);
    return ok ? std::optional<qint32>(number) : std::nullopt;
}

void QtConfigStore::writeInteger(const QString& section, const QString& name, qint32 value) {
    settings_.setValue(key(section, name), value);
}

QStringList QtConfigStore::valueNames(const QString& section) const {
    settings_.beginGroup(section);
    const QStringList names = settings_.childKeys();
    settings_.endGroup();
    return names;
}

void QtConfigStore::remove(const QString& section, const QString& name) {
    settings_.remove(key(section, name));
}
