#pragma once

#include "data/identity.h"
#include "data/memoryimage.h"
#include "settings/settingsidentity.h"

#include <QList>
#include <QPair>

// Image bytes as (address, value) pairs, for test tables.
using Bytes = QList<QPair<int, int>>;

inline MemoryImage imageWith(const Bytes& bytes) {
    MemoryImage image;
    for (const auto& [address, value] : bytes)
        image.store(address, static_cast<std::uint8_t>(value));
    return image;
}

// The identity as the settings window derives it when it draws a page of this image.
inline ControllerIdentity settingsIdentityOf(const MemoryImage& image) {
    ControllerIdentity identity;
    deriveSettingsIdentity(image, identity);
    return identity;
}
