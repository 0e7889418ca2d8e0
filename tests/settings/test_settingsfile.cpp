#include "settingsfiles.h"
#include "testmain.h"

#include "settings/settingsfile.h"
#include "settings/settingsfilemessage.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(SettingsFileProblem)

namespace {

bool anyValid(const DataValidFlags& valid) {
    return valid.CalibrationValid ||
           std::any_of(valid.SettingsPageValid.begin(), valid.SettingsPageValid.end(),
                       [](bool page) { return page; });
}

} // namespace

// Settings files on disk: one whole image or nothing, in either direction.
class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(dir.isValid()); }

    void savedImageLoadsBackAsRead() {
        const QString path = dir.filePath(QStringLiteral("site.stp"));
        const MemoryImage saved = patternImage();
        QVERIFY(saveSettingsFile(path, saved).ok());
        QCOMPARE(fileBytes(path), settingsFileBytes(saved));
        QCOMPARE(fileBytes(path).size(), 512);
        QCOMPARE(static_cast<quint8>(fileBytes(path).at(256)), saved.at(256)); // EEPROM 0

        MemoryImage loaded;
        DataValidFlags valid;
        QVERIFY(loadSettingsFile(path, loaded, valid).ok());
        QVERIFY(loaded.bytes() == saved.bytes());
        QCOMPARE(valid.SettingsPageValid, (std::array<bool, 5>{true, true, true, true, true}));
        QVERIFY(valid.CalibrationValid);
        QVERIFY(!valid.CurrentDataValid && !valid.StatusDataValid);
    }

    void imageNotReadYetSavesAsZeros() {
        const QString path = dir.filePath(QStringLiteral("empty.stp"));
        QVERIFY(saveSettingsFile(path, MemoryImage{}).ok());
        QCOMPARE(fileBytes(path), QByteArray(512, '\0'));
    }

    void saveReplacesALongerFileWhole() {
        const QString path = dir.filePath(QStringLiteral("old.stp"));
        writeFile(path, QByteArray(2000, 'x'));
        QVERIFY(saveSettingsFile(path, patternImage()).ok());
        QCOMPARE(fileBytes(path), settingsFileBytes(patternImage()));
    }

    void fileOfAnotherLengthIsRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<SettingsFileProblem>("problem");
        QTest::addColumn<QString>("reason");
        const QByteArray whole = settingsFileBytes(patternImage());
        QTest::newRow("empty") << QByteArray() << SettingsFileProblem::Empty
                               << "The file is empty; a settings file has 512 bytes.";
        QTest::newRow("first 100 bytes")
            << whole.left(100) << SettingsFileProblem::TooShort
            << "The file is cut short: it has 100 bytes, a settings file has 512.";
        QTest::newRow("one byte short")
            << whole.left(511) << SettingsFileProblem::TooShort
            << "The file is cut short: it has 511 bytes, a settings file has 512.";
        QTest::newRow("one byte more")
            << whole + 'x' << SettingsFileProblem::TooLong
            << "The file is too long: it has 513 bytes, a settings file has 512.";
        QTest::newRow("two images") << whole + whole << SettingsFileProblem::TooLong
                                    << "The file is too long: it has 1024 bytes, a settings file "
                                       "has 512.";
    }
    void fileOfAnotherLengthIsRefused() {
        QFETCH(QByteArray, bytes);
        QFETCH(SettingsFileProblem, problem);
        QFETCH(QString, reason);
        const QString path = dir.filePath(QStringLiteral("bad.stp"));
        writeFile(path, bytes);
        MemoryImage image;
        image.store(0, 131);
        image.store(511, 9);
        const MemoryImage before = image;
        DataValidFlags valid;
        const SettingsFileOutcome outcome = loadSettingsFile(path, image, valid);
        QCOMPARE(outcome.problem, problem);
        QVERIFY(image.bytes() == before.bytes());
        QVERIFY(!anyValid(valid));
        QCOMPARE(settingsFileMessage(outcome, path, 0),
                 QStringLiteral("Cannot load the settings\n%1\n%2")
                     .arg(QDir::toNativeSeparators(path), reason));
    }

    void missingOrUnreadableFileChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<SettingsFileProblem>("problem");
        QTest::newRow("missing") << "none.stp" << SettingsFileProblem::Missing;
        QTest::newRow("a folder") << "folder.stp" << SettingsFileProblem::CannotOpen;
    }
    void missingOrUnreadableFileChangesNothing() {
        QFETCH(QString, name);
        QFETCH(SettingsFileProblem, problem);
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("folder.stp")));
        MemoryImage image = patternImage();
        DataValidFlags valid;
        const SettingsFileOutcome outcome = loadSettingsFile(dir.filePath(name), image, valid);
        QCOMPARE(outcome.problem, problem);
        QVERIFY(image.bytes() == patternImage().bytes());
        QVERIFY(!anyValid(valid));
        QVERIFY(!settingsFileMessage(outcome, dir.filePath(name), 0).split('\n').last().isEmpty());
    }

    // Folders that cannot take the file, whoever runs the test: one that does not exist, and a
    // file standing where the folder should be.
    void saveIntoAnUnwritableFolderFails_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("no such folder") << "missing";
        QTest::newRow("a file, not a folder") << "plain";
    }
    void saveIntoAnUnwritableFolderFails() {
        QFETCH(QString, folder);
        writeFile(dir.filePath(QStringLiteral("plain")), "not a folder");
        const QString path = dir.filePath(folder + QStringLiteral("/site.stp"));
        const SettingsFileOutcome outcome = saveSettingsFile(path, patternImage());
        QCOMPARE(outcome.problem, SettingsFileProblem::CannotWrite);
        QVERIFY(!outcome.systemError.isEmpty());
        QVERIFY(!QFile::exists(path));
        QVERIFY(settingsFileMessage(outcome, path, 0).startsWith("Cannot save the settings\n"));
    }

    void messageInTheUsersLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("French")
            << 1
            << "Impossible de charger les réglages\n/x.stp\nLe fichier est tronqué : il a 7 "
               "octets, un fichier de réglages en a 512.";
        QTest::newRow("Chinese")
            << 2 << "无法读回设置数据\n/x.stp\n文档不完整：只有7字节，设置文档应有512字节。";
        QTest::newRow("German") << 3
                                << "Einstellungen können nicht geladen werden\n/x.stp\nDie Datei "
                                   "ist unvollständig: sie hat 7 Bytes, eine Einstellungsdatei "
                                   "hat 512.";
    }
    void messageInTheUsersLanguage() {
        QFETCH(int, language);
        QFETCH(QString, message);
        const SettingsFileOutcome outcome{SettingsFileProblem::TooShort, 7, {}};
        QCOMPARE(settingsFileMessage(outcome, QStringLiteral("/x.stp"), language), message);
        QVERIFY(settingsFileMessage({}, QStringLiteral("/x.stp"), language).isEmpty());
    }

private:
    QTemporaryDir dir;
};

TARVIK_TEST_MAIN(SettingsFileTest)

#include "test_settingsfile.moc"
