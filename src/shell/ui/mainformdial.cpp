#include "link/ui/dialpanel.h"
#include "link/ui/portpanel.h"
#include "shell/dialpaneltexts.h"
#include "shell/ui/logpanel.h"
#include "shell/ui/mainform.h"
#include "shell/ui/maintoolbar.h"
#include "shell/ui/toolbarimages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

void Tmainform::bindDialTexts() {
    using namespace DialText;
    texts_.captionAndHint(Dialpanel->Hangup, Hangup);
    texts_.captionAndHint(Dialpanel->bookbtn, bookbtn);
    texts_.captionAndHint(Dialpanel->Dialbutton, DialbuttonHint);
    texts_.hint(Dialpanel->phoneidedit, phoneideditHint);
    texts_.hint(Dialpanel->dialedit, dialeditHint);
    texts_.hint(Dialpanel->mcanbutton, mcanbuttonHint);
    texts_.hint(Dialpanel, DialpanelHint);
    texts_.captionAndHint(companel->Pulsecheck, Pulsecheck);
    texts_.hint(companel->Setupedit, SetupeditHint);
    texts_.captionAndHint(companel->Tapiselbutton, Tapiselbutton);
    texts_.hint(companel->Tapicheck, TapicheckHint);
}

void Tmainform::connectDialControls() {
    connect(toolBar->button(9), &QToolButton::clicked, this, &Tmainform::ToolButton9Click);
    Dialpanel->mcanbutton->setIcon(QIcon(cancelGlyph()));
    connect(Dialpanel->mcanbutton, &QToolButton::clicked, this, &Tmainform::ToolButton9Click);
    connect(Dialpanel, &DialPanel::resized, this, &Tmainform::fitToVisibleControls);
    ModemLink& modem = link_.modem();
    connect(&modem, &ModemLink::connectionChanged, this, &Tmainform::showConnection);
    connect(&modem, &ModemLink::logConnectionUp, this, &Tmainform::startLogRead);
    connect(Dialpanel->dialedit, &QLineEdit::textChanged, this,
            [this](const QString& number) { state_.configuration.dialString = number; });
    connect(Logpanel->Lognumedit, &QLineEdit::textChanged, this,
            [&modem](const QString& number) { modem.settings.logNumber = number; });
}

void Tmainform::showDialHeaders() {
    const int language = link_.state.LanguageIndex;
    companel->modemselectset();
    Dialpanel->setHeaders(text(DialText::NameHeader, language),
                          text(DialText::NumberHeader, language));
}

void Tmainform::readDialConfiguration() {
    const ShellConfiguration& stored = state_.configuration;
    QList<PhoneEntry> entries;
    for (const PhoneBookRow& row : stored.phoneList)
        entries.append({row.name, row.number});
    Dialpanel->setEntries(entries);
    Dialpanel->PhoneListLine = stored.PhoneListLine;
    Dialpanel->dialedit->setText(stored.dialString);
    Logpanel->dialupcheck->setChecked(stored.save.logDialUpEnabled);
    link_.modem().settings.ModemSetString = stored.ModemSetString;
    link_.modem().settings.Tapicheck = stored.save.tapiSelection;
    if (TelephonyDevice* device = link_.modem().telephony())
        device->setSelectedDevice(stored.selectedTapiDevice);
    link_.modem().settings.logNumber = stored.logNumber;
}

void Tmainform::collectDialConfiguration() {
    ShellConfiguration& stored = state_.configuration;
    const QList<PhoneEntry> entries = Dialpanel->entries();
    for (int row = 0; row < ShellConfiguration::PhoneBookRows && row < entries.size(); ++row)
        stored.phoneList[static_cast<size_t>(row)] = {entries.at(row).name, entries.at(row).number};
    stored.PhoneListLine = Dialpanel->PhoneListLine;
    stored.dialString = Dialpanel->dialedit->text();
    stored.logNumber = Logpanel->Lognumedit->text();
    stored.save.logDialUpEnabled = Logpanel->dialupcheck->isChecked();
    stored.ModemSetString = link_.modem().settings.ModemSetString;
    stored.save.tapiSelection = link_.modem().settings.Tapicheck;
    if (const TelephonyDevice* device = link_.modem().telephony())
        stored.selectedTapiDevice = device->selectedDevice();
}

void Tmainform::ToolButton9Click() {
    togglePanel(Dialpanel);
    if (Dialpanel->isVisible())
        Dialpanel->panelShown();
}

void Tmainform::showConnection(bool connected) {
    toolBar->setImage(9, connected ? ToolImage::Connected : ToolImage::Dial);
}

// An entry is due: the log dials the site when it is asked to and no dial for it is waiting,
// otherwise it reads over the link in use.
void Tmainform::logDue() {
    const ModemLink& modem = link_.modem();
    if (Logpanel->dialupcheck->isChecked() && !modem.state().LogDialRequested &&
        !link_.log.LogPending) {
        link_.modem().dialup(DialCaller::Log);
        return;
    }
    startLogRead();
}
