#include "memoryconfigstore.h"

namespace {

const QString BaseKey = QStringLiteral("Software\\Quellon\\TARVIK");

} // namespace

QString MemoryConfigStore::sectionPath(const QString& section) {
    return BaseKey + QLatin1Char('\\') + section;
}

const MemoryConfigStore::Key* MemoryConfigStore::find(const QString& keyPath) const {
    const auto it = keys_.find(keyPath.toLower());
    return it == keys_.end() ? nullptr : &it->second;
}

void MemoryConfigStore::put(const QString& keyPath, const QString& name, const QVariant& value) {
    keys_[keyPath.toLower()].values[name.toLower()] = {name, value};
}

QVariant MemoryConfigStore::get(const QString& keyPath, const QString& name) const {
    const Key* key = find(keyPath);
    if (key == nullptr)
        return {};
    const auto it = key->values.find(name.toLower());
    return it == key->values.end() ? QVariant() : it->second.second;
}

QVariant MemoryConfigStore::value(const QString& section, const QString& name) const {
    return get(sectionPath(section), name);
}

std::optional<QString> MemoryConfigStore::readString(const QString& section,
                                                     const QString& name) const {
    journal << QStringLiteral("read %1/%2").arg(section, name);
    const QVariant stored = value(section, name);
    return stored.isValid() ? std::optional<QString>(stored.toString()) : std::nullopt;
}

void MemoryConfigStore::writeString(const QString& section, const QString& name,
                                    const QString& text) {
    journal << QStringLiteral("write %1/%2=%3").arg(section, name, text);
    put(sectionPath(section), name, text);
}

std::optional<qint32> MemoryConfigStore::readInteger(const QString& section,
                                                     const QString& name) const {
    journal << QStringLiteral("read %1/%2").arg(section, name);
    const QVariant stored = value(section, name);
    if (stored.typeId() != QMetaType::Int)
        return std::nullopt;
    return stored.toInt();
}

void MemoryConfigStore::writeInteger(const QString& section, const QString& name, qint32 number) {
    journal << QStringLiteral("write %1/%2=%3").arg(section, name).arg(number);
    put(sectionPath(section), name, number);
}

QStringList MemoryConfigStore::valueNames(const QString& section) const {
    QStringList names;
    if (const Key* key = find(sectionPath(section)))
        for (const auto& entry : key->values)
            names << entry.second.first;
    return names;
}

void MemoryConfigStore::remove(const QString& section, const QString& name) {
    journal << QStringLiteral("remove %1/%2").arg(section, name);
    if (auto it = keys_.find(sectionPath(section).toLower()); it != keys_.end())
        it->second.values.erase(name.toLower());
}

bool MemoryConfigStore::keyExists(const QString& path) const {
    const QString wanted = path.toLower();
    for (const auto& entry : keys_)
        if (entry.first == wanted || entry.first.startsWith(wanted + QLatin1Char('\\')))
            return true;
    return false;
}

void MemoryConfigStore::copyKey(const QString& from, const QString& to) {
    const QString source = from.toLower();
    std::map<QString, Key> copies;
    for (const auto& [path, key] : keys_)
        if (path == source || path.startsWith(source + QLatin1Char('\\')))
            copies[to.toLower() + path.mid(source.size())] = key;
    for (auto& [path, key] : copies)
        keys_[path] = key;
}
