#pragma once

#include "platform/configstore.h"

#include <QSettings>

// The configuration store in QSettings: the registry key HKEY_CURRENT_USER\Software\Quellon\TARVIK
// on Windows (text values, and 32-bit integers for the options), ~/.config/Quellon/TARVIK.conf
// elsewhere.
class QtConfigStore : public ConfigStore {
public:
    QtConfigStore();
    // A store in an INI file of its own.
    explicit QtConfigStore(const QString& fileName);

    std::optional<QString> readString(const QString& section, const QString& name) const override;
    void writeString(const QString& section, const QString& name, const QString& value) override;
    std::optional<qint32> readInteger(const QString& section, const QString& name) const override;
    void writeInteger(const QString& section, const QString& name, qint32 value) override;
    QStringList valueNames(const QString& section) const override;
    void remove(const QString& section, const QString& name) override;
    void flush() override { settings_.sync(); }

private:
    static QString key(const QString& section, const QString& name);
    bool nativeIntegers() const;

    mutable QSettings settings_;
};
