#include "programrig.h"
#include "widgettestmain.h"

#include "data/ui/readform.h"
#include "link/readsequences.h"
#include "platform/rtfreader.h"
#include "shell/ui/maintoolbar.h"
#include "shell/ui/savepanel.h"
#include "shell/ui/sitepanel.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

Q_DECLARE_METATYPE(FileAction)

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int rulesIn(const QString& path) {
    return static_cast<int>(readRtf(contentOf(path)).plainText().count(QString(62, u'-')));
}

} // namespace

class SavePanelTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        store = std::make_unique<MemoryConfigStore>();
        rig = std::make_unique<ProgramRig>(*store);
        rig->finishStartup();
        main = rig->program.mainform.get();
        panel = main->Savepanel;
    }
    void cleanup() {
        rig.reset();
        store.reset();
    }

    void endOfAReadEnablesItsSection_data() {
        QTest::addColumn<int>("readType");
        QTest::addColumn<int>("section");
        QTest::newRow("current state") << ReadKind::Current << 0;
        QTest::newRow("status") << ReadKind::Status << 0;
        QTest::newRow("history") << ReadKind::History << 1;
        QTest::newRow("first settings page") << ReadKind::SettingsPage1 << 2;
        QTest::newRow("last settings page") << ReadKind::SettingsPage5 << 2;
        QTest::newRow("calibration") << ReadKind::Calibration << 3;
    }
    void endOfAReadEnablesItsSection() {
        QFETCH(int, readType);
        QFETCH(int, section);
        const std::array<QCheckBox*, 4> checks{panel->Currsavecheck, panel->Datasavecheck,
                                               panel->Setsavecheck, panel->Calsavecheck};
        for (QCheckBox* check : checks)
            QVERIFY(!check->isEnabled());
        runRead(readType, true);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(checks.at(static_cast<size_t>(i))->isEnabled(), i == section);
    }

    void saveButtonWantsAnEnabledCheckedSection() {
        QTest::mouseClick(main->toolBar->button(10), Qt::LeftButton);
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->toolTip(), QStringLiteral("Save Data to File"));
        QCOMPARE(panel->Datasavecheck->text(), QStringLiteral("History"));
        QCOMPARE(panel->Datasavecheck->toolTip(), QStringLiteral("Enable History Data"));
        panel->Datasavecheck->setChecked(true);
        panel->SaveButtonAvailableExecute();
        QVERIFY(!panel->Savebutton->isEnabled());
        runRead(ReadKind::History, false);
        QVERIFY(panel->Savebutton->isEnabled());
        main->sitepanel->Sitespin->setValue(7);
        QVERIFY(!panel->Datasavecheck->isEnabled());
        QVERIFY(!panel->Savebutton->isEnabled());
    }

    void nothingChosenIsNothingToSave() {
        rig->saveDialogs.answer = rig->saveFolder.filePath(QStringLiteral("program/REPORT"));
        QTest::mouseClick(panel->btnSave, Qt::LeftButton);
        QCOMPARE(rig->messageBoxes.shown, QStringList{QStringLiteral("Nothing to save")});
        QVERIFY(!QFile::exists(rig->saveDialogs.answer));
        QCOMPARE(panel->fileedit->text(), rig->saveDialogs.answer);
    }

    void nameWithoutFolderGoesNextToTheProgram() {
        chooseHistory();
        typeName(QStringLiteral("qtsdata1"));
        QCOMPARE(panel->fileedit->text(), QStringLiteral("QTSDATA1"));
        typeName(QStringLiteral("/tmp/site/qtsdata1"));
        QCOMPARE(panel->fileedit->text(), QStringLiteral("/tmp/site/QTSDATA1"));
        typeName(QStringLiteral("qtsdata1"));
        QTest::mouseClick(panel->Savebutton, Qt::LeftButton);
        const QString path = rig->saveFolder.filePath(QStringLiteral("program/QTSDATA1"));
        QVERIFY(contentOf(path).startsWith("{\\rtf1"));
        QVERIFY(readRtf(contentOf(path)).plainText().contains(QStringLiteral("HISTORY DATA")));
        QCOMPARE(rig->program.link.status.text(StatusPanels::Link),
                 QStringLiteral("Saved to ") + path);
    }

    void missingFolderIsRefused() {
        chooseHistory();
        typeName(rig->saveFolder.filePath(QStringLiteral("NOWHERE/REPORT")));
        QTest::mouseClick(panel->Savebutton, Qt::LeftButton);
        QCOMPARE(rig->messageBoxes.shown,
                 QStringList{QStringLiteral("Specified directory does not exist")});
        QVERIFY(!QFile::exists(rig->saveFolder.filePath(QStringLiteral("NOWHERE"))));
    }

    void existingFileIsAppendedOverwrittenOrLeft_data() {
        QTest::addColumn<FileAction>("action");
        QTest::addColumn<int>("rules");
        QTest::newRow("append") << FileAction::Append << 2;
        QTest::newRow("overwrite") << FileAction::Overwrite << 1;
        QTest::newRow("cancel") << FileAction::Cancel << 1;
    }
    void existingFileIsAppendedOverwrittenOrLeft() {
        QFETCH(FileAction, action);
        QFETCH(int, rules);
        chooseHistory();
        const QString path = rig->saveFolder.filePath(QStringLiteral("REPORT"));
        QVERIFY(!QFile::exists(path));
        typeName(path);
        QTest::mouseClick(panel->Savebutton, Qt::LeftButton);
        const QByteArray first = contentOf(path);
        rig->messageBoxes.action = action;
        rig->clock.time = rig->clock.time.addSecs(60);
        QTest::mouseClick(panel->Savebutton, Qt::LeftButton);
        QCOMPARE(rig->messageBoxes.shown,
                 QStringList{QStringLiteral("Save File Action: File already exists...")});
        QCOMPARE(rulesIn(path), rules);
        QCOMPARE(contentOf(path) == first, action == FileAction::Cancel);
    }

    void unwritableFileIsReportedAndKept() {
        chooseHistory();
        // A folder where the file should be: the report cannot replace it.
        const QString path = rig->saveFolder.filePath(QStringLiteral("TAKEN"));
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
        typeName(path);
        rig->messageBoxes.action = FileAction::Overwrite;
        QTest::mouseClick(panel->Savebutton, Qt::LeftButton);
        QVERIFY(rig->program.link.status.text(StatusPanels::Link)
                    .startsWith(QStringLiteral("Could not save ") + path));
        QVERIFY(QFileInfo(path + QStringLiteral("/inside")).isDir());
    }

    void checkedSectionsAndNameAreKept() {
        panel->Calsavecheck->setChecked(true);
        typeName(QStringLiteral("SITE7"));
        main->close();
        QCOMPARE(store->value(QStringLiteral("Save Options"), QStringLiteral("Calibration Data"))
                     .toString(),
                 QStringLiteral("1"));
        QCOMPARE(
            store->value(QStringLiteral("Save Options"), QStringLiteral("Day Data")).toString(),
            QStringLiteral("0"));
        QCOMPARE(store->value(QStringLiteral("Settings"), QStringLiteral("Save File")).toString(),
                 QStringLiteral("SITE7"));
    }

    void printFormPrintsTheComposedReport() {
        QTest::mouseClick(main->toolBar->button(11), Qt::LeftButton);
        QVERIFY(panel->Printbutton->isVisible());
        QVERIFY(!panel->Savebutton->isVisible() && !panel->fileedit->isVisible());
        QCOMPARE(panel->height(), SavePanel::PrintLayoutHeight);
        QCOMPARE(panel->toolTip(), QStringLiteral("Print Data"));
        rig->printer.path = rig->saveFolder.filePath(QStringLiteral("printed.pdf"));
        QTest::mouseClick(panel->Printbutton, Qt::LeftButton);
        QCOMPARE(rig->printer.titles, QStringList{QStringLiteral("Print Data")});
        QVERIFY(contentOf(rig->printer.path).startsWith("%PDF"));
        QVERIFY(!QFile::exists(rig->saveFolder.filePath(QStringLiteral("program/SaveFile"))));
        QTest::mouseClick(main->toolBar->button(10), Qt::LeftButton);
        QVERIFY(panel->isHidden());
        QTest::mouseClick(main->toolBar->button(10), Qt::LeftButton);
        QVERIFY(panel->Savebutton->isVisible() && !panel->Printbutton->isVisible());
        QCOMPARE(panel->toolTip(), QStringLiteral("Save Data to File"));
    }

    void viewerShowsTheSavedReportAndPrintsIt() {
        chooseHistory();
        typeName(QStringLiteral("SITE4"));
        QTest::mouseClick(panel->Savebutton, Qt::LeftButton);
        TReadform& viewer = *rig->program.readform;
        QTest::mouseClick(panel->Readbutton, Qt::LeftButton);
        QVERIFY(viewer.isVisible());
        const QString path = rig->saveFolder.filePath(QStringLiteral("program/SITE4"));
        QCOMPARE(viewer.filelab->text(), QStringLiteral("Data in file:  ") + path);
        QVERIFY(viewer.Readedit->toPlainText().contains(QStringLiteral("HISTORY DATA")));
        QVERIFY(viewer.Readedit->toPlainText().contains(QStringLiteral("30\t")));
        rig->printer.path = rig->saveFolder.filePath(QStringLiteral("viewer.pdf"));
        QTest::mouseClick(viewer.BitBtn1, Qt::LeftButton);
        QCOMPARE(rig->printer.titles, QStringList{QStringLiteral("VX Data PrintOut")});
        QVERIFY(contentOf(rig->printer.path).startsWith("%PDF"));
        QTest::mouseClick(panel->Readbutton, Qt::LeftButton);
        QVERIFY(viewer.isHidden());
    }

    void viewerSaysWhenTheFileIsMissing() {
        rig->program.link.state.LanguageIndex = 2;
        typeName(QStringLiteral("NONE"));
        TReadform& viewer = *rig->program.readform;
        QSignalSpy beeps(&viewer, &TReadform::beep);
        QTest::mouseClick(panel->Readbutton, Qt::LeftButton);
        QCOMPARE(viewer.Readedit->toPlainText(), QStringLiteral("错误 - 文档不存在"));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("查看存档的数据"));
        QCOMPARE(beeps.count(), 1);
        QCOMPARE(beeps.first().first().toInt(), 1);
    }

private:
    // Runs a read of the type on the fake port, answered from a blank controller or, when it is
    // to fail, not answered at all.
    void runRead(int readType, bool fails) {
        const std::vector<int>& addresses = readList(readType);
        answerReadsFrom(rig->direct, rig->program.link.state, {},
                        fails ? QSet<int>(addresses.begin(), addresses.end()) : QSet<int>{});
        QCOMPARE(rig->program.link.startRead(readType, Requester::Window), ReadStart::Started);
        rig->runLink();
        QVERIFY(!rig->program.link.isBusy());
    }
    void chooseHistory() {
        runRead(ReadKind::History, false);
        panel->Datasavecheck->setChecked(true);
        panel->SaveButtonAvailableExecute();
    }
    void typeName(const QString& name) {
        panel->fileedit->setFocus();
        panel->fileedit->selectAll();
        QTest::keyClicks(panel->fileedit, name);
        QTest::keyClick(panel->fileedit, Qt::Key_Return);
    }

    std::unique_ptr<MemoryConfigStore> store;
    std::unique_ptr<ProgramRig> rig;
    Tmainform* main = nullptr;
    SavePanel* panel = nullptr;
};

TARVIK_WIDGET_TEST_MAIN(SavePanelTest)

#include "test_savepanel.moc"
