#include "shell/ui/savepanel.h"

#include "data/reportfile.h"
#include "link/readsequences.h"
#include "shell/ui/toolbarimages.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

SavePanel::SavePanel(QWidget* parent) : ColouredPanel(Qt::yellow, parent) {
    Currsavecheck = new QCheckBox(this);
    Datasavecheck = new QCheckBox(this);
    Setsavecheck = new QCheckBox(this);
    Calsavecheck = new QCheckBox(this);
    int top = 16;
    for (QCheckBox* check : checks()) {
        check->setGeometry(8, top, 135, 20);
        check->setEnabled(false);
        connect(check, &QCheckBox::clicked, this, &SavePanel::SaveButtonAvailableExecute);
        top += 28;
    }
    vxsetbutton = new QToolButton(this);
    vxsetbutton->setIcon(toolBarImage(ToolImage::Settings));
    vxsetbutton->setIconSize(QSize(28, 28));
    vxsetbutton->setGeometry(152, 10, 50, 36);
    Savebutton = new QPushButton(QStringLiteral("Save"), this);
    Savebutton->setGeometry(152, 50, 50, 32);
    Readbutton = new QPushButton(QStringLiteral("View"), this);
    Readbutton->setGeometry(152, 88, 50, 32);
    fileedit = new QLineEdit(this);
    fileedit->setGeometry(8, 132, 158, 26);
    btnSave = new QToolButton(this);
    btnSave->setText(QStringLiteral("..."));
    btnSave->setGeometry(170, 132, 32, 26);
    connect(fileedit, &QLineEdit::editingFinished, this, &SavePanel::keepNameInUpperCase);
    Printbutton = new QPushButton(QStringLiteral("Print"), this);
    Printbutton->setGeometry(152, 18, 50, 40);
    Printbutton->hide();
    SaveButtonAvailableExecute();
}

void SavePanel::useSaveLayout() {
    resize(Width, SaveLayoutHeight);
    for (QWidget* control :
         std::initializer_list<QWidget*>{vxsetbutton, Savebutton, Readbutton, fileedit, btnSave})
        control->show();
    Printbutton->hide();
}

void SavePanel::usePrintLayout() {
    resize(Width, PrintLayoutHeight);
    for (QWidget* control :
         std::initializer_list<QWidget*>{vxsetbutton, Savebutton, Readbutton, fileedit, btnSave})
        control->hide();
    Printbutton->show();
}

bool SavePanel::printLayout() const {
    return !Printbutton->isHidden();
}

// A typed file name is kept in upper case once typed; its folder keeps its own case, which
// matters where file names are case-sensitive.
void SavePanel::keepNameInUpperCase() {
    const QString typed = fileedit->text();
    const QString folder = folderPart(typed);
    const QString wanted = folder + typed.mid(folder.size()).toUpper();
    if (wanted != typed)
        fileedit->setText(wanted);
}

std::array<QCheckBox*, 4> SavePanel::checks() const {
    return {Currsavecheck, Datasavecheck, Setsavecheck, Calsavecheck};
}

ReportSections SavePanel::chosenSections() const {
    const auto chosen = [](const QCheckBox* check) {
        return check->isEnabled() && check->isChecked();
    };
    return {chosen(Currsavecheck), chosen(Datasavecheck), chosen(Setsavecheck),
            chosen(Calsavecheck)};
}

void SavePanel::setChecked(const std::array<bool, 4>& checked) {
    for (size_t i = 0; i < checked.size(); ++i)
        checks().at(i)->setChecked(checked.at(i));
    SaveButtonAvailableExecute();
}

std::array<bool, 4> SavePanel::checkedStates() const {
    std::array<bool, 4> states{};
    for (size_t i = 0; i < states.size(); ++i)
        states.at(i) = checks().at(i)->isChecked();
    return states;
}

void SavePanel::enableForRead(int readType) {
    if (readType == ReadKind::Current || readType == ReadKind::Status)
        Currsavecheck->setEnabled(true);
    else if (readType == ReadKind::History)
        Datasavecheck->setEnabled(true);
    else if (readType >= ReadKind::SettingsPage1 && readType <= ReadKind::SettingsPage5)
        Setsavecheck->setEnabled(true);
    else if (readType == ReadKind::Calibration)
        Calsavecheck->setEnabled(true);
    SaveButtonAvailableExecute();
}

void SavePanel::disableAll() {
    for (QCheckBox* check : checks())
        check->setEnabled(false);
    SaveButtonAvailableExecute();
}

void SavePanel::SaveButtonAvailableExecute() {
    Savebutton->setEnabled(chosenSections().any());
}
