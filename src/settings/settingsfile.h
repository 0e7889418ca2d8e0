#pragma once

#include "data/memoryimage.h"

#include <QByteArray>
#include <QString>

// A settings file keeps the whole controller memory image byte for byte, RAM 0..255 and then
// EEPROM 0..255: settings, calibration and whatever else was read, zeros where nothing was.
// There is no header and no checksum, so the length is the only sign of a damaged file.
constexpr qint64 SettingsFileSize = MemoryImage::Size;
inline constexpr char SettingsFileSuffix[] = "stp";

enum class SettingsFileProblem {
    None,
    Missing,
    CannotOpen,
    Empty,
    TooShort,
    TooLong,
    CannotWrite,
};

// How reading or writing a settings file went.
struct SettingsFileOutcome {
    SettingsFileProblem problem = SettingsFileProblem::None;
    qint64 size = 0;     // the file's length, for the three size problems
    QString systemError; // what the system said, for open and write failures

    bool ok() const { return problem == SettingsFileProblem::None; }
};

QByteArray settingsFileBytes(const MemoryImage& image);

// Takes the image out of a file's bytes; the image is left alone unless they are exactly one.
SettingsFileOutcome decodeSettingsFile(const QByteArray& bytes, MemoryImage& image);

// Reads a file into the image; a file that is not one whole image changes nothing.
SettingsFileOutcome readSettingsFile(const QString& path, MemoryImage& image);

// Reads a file as the settings window's source: on success every settings page and the
// calibration count as read, so they are drawn from the file without asking the controller.
SettingsFileOutcome loadSettingsFile(const QString& path, MemoryImage& image,
                                     DataValidFlags& valid);

// Writes the image through a temporary file that replaces the old one only once complete.
SettingsFileOutcome saveSettingsFile(const QString& path, const MemoryImage& image);
