#include "programrig.h"
#include "settingsfiles.h"
#include "widgettestmain.h"

#include "settings/ui/stringcolumn.h"
#include "shell/ui/maintoolbar.h"
#include "shell/ui/qtsavedialogs.h"
#include "shell/ui/savepanel.h"
#include "shell/ui/sitepanel.h"
#include "shell/ui/vxsetpanel.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

// A VX40 on a 24 V system whose clock, the first row of the first page, shows 12.5.
MemoryImage controllerImage() {
    MemoryImage image = patternImage();
    image.store(0, 131);
    image.store(93, 0x11);
    image.store(48, 125);
    return image;
}

bool allSettingsValid(const DataValidFlags& valid) {
    return valid.CalibrationValid &&
           std::all_of(valid.SettingsPageValid.begin(), valid.SettingsPageValid.end(),
                       [](bool page) { return page; });
}

bool noSettingsValid(const DataValidFlags& valid) {
    return !valid.CalibrationValid &&
           std::none_of(valid.SettingsPageValid.begin(), valid.SettingsPageValid.end(),
                        [](bool page) { return page; });
}

// The save panel and its settings-file panel opened as a user does.
void openSettingsFilePanel(Tmainform& main) {
    QTest::mouseClick(main.toolBar->button(10), Qt::LeftButton);
    QTest::mouseClick(main.Savepanel->vxsetbutton, Qt::LeftButton);
    QVERIFY(main.vxsetpanel->isVisible());
}

QToolButton* wholeListButton(Program& program) {
    return program.setform->findChild<QToolButton*>(QStringLiteral("vxbutton"));
}

} // namespace

// The main window's settings-file panel, through the dialog seam the test answers.
class SettingsFilePanelTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        store = std::make_unique<MemoryConfigStore>();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }
    void cleanup() {
        store.reset();
        dir.reset();
    }

    void panelsOpenAndCloseTogether() {
        ProgramRig rig(*store);
        Tmainform& main = *rig.program.mainform;
        const int closedHeight = main.height();
        QVERIFY(main.Savepanel->isHidden() && main.vxsetpanel->isHidden());
        QTest::mouseClick(main.toolBar->button(10), Qt::LeftButton);
        QCOMPARE(main.Savepanel->geometry(), QRect(368, 40, 210, 169));
        QCOMPARE(main.Savepanel->toolTip(), QStringLiteral("Save Data to File"));
        QVERIFY(main.height() >= 209);
        QTest::mouseClick(main.Savepanel->vxsetbutton, Qt::LeftButton);
        QCOMPARE(main.vxsetpanel->geometry(), QRect(380, 45, 106, 144));
        QVERIFY(main.vxsetpanel->isVisible());
        QTest::mouseClick(main.vxsetpanel->setcancelbut, Qt::LeftButton);
        QVERIFY(main.vxsetpanel->isHidden());
        QVERIFY(main.Savepanel->isVisible());
        QTest::mouseClick(main.Savepanel->vxsetbutton, Qt::LeftButton);
        QTest::mouseClick(main.toolBar->button(10), Qt::LeftButton);
        QVERIFY(main.Savepanel->isHidden() && main.vxsetpanel->isHidden());
        QCOMPARE(main.height(), closedHeight);
    }

    void dialogsSpeakTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("saveTitle");
        QTest::addColumn<QString>("openTitle");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("loadHint");
        QTest::newRow("English") << 0 << "Select name of file to save Settings to"
                                 << "Select name of file to retrieve Settings from"
                                 << "Settings (*.stp)"
                                 << "Retrieve VX Settings from a file";
        QTest::newRow("French") << 1 << ""
                                << ""
                                << " (*.stp)"
                                << "";
        QTest::newRow("Chinese") << 2 << "选择文档名用于保存设置"
                                 << "选择文档名用于读回设置"
                                 << "设置数据 (*.stp)"
                                 << "从文档中读回VX设置数据";
        QTest::newRow("German") << 3 << "Dateiname für Einstellungen speichern auswählen"
                                << "Dateiname für Einstellungen wiederherstellen auswählen"
                                << "Einstellungen (*.stp)"
                                << "Wiederherstellen der VX Einstellungenaus Datei";
    }
    void dialogsSpeakTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, saveTitle);
        QFETCH(QString, openTitle);
        QFETCH(QString, filter);
        QFETCH(QString, loadHint);
        store->writeString(QStringLiteral("Settings"), QStringLiteral("Language Number"),
                           QString::number(language));
        ProgramRig rig(*store);
        Tmainform& main = *rig.program.mainform;
        openSettingsFilePanel(main);
        QCOMPARE(main.vxsetpanel->setgetbbut->toolTip(), loadHint);
        QTest::mouseClick(main.vxsetpanel->setsavebbut, Qt::LeftButton);
        QCOMPARE(rig.saveDialogs.caption, saveTitle);
        QCOMPARE(rig.saveDialogs.filter, filter);
        QCOMPARE(rig.saveDialogs.suggestedName, QStringLiteral("settings.stp"));
        QTest::mouseClick(main.vxsetpanel->setgetbbut, Qt::LeftButton);
        QCOMPARE(rig.saveDialogs.caption, openTitle);
        QCOMPARE(rig.saveDialogs.filter, filter);
        // Cancelled dialogs change nothing and leave the panel open.
        QVERIFY(main.vxsetpanel->isVisible());
        QVERIFY(rig.saveDialogs.errors.isEmpty());
    }

    void saveWritesTheWholeImage() {
        ProgramRig rig(*store);
        Tmainform& main = *rig.program.mainform;
        rig.program.link.image.replaceAll(controllerImage().bytes());
        rig.saveDialogs.answer = dir->filePath(QStringLiteral("site.stp"));
        openSettingsFilePanel(main);
        QTest::mouseClick(main.vxsetpanel->setsavebbut, Qt::LeftButton);
        QCOMPARE(rig.saveDialogs.asked, 1);
        QCOMPARE(fileBytes(rig.saveDialogs.answer), imageBytes(controllerImage()));
        QVERIFY(main.vxsetpanel->isHidden());
        QVERIFY(rig.saveDialogs.errors.isEmpty());
    }

    void failedSaveSaysWhyAndClosesThePanel() {
        ProgramRig rig(*store);
        Tmainform& main = *rig.program.mainform;
        rig.saveDialogs.answer = dir->filePath(QStringLiteral("gone/site.stp"));
        openSettingsFilePanel(main);
        QTest::mouseClick(main.vxsetpanel->setsavebbut, Qt::LeftButton);
        QCOMPARE(rig.saveDialogs.errors.size(), 1);
        QVERIFY(rig.saveDialogs.errors.first().startsWith(
            QStringLiteral("Cannot save the settings\n%1\n")
                .arg(QDir::toNativeSeparators(rig.saveDialogs.answer))));
        QVERIFY(main.vxsetpanel->isHidden());
        QVERIFY(!QFile::exists(rig.saveDialogs.answer));
    }

    // Every page and the calibration then show the file without a frame on the line, and the
    // whole list may be sent (its send button itself comes with the programming).
    void loadMarksEverythingReadAndEnablesTheWholeList() {
        ProgramRig rig(*store);
        rig.finishStartup();
        Program& program = rig.program;
        Tmainform& main = *program.mainform;
        const QString path = dir->filePath(QStringLiteral("site.stp"));
        writeFile(path, imageBytes(controllerImage()));
        rig.saveDialogs.openAnswer = path;
        QVERIFY(!wholeListButton(program)->isEnabled());

        openSettingsFilePanel(main);
        QTest::mouseClick(main.vxsetpanel->setgetbbut, Qt::LeftButton);
        QVERIFY(program.link.image.bytes() == controllerImage().bytes());
        QVERIFY(allSettingsValid(program.link.valid));
        QVERIFY(main.vxsetpanel->isHidden());
        QVERIFY(wholeListButton(program)->isEnabled());
        QVERIFY(!wholeListButton(program)->isChecked());
        QVERIFY(rig.saveDialogs.errors.isEmpty());

        QTest::mouseClick(main.toolBar->button(6), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(program.setform.get()));
        auto* values = program.setform->findChild<StringColumn*>(QStringLiteral("sgrid2"));
        QCOMPARE(values->cellText(0), QStringLiteral("12.5"));
        QVERIFY(rig.direct.sent.isEmpty()); // loading sends nothing by itself
    }

    // A settings window already on screen shows the loaded values at once.
    void loadRedrawsTheSettingsWindowOnScreen() {
        ProgramRig rig(*store);
        rig.finishStartup();
        Program& program = rig.program;
        program.link.valid.SettingsPageValid.fill(true);
        program.setform->show();
        QVERIFY(QTest::qWaitForWindowActive(program.setform.get()));
        auto* values = program.setform->findChild<StringColumn*>(QStringLiteral("sgrid2"));
        QCOMPARE(values->cellText(0), QStringLiteral("0.0"));

        const QString path = dir->filePath(QStringLiteral("site.stp"));
        writeFile(path, imageBytes(controllerImage()));
        rig.saveDialogs.openAnswer = path;
        openSettingsFilePanel(*program.mainform);
        QTest::mouseClick(program.mainform->vxsetpanel->setgetbbut, Qt::LeftButton);
        QCOMPARE(values->cellText(0), QStringLiteral("12.5"));
    }

    void fileOfAnotherLengthIsRefused_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << 0 << "The file is empty; a settings file has 512 bytes.";
        QTest::newRow("truncated")
            << 100 << "The file is cut short: it has 100 bytes, a settings file has 512.";
        QTest::newRow("larger")
            << 600 << "The file is too long: it has 600 bytes, a settings file has 512.";
    }
    void fileOfAnotherLengthIsRefused() {
        QFETCH(int, length);
        QFETCH(QString, reason);
        ProgramRig rig(*store);
        Program& program = rig.program;
        Tmainform& main = *program.mainform;
        program.link.image.replaceAll(controllerImage().bytes());
        const QString path = dir->filePath(QStringLiteral("bad.stp"));
        writeFile(path, QByteArray(length, '\x55'));
        rig.saveDialogs.openAnswer = path;
        openSettingsFilePanel(main);
        QTest::mouseClick(main.vxsetpanel->setgetbbut, Qt::LeftButton);
        QCOMPARE(rig.saveDialogs.errors,
                 QStringList{QStringLiteral("Cannot load the settings\n%1\n%2")
                                 .arg(QDir::toNativeSeparators(path), reason)});
        QVERIFY(program.link.image.bytes() == controllerImage().bytes());
        QVERIFY(noSettingsValid(program.link.valid));
        QVERIFY(!wholeListButton(program)->isEnabled());
        QVERIFY(main.vxsetpanel->isVisible());
    }

    void missingFileOnlyBeeps() {
        ProgramRig rig(*store);
        Tmainform& main = *rig.program.mainform;
        QSignalSpy beeps(&main, &Tmainform::beep);
        rig.saveDialogs.openAnswer = dir->filePath(QStringLiteral("gone.stp"));
        openSettingsFilePanel(main);
        QTest::mouseClick(main.vxsetpanel->setgetbbut, Qt::LeftButton);
        QCOMPARE(beeps.size(), 1);
        QCOMPARE(beeps.first().first().toInt(), 1);
        QVERIFY(rig.saveDialogs.errors.isEmpty());
        QVERIFY(noSettingsValid(rig.program.link.valid));
        QVERIFY(main.vxsetpanel->isVisible());
    }

    // Another site is another controller: what was read or loaded no longer counts as read.
    void changingTheSiteForgetsTheSettings() {
        ProgramRig rig(*store);
        DataValidFlags& valid = rig.program.link.valid;
        valid.SettingsPageValid.fill(true);
        valid.CalibrationValid = true;
        valid.CurrentDataValid = true;
        QSpinBox* spin = rig.program.mainform->sitepanel->Sitespin;
        spin->setValue(spin->value() == 7 ? 8 : 7);
        QVERIFY(noSettingsValid(valid));
        QVERIFY(valid.CurrentDataValid);
    }

private:
    std::unique_ptr<MemoryConfigStore> store;
    std::unique_ptr<QTemporaryDir> dir;
};

// The program's open dialog asks without blocking and answers only a confirmed file.
class QtOpenDialogTest : public QObject {
    Q_OBJECT
private slots:
    void aChosenFileReachesTheCallback() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("site.stp"));
        writeFile(path, QByteArray(512, '\0'));
        QWidget parent;
        QtSaveDialogs dialogs;
        QStringList chosen;
        dialogs.askOpenFileName(&parent, QStringLiteral("Open"), QStringLiteral("Settings (*.stp)"),
                                [&chosen](const QString& file) { chosen << file; });
        auto* dialog = parent.findChild<QFileDialog*>();
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Open"));
        QVERIFY(chosen.isEmpty());
        dialog->setDirectory(dir.path());
        dialog->selectFile(path);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open),
                          Qt::LeftButton);
        QCOMPARE(chosen, QStringList{path});
    }

    void aCancelledDialogAnswersNothing() {
        QWidget parent;
        QtSaveDialogs dialogs;
        bool called = false;
        dialogs.askOpenFileName(&parent, {}, {}, [&called](const QString&) { called = true; });
        parent.findChild<QFileDialog*>()->reject();
        QVERIFY(!called);
    }
};

TARVIK_WIDGET_TEST_MAIN(SettingsFilePanelTest, QtOpenDialogTest)

#include "test_settingsfilepanel.moc"
