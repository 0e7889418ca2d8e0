#pragma once

#include "platform/configstore.h"

#ifdef Q_OS_WIN

// The keys below HKEY_CURRENT_USER, through the registry API: QSettings cannot name a key whose
// name holds a slash, as the older layout's key does.
class WinRegistryKeyTree : public ConfigKeyTree {
public:
    bool keyExists(const QString& path) const override;
    void copyKey(const QString& from, const QString& to) override;
};

#endif
