#include "settings/settingsfile.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace {

SettingsFileOutcome sizeOutcome(qint64 size) {
    if (size == 0)
        return {SettingsFileProblem::Empty, size, {}};
    if (size < SettingsFileSize)
        return {SettingsFileProblem::TooShort, size, {}};
    if (size > SettingsFileSize)
        return {SettingsFileProblem::TooLong, size, {}};
    return {};
}

SettingsFileOutcome systemOutcome(SettingsFileProblem problem, const QFileDevice& file) {
    return {problem, 0, file.errorString()};
}

} // namespace

QByteArray settingsFileBytes(const MemoryImage& image) {
    return {reinterpret_cast<const char*>(image.bytes().data()), MemoryImage::Size};
}

SettingsFileOutcome decodeSettingsFile(const QByteArray& bytes, MemoryImage& image) {
    const SettingsFileOutcome outcome = sizeOutcome(bytes.size());
    if (!outcome.ok())
        return outcome;
    std::array<std::uint8_t, MemoryImage::Size> read{};
    std::copy(bytes.cbegin(), bytes.cend(), read.begin());
    image.replaceAll(read);
    return outcome;
}

SettingsFileOutcome readSettingsFile(const QString& path, MemoryImage& image) {
    QFile file(path);
    if (!file.exists())
        return {SettingsFileProblem::Missing, 0, {}};
    if (!file.open(QIODevice::ReadOnly))
        return systemOutcome(SettingsFileProblem::CannotOpen, file);
    // A file of any other length is refused before it is read, however large it is.
    if (const SettingsFileOutcome size = sizeOutcome(file.size()); !size.ok())
        return size;
    // One byte more than an image shows a file that grew while it was read.
    return decodeSettingsFile(file.read(SettingsFileSize + 1), image);
}

SettingsFileOutcome loadSettingsFile(const QString& path, MemoryImage& image,
                                     DataValidFlags& valid) {
    const SettingsFileOutcome outcome = readSettingsFile(path, image);
    if (outcome.ok()) {
        valid.SettingsPageValid.fill(true);
        valid.CalibrationValid = true;
    }
    return outcome;
}

SettingsFileOutcome saveSettingsFile(const QString& path, const MemoryImage& image) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return systemOutcome(SettingsFileProblem::CannotWrite, file);
    if (file.write(settingsFileBytes(image)) != SettingsFileSize || !file.commit())
        return systemOutcome(SettingsFileProblem::CannotWrite, file);
    return {};
}
