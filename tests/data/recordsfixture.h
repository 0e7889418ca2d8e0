#pragma once

#include "data/memoryimage.h"
#include "data/reportcomposer.h"

#include <QDateTime>
#include <QFile>
#include <QTest>

// A controller image saved once from the simulated VX60 at 48 V, and a fixed moment, so that
// reports and log entries come out the same on every machine.
namespace RecordsFixture {

inline QString goldenPath(const QString& name) {
    return QStringLiteral(TARVIK_GOLDEN_DIR "/") + name;
}

inline MemoryImage image() {
    QFile file(goldenPath(QStringLiteral("vx60-48v.image")));
    MemoryImage image;
    if (!file.open(QIODevice::ReadOnly) || file.size() != MemoryImage::Size)
        qFatal("the fixed controller image is missing");
    const QByteArray bytes = file.readAll();
    for (int address = 0; address < MemoryImage::Size; ++address)
        image.store(address, static_cast<std::uint8_t>(bytes.at(address)));
    return image;
}

inline DataValidFlags everythingValid() {
    DataValidFlags valid;
    valid.CurrentDataValid = true;
    valid.StatusDataValid = true;
    valid.SettingsPageValid.fill(true);
    valid.CalibrationValid = true;
    return valid;
}

inline QDateTime moment(int minutesLater = 0) {
    return QDateTime(QDate(2026, 12, 10), QTime(9, 30, 5), Qt::UTC).addSecs(60 * minutesLater);
}

// Compares with the golden file; TARVIK_UPDATE_GOLDEN=1 in the environment rewrites it instead.
inline bool matchesGolden(const QByteArray& produced, const QString& name) {
    QFile file(goldenPath(name));
    if (qEnvironmentVariableIsSet("TARVIK_UPDATE_GOLDEN")) {
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(produced);
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("golden file %s is missing", qPrintable(name));
        return false;
    }
    const QByteArray golden = file.readAll();
    if (golden == produced)
        return true;
    qWarning("differs from %s:\n%s", qPrintable(name), produced.constData());
    return false;
}

} // namespace RecordsFixture
