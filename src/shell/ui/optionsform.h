#pragma once

#include "shell/shellconfiguration.h"

#include <QDialog>

class ConfigStore;
class ControllerLink;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class Tmainform;

// The options dialog: the number format of the single command tool and whether writes are read
// back, on pages chosen in a tree. It also keeps the main window's position: it moves the main
// window to the stored place when it is created and stores the place at the end of the run.
class TOptionsForm : public QDialog {
    Q_OBJECT
public:
    TOptionsForm(ConfigStore& store, Tmainform& mainform, ControllerLink& link);

    // Reads the stored options, moves the main window and applies them.
    void LoadOptions();
    // Stores the options as the dialog holds them and the main window's position.
    void SaveOptions();
    // The main window's "&Options" menu item: the dialog, modal to the main window.
    void open() override;

    QTreeWidget* JvTreeView1;
    QStackedWidget* OptionsPageControl;
    QGroupBox* grpSingleCommandNumberKind;
    QButtonGroup* numberKindButtons;
    QCheckBox* verifyWritesCheck;
    QCheckBox* fastRepliesCheck;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnHelp;

signals:
    // The dialog's help button.
    void helpWanted();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createGeneralPage();
    QWidget* createSingleCommandPage();
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& caption, int page);
    void placeMainWindow();
    void FormActivate();
    void JvTreeView1Change(QTreeWidgetItem* node);
    void btnOKClick();
    void applyOptions();

    ConfigStore& store_;
    Tmainform& mainform_;
    ControllerLink& link_;
    WindowOptions options_;
};
