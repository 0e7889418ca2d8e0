#pragma once

#include "platform/configstore.h"

#include <QStringList>
#include <QVariant>
#include <map>

// The configuration store and the user's key tree in memory, as the registry holds them: key
// names compare without regard to case, values keep their kind (text or integer). Every read,
// write and removal through the store is noted in the journal, in order.
class MemoryConfigStore : public ConfigStore, public ConfigKeyTree {
public:
    std::optional<QString> readString(const QString& section, const QString& name) const override;
    void writeString(const QString& section, const QString& name, const QString& value) override;
    std::optional<qint32> readInteger(const QString& section, const QString& name) const override;
    void writeInteger(const QString& section, const QString& name, qint32 value) override;
    QStringList valueNames(const QString& section) const override;
    void remove(const QString& section, const QString& name) override;
    void flush() override { ++flushes; }

    bool keyExists(const QString& path) const override;
    void copyKey(const QString& from, const QString& to) override;

    // Direct access by key path from the user's root, for arranging and checking.
    void put(const QString& keyPath, const QString& name, const QVariant& value);
    QVariant get(const QString& keyPath, const QString& name) const;
    QVariant value(const QString& section, const QString& name) const;

    // "read Settings/Baud Rate", "write Font/Lang 0 Name =Arial", "remove Ports/COM3".
    mutable QStringList journal;
    int flushes = 0;

private:
    struct Key {
        std::map<QString, std::pair<QString, QVariant>> values; // by lower-case name
    };
    static QString sectionPath(const QString& section);
    const Key* find(const QString& keyPath) const;

    std::map<QString, Key> keys_; // by lower-case path
};
