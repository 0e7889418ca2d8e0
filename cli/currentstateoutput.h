#pragma once

#include "data/currentstate.h"
#include "data/memoryimage.h"

#include <QByteArray>
#include <set>

// The current state (and, when asked, the status table) as tarvik-cli prints it.
struct CurrentStateOutput {
    const MemoryImage& image;
    const CurrentStateTexts& texts;
    const std::set<int>& addresses;
    bool withStatus;
    bool complete;

    QByteArray json() const;
    QByteArray text() const;
};
