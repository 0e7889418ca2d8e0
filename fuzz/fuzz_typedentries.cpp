// Whatever the user types into a settings or calibration cell, over whatever the controller
// holds: nothing is stored from a refused entry, an accepted one prepares a write the controller
// can take, a calibration value reads back as committed, and every row still formats.
//
// Input: a byte choosing the setting (and, by its top bit, a calibration cell instead), a byte
// choosing the language, up to 128 bytes of controller memory (image 0..127), then the text.

#include "fuzzcheck.h"

#include "settings/calibration.h"
#include "settings/settingscatalogue.h"
#include "settings/settingscommit.h"
#include "settings/settingsformat.h"
#include "settings/settingsidentity.h"

#include <cstdint>

namespace {

constexpr int MemoryBytes = 128;

void requirePreparedWriteFits(const WriteOperands& write) {
    require(write.WriteValue >= 0 && write.WriteValue <= 255, "a written value is one byte");
    require(write.WriteAddress >= 0 && write.WriteAddress <= 255, "a write address is one byte");
}

void commitSettingCell(int setting, const QString& text, MemoryImage& image,
                       const ControllerIdentity& identity) {
    const MemoryImage before = image;
    WriteOperands write;
    const SettingCommit commit = commitSetting(setting, text, image, identity, write);
    if (!commit.accepted)
        require(image.bytes() == before.bytes(), "a refused entry stores nothing");
    if (commit.sendArmed)
        requirePreparedWriteFits(write);
}

void commitCalibrationCell(int channel, CalibrationPart part, const QString& text,
                           MemoryImage& image) {
    const MemoryImage before = image;
    WriteOperands write;
    const std::optional<int> stored = commitCalibration(channel, part, text, image, write);
    if (!stored) {
        require(image.bytes() == before.bytes(), "a refused calibration entry stores nothing");
        return;
    }
    require(calibrationValue(image, channel, part) == *stored,
            "a committed calibration value reads back as stored");
    requirePreparedWriteFits(write);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::uint8_t choice = data[0];
    const int language = data[1] % LanguageCount;
    const std::size_t memoryBytes = std::min<std::size_t>(size - 2, MemoryBytes);
    MemoryImage image;
    for (std::size_t address = 0; address < memoryBytes; ++address)
        image.store(static_cast<int>(address), data[2 + address]);
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data + 2 + memoryBytes),
                                             static_cast<qsizetype>(size - 2 - memoryBytes));
    ControllerIdentity identity;
    deriveSettingsIdentity(image, identity);

    if ((choice & 0x80) != 0) {
        const auto part = (choice & 0x40) != 0 ? CalibrationPart::Offset : CalibrationPart::Gain;
        commitCalibrationCell(choice % CalibrationChannelCount, part, text, image);
    } else {
        commitSettingCell(choice % SettingCount, text, image, identity);
    }
    deriveSettingsIdentity(image, identity);
    for (int setting = 0; setting < SettingCount; ++setting)
        settingRowTexts(setting, image, identity, language);
    for (int channel = 0; channel < CalibrationChannelCount; ++channel)
        calibrationText(calibrationValue(image, channel, CalibrationPart::Gain));
    return 0;
}
