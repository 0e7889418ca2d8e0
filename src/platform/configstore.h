#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The per-user configuration store below the program's base key. Sections are its sub-keys.
// The main sections hold text values; "Options" holds 32-bit integers.
class ConfigStore {
public:
    virtual ~ConfigStore() = default;

    // Nothing when the value or its section is missing.
    virtual std::optional<QString> readString(const QString& section,
                                              const QString& name) const = 0;
    virtual void writeString(const QString& section, const QString& name, const QString& value) = 0;
    // Nothing when the value is missing or is not stored as an integer.
    virtual std::optional<qint32> readInteger(const QString& section,
                                              const QString& name) const = 0;
    virtual void writeInteger(const QString& section, const QString& name, qint32 value) = 0;
    virtual QStringList valueNames(const QString& section) const = 0;
    virtual void remove(const QString& section, const QString& name) = 0;
    // Puts what was written where the next start finds it.
    virtual void flush() = 0;
};

// The user's tree of keys, addressed from the user's root with backslashes between key names;
// only the one-time move of settings from an older key layout needs it.
class ConfigKeyTree {
public:
    virtual ~ConfigKeyTree() = default;
    virtual bool keyExists(const QString& path) const = 0;
    // Copies the key with all its values and sub-keys, creating the target.
    virtual void copyKey(const QString& from, const QString& to) = 0;
};
