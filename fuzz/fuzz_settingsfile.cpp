// Whatever bytes a settings file holds: it is refused with the image and the page flags left as
// they were, or it is one whole image that saves back to the very same bytes.
//
// Input: the file's bytes.

#include "fuzzcheck.h"

#include "settings/settingsfile.h"
#include "settings/settingsfilemessage.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

// The image before a load: something in it, so that a partial copy would show.
MemoryImage startingImage() {
    MemoryImage image;
    for (int index = 0; index < MemoryImage::Size; index += 5)
        image.store(index, static_cast<std::uint8_t>(index));
    return image;
}

QString fileHolding(const QByteArray& bytes) {
    static const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.stp"));
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
            "the input file can be written");
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    MemoryImage decoded = startingImage();
    const SettingsFileOutcome outcome = decodeSettingsFile(bytes, decoded);
    require(outcome.ok() == (bytes.size() == SettingsFileSize), "only 512 bytes are an image");
    if (outcome.ok())
        require(settingsFileBytes(decoded) == bytes, "an accepted image saves back unchanged");
    else
        require(decoded.bytes() == startingImage().bytes(), "a refused file changes nothing");

    const QString path = fileHolding(bytes);
    MemoryImage loaded = startingImage();
    DataValidFlags valid;
    const SettingsFileOutcome load = loadSettingsFile(path, loaded, valid);
    require(load.problem == outcome.problem, "the file reads as its bytes decode");
    require(loaded.bytes() == decoded.bytes(), "the file loads what its bytes decode to");
    require(valid.CalibrationValid == load.ok(), "only a loaded file counts as read");
    require(load.ok() == settingsFileMessage(load, path, 0).isEmpty(), "every refusal says why");
    return 0;
}
