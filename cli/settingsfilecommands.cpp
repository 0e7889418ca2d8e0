#include "settingsfilecommands.h"

#include "readsession.h"
#include "settingsdifferences.h"
#include "settingsoutput.h"
#include "terminal.h"

#include "settings/settingsfile.h"
#include "settings/settingsfilemessage.h"

#include <QSaveFile>

namespace {

constexpr int English = 0;
constexpr int ReadFailedExit = 1;
constexpr int BadFileExit = 2;
constexpr int DifferentExit = 3;

void printFileError(const SettingsFileOutcome& outcome, const QString& path) {
    printError(settingsFileMessage(outcome, path, English)
                   .replace(QLatin1Char('\n'), QStringLiteral(": ")));
}

// Opens the file for writing and drops it again, so that a reading of half a minute does not
// end in a file that could never have been written.
SettingsFileOutcome writableOutcome(const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {SettingsFileProblem::CannotWrite, 0, file.errorString()};
    file.cancelWriting();
    return {};
}

} // namespace

std::vector<int> settingsAndCalibrationReadTypes() {
    std::vector<int> types = settingsReadTypes();
    types.push_back(ReadKind::Calibration);
    return types;
}

int runBackup(ControllerLink& link, const QString& path) {
    if (const SettingsFileOutcome writable = writableOutcome(path); !writable.ok()) {
        printFileError(writable, path);
        return BadFileExit;
    }
    return runReads(link, settingsAndCalibrationReadTypes(),
                    [&link, &path](const ReadRunner&, bool complete, const QString& reason) {
                        if (!complete) {
                            printError(reason);
                            return ReadFailedExit;
                        }
                        const SettingsFileOutcome saved = saveSettingsFile(path, link.image);
                        if (!saved.ok()) {
                            printFileError(saved, path);
                            return BadFileExit;
                        }
                        return 0;
                    });
}

int runDiff(ControllerLink& link, const QString& path, OutputFormat format) {
    MemoryImage file;
    if (const SettingsFileOutcome read = readSettingsFile(path, file); !read.ok()) {
        printFileError(read, path);
        return BadFileExit;
    }
    return runReads(
        link, settingsAndCalibrationReadTypes(),
        [&link, &file, format](const ReadRunner&, bool complete, const QString& reason) {
            if (!complete) {
                printError(reason);
                return ReadFailedExit;
            }
            const auto differences = settingsDifferences(file, link.image);
            writeOutput(printDifferences(differences, format));
            return differences.empty() ? 0 : DifferentExit;
        });
}
