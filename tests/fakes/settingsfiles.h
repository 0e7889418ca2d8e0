#pragma once

#include "data/memoryimage.h"

#include <QByteArray>
#include <QFile>
#include <QTest>

// A memory image whose every byte differs from its neighbours, so that a shifted or partial copy
// of it shows.
inline MemoryImage patternImage() {
    MemoryImage image;
    for (int index = 0; index < MemoryImage::Size; ++index)
        image.store(index, static_cast<std::uint8_t>(index * 7 + 3));
    return image;
}

inline QByteArray imageBytes(const MemoryImage& image) {
    return {reinterpret_cast<const char*>(image.bytes().data()), MemoryImage::Size};
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The whole file, or nothing when it cannot be read.
inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
