#include "programrig.h"
#include "widgettestmain.h"

#include "common/ui/languagefont.h"
#include "shell/helpfiles.h"
#include "shell/ui/helpform.h"
#include "shell/ui/languagegroup.h"
#include "shell/ui/maintoolbar.h"
#include "shell/ui/optionsform.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The folder of the tarvik program in the build tree, where the build puts the help files.
const QString BuiltHelpFolder = QStringLiteral(TARVIK_HELP_DIR);

// With TARVIK_SCREENSHOTS naming a folder, keeps a picture of the window there.
void screenshot(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("TARVIK_SCREENSHOTS");
    if (!folder.isEmpty())
        QVERIFY(window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
}

QString firstLine(const QTextEdit* edit) {
    return edit->toPlainText().section(QLatin1Char('\n'), 0, 0);
}

void touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 x}");
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Each language's caption, font and file as the build leaves it beside the program; an index
    // beyond the languages shows English.
    void showsTheFileOfItsLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("body");
        QTest::newRow("english") << 0 << "HELP"
                                 << "TARVIK Help"
                                 << "When a read fails";
        QTest::newRow("french") << 1 << "ASSISTANCE"
                                << "Assistance TARVIK"
                                << "Quand une lecture échoue";
        QTest::newRow("chinese") << 2 << "帮助"
                                 << "TARVIK 帮助"
                                 << "读取失败时";
        QTest::newRow("german") << 3 << "Hilfe"
                                << "TARVIK Hilfe"
                                << "Wenn das Lesen fehlschlägt";
        QTest::newRow("beyond") << 7 << "HELP"
                                << "TARVIK Help"
                                << "When a read fails";
    }
    void showsTheFileOfItsLanguage() {
        QFETCH(int, language);
        QFETCH(QString, caption);
        QFETCH(QString, title);
        QFETCH(QString, body);
        const LanguageFonts fonts;
        Thelpform help(language, fonts, helpFolders(BuiltHelpFolder));
        help.show();
        QCOMPARE(help.windowTitle(), caption);
        QCOMPARE(help.pos(), QPoint(0, 96));
        QCOMPARE(help.width(), 500);
        QCOMPARE(help.helpedit->font().family(), languageFont(fonts, language).family());
        QVERIFY(help.helpedit->isReadOnly());
        QCOMPARE(firstLine(help.helpedit), title);
        const QString shown = help.helpedit->toPlainText();
        QVERIFY(shown.contains(body));
        QVERIFY(shown.contains(QStringLiteral("sudo usermod -aG dialout $USER")));
        // Every character came through: no fallback marks, no rich-text words left over (the
        // help texts hold no question mark).
        QVERIFY(!shown.contains(u'?'));
        QVERIFY(!shown.contains(QStringLiteral("\\u")));
        if (language == 2)
            screenshot(help, QStringLiteral("help-chinese"));
        else if (language == 0)
            screenshot(help, QStringLiteral("help-english"));
    }

    // The message names the file beside the program in full, in the language's words.
    void missingFileNamesItsFullPath_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("english") << 0 << "ERROR  File %1 Not Found";
        QTest::newRow("french, no texts") << 1 << " %1 ";
        QTest::newRow("chinese") << 2 << "错误 文档 %1 没有找到";
        QTest::newRow("german") << 3 << "Fehler Datei %1 nicht gefunden";
    }
    void missingFileNamesItsFullPath() {
        QFETCH(int, language);
        QFETCH(QString, message);
        QTemporaryDir program;
        const LanguageFonts fonts;
        Thelpform help(language, fonts, helpFolders(program.path()));
        const QString path =
            QDir::toNativeSeparators(QDir(program.path()).filePath(helpFileName(language)));
        QCOMPARE(help.helpedit->toPlainText(), message.arg(path));
    }

    // Beside the program first (a build tree, a portable copy), then the installed data folder.
    void besideTheProgramComesBeforeTheInstalledData() {
        QTemporaryDir prefix;
        QDir root(prefix.path());
        QVERIFY(root.mkpath(QStringLiteral("bin")) && root.mkpath(QStringLiteral("share/tarvik")));
        const QStringList folders = helpFolders(root.filePath(QStringLiteral("bin")));
        const QString installed = root.filePath(QStringLiteral("share/tarvik/vxhlpger.rtf"));
        const QString beside = root.filePath(QStringLiteral("bin/vxhlpger.rtf"));
        touch(installed);
        QCOMPARE(helpFilePath(folders, 3), QDir::toNativeSeparators(installed));
        touch(beside);
        QCOMPARE(helpFilePath(folders, 3), QDir::toNativeSeparators(beside));
    }

    // A stored French choice shows the French file, though French cannot be chosen; the window
    // takes up a new language when it is activated again.
    void helpButtonShowsTheStoredLanguageAndFollowsChanges() {
        MemoryConfigStore store;
        store.writeString(QStringLiteral("Settings"), QStringLiteral("Language Number"),
                          QStringLiteral("1"));
        ProgramRig rig(store, {}, helpFolders(BuiltHelpFolder));
        Tmainform& main = *rig.program.mainform;
        Thelpform& help = *rig.program.helpform;
        QVERIFY(!help.isVisible());
        QTest::mouseClick(main.toolBar->button(3), Qt::LeftButton);
        QVERIFY(help.isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QCOMPARE(help.windowTitle(), QStringLiteral("ASSISTANCE"));
        QCOMPARE(firstLine(help.helpedit), QStringLiteral("Assistance TARVIK"));

        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::mouseClick(main.toolBar->button(2), Qt::LeftButton);
        QTest::mouseClick(main.Langgroup->germanselect, Qt::LeftButton);
        QCOMPARE(firstLine(help.helpedit), QStringLiteral("Assistance TARVIK"));
        help.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QCOMPARE(help.windowTitle(), QStringLiteral("Hilfe"));
        QCOMPARE(firstLine(help.helpedit), QStringLiteral("TARVIK Hilfe"));

        QTest::mouseClick(main.toolBar->button(3), Qt::LeftButton);
        QVERIFY(!help.isVisible());
    }
};

class OptionsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init() { store = std::make_unique<MemoryConfigStore>(); }
    void cleanup() { store.reset(); }

    // The main window goes back where it was left, without the dialog being opened in either run.
    void positionIsRestoredWithoutOpeningTheDialog() {
        {
            ProgramRig rig(*store);
            rig.program.mainform->move(310, 220);
            rig.program.mainform->close();
        }
        QCOMPARE(store->value(QStringLiteral("Options"), QStringLiteral("MainFormLeft")), 310);
        ProgramRig rig(*store);
        QCOMPARE(rig.program.mainform->pos(), QPoint(310, 220));
        QVERIFY(!rig.program.optionsform->isVisible());
    }

    // A place no screen shows any more (a monitor taken away) gives the default place.
    void aPositionOffEveryScreenGivesTheDefault() {
        store->writeInteger(QStringLiteral("Options"), QStringLiteral("MainFormLeft"), 30000);
        ProgramRig rig(*store);
        QCOMPARE(rig.program.mainform->pos(), QPoint(240, 45));
    }

    // The menu item opens the dialog; the tree picks the page and the caption; OK stores the
    // options with the window's place and applies them at once.
    void okStoresAndAppliesAtOnce() {
        ProgramRig rig(*store, {QStringLiteral("-debug")});
        Tmainform& main = *rig.program.mainform;
        TOptionsForm& options = *rig.program.optionsform;
        QSignalSpy kinds(&main, &Tmainform::singleNumberKindChanged);
        QVERIFY(main.Options1->isEnabled());
        main.Options1->trigger();
        QVERIFY(options.isVisible());
        QVERIFY(options.isModal());
        QCOMPARE(options.windowTitle(), QStringLiteral("Options"));
        QVERIFY(options.verifyWritesCheck->isChecked());

        choose(options, QStringLiteral("Single Command"));
        QCOMPARE(options.windowTitle(), QStringLiteral("Options - Single Command"));
        QCOMPARE(options.OptionsPageControl->currentIndex(), 1);
        QVERIFY(options.numberKindButtons->button(0)->isChecked());
        chooseHex(options);
        screenshot(options, QStringLiteral("options-single-command"));
        choose(options, QStringLiteral("General"));
        QCOMPARE(options.windowTitle(), QStringLiteral("Options - General"));
        QCOMPARE(options.OptionsPageControl->currentIndex(), 0);
        clickMark(options.verifyWritesCheck);
        QVERIFY(!options.verifyWritesCheck->isChecked());
        QVERIFY(!options.fastRepliesCheck->isChecked());
        clickMark(options.fastRepliesCheck);
        main.move(120, 80);
        store->journal.clear();

        QTest::mouseClick(options.btnOK, Qt::LeftButton);
        QVERIFY(!options.isVisible());
        QCOMPARE(store->journal,
                 (QStringList{"write Options/SingleCommandNumberKind=1",
                              "write Options/MainFormLeft=120", "write Options/MainFormTop=80",
                              "write Options/Verify writes=0", "write Options/Fast replies=1"}));
        QVERIFY(rig.program.link.state.fastReplies);
        QCOMPARE(kinds.last().at(0).toInt(), 1);
        QCOMPARE(main.singleNumberKind(), 1);
        QVERIFY(!rig.program.link.verifyWrites());
    }

    // Cancel forgets what was changed: the dialog shows the held values again and the end of
    // the run stores those.
    void cancelForgetsTheChange() {
        ProgramRig rig(*store, {QStringLiteral("-debug")});
        TOptionsForm& options = *rig.program.optionsform;
        rig.program.mainform->Options1->trigger();
        choose(options, QStringLiteral("Single Command"));
        chooseHex(options);
        QTest::mouseClick(options.btnCancel, Qt::LeftButton);
        QVERIFY(!options.isVisible());
        QCOMPARE(rig.program.mainform->singleNumberKind(), 0);
        rig.program.mainform->Options1->trigger();
        QVERIFY(options.numberKindButtons->button(0)->isChecked());
        chooseHex(options);
        QTest::mouseClick(options.btnCancel, Qt::LeftButton);
        rig.program.mainform->close();
        QCOMPARE(store->value(QStringLiteral("Options"), QStringLiteral("SingleCommandNumberKind")),
                 0);
    }

    // The dialog's help button shows the help beside it; the dialog stays open.
    void helpButtonShowsTheHelp() {
        ProgramRig rig(*store, {QStringLiteral("-debug")});
        rig.program.mainform->Options1->trigger();
        for (int press = 0; press < 2; ++press) {
            QTest::mouseClick(rig.program.optionsform->btnHelp, Qt::LeftButton);
            QVERIFY(rig.program.helpform->isVisible());
        }
        QVERIFY(rig.program.optionsform->isVisible());
    }

    // The stored options reach the main window and the link at start.
    void storedOptionsApplyAtStart() {
        store->writeInteger(QStringLiteral("Options"), QStringLiteral("SingleCommandNumberKind"),
                            1);
        store->writeInteger(QStringLiteral("Options"), QStringLiteral("Verify writes"), 0);
        ProgramRig rig(*store);
        QCOMPARE(rig.program.mainform->singleNumberKind(), 1);
        QVERIFY(!rig.program.link.verifyWrites());
        QVERIFY(rig.program.optionsform->numberKindButtons->button(1)->isChecked());
    }

private:
    // Check boxes and radio buttons take a click on their mark or their text only.
    static void clickMark(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    static void chooseHex(TOptionsForm& options) {
        clickMark(options.numberKindButtons->button(1));
        QVERIFY(options.numberKindButtons->button(1)->isChecked());
    }

    static void choose(TOptionsForm& options, const QString& node) {
        const QList<QTreeWidgetItem*> found =
            options.JvTreeView1->findItems(node, Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        QTreeWidget* tree = options.JvTreeView1;
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(found.first()).center());
    }

    std::unique_ptr<MemoryConfigStore> store;
};

TARVIK_WIDGET_TEST_MAIN(HelpWindowTest, OptionsDialogTest)
#include "test_helpoptions.moc"
