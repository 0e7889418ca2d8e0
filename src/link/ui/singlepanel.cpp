#include "link/ui/singlepanel.h"

#include "link/singlecommandtexts.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

constexpr int VisibleListRows = 10;

bool showsAddress(int entry) {
    return entry >= 0 && entry <= static_cast<int>(SingleEntry::WriteEeprom);
}

bool showsData(int entry) {
    return entry == static_cast<int>(SingleEntry::WriteRam) ||
           entry == static_cast<int>(SingleEntry::WriteEeprom) ||
           entry == static_cast<int>(SingleEntry::SetSite);
}

bool isHistoryFill(int entry) {
    return entry == static_cast<int>(SingleEntry::ClearHistory) ||
           entry == static_cast<int>(SingleEntry::TestHistory);
}

QSpinBox* byteSpin(QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(0, 255);
    return spin;
}

} // namespace

Singlepanel::Singlepanel(ControllerLink& link, Confirmer& confirmer, QWidget* parent)
    : QFrame(parent), link_(link), confirmer_(confirmer) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    createControls();
    texts_.hint(this, SingleText::PanelHint);
    texts_.caption(singlab, SingleText::singlab);
    texts_.caption(Singlab1, SingleText::Singlab1);
    texts_.caption(singsend, SingleText::singsend);
    connect(sendcombo, &QComboBox::currentIndexChanged, this, &Singlepanel::sendcomboChange);
    connect(singsend, &QPushButton::clicked, this, &Singlepanel::singsendClick);
    connect(&link_, &ControllerLink::singleReplied, this, &Singlepanel::showReply);
    hide();
}

void Singlepanel::createControls() {
    singlab = new QLabel(this);
    QFont bold = singlab->font();
    bold.setBold(true);
    singlab->setFont(bold);
    singlab->setAlignment(Qt::AlignCenter);
    singlab->setGeometry(4, 4, 242, 18);
    Singlab1 = new QLabel(this);
    Singlab1->setGeometry(6, 28, 68, 20);
    sendcombo = new QComboBox(this);
    sendcombo->setMaxVisibleItems(VisibleListRows);
    sendcombo->setGeometry(76, 26, 168, 24);
    Singlab2 = new QLabel(this);
    Singlab2->setGeometry(6, 58, 120, 20);
    spinSendAddress = byteSpin(this);
    spinSendAddress->setGeometry(128, 56, 64, 24);
    Singlab3 = new QLabel(this);
    Singlab3->setGeometry(6, 86, 120, 20);
    spinSendData = byteSpin(this);
    spinSendData->setGeometry(128, 84, 64, 24);
    singsend = new QPushButton(this);
    singsend->setGeometry(196, 56, 48, 52);
    Reccap = new QLabel(this);
    Reccap->setGeometry(6, 124, 68, 22);
    reclab = new QLabel(this);
    reclab->setFrameShape(QFrame::Panel);
    reclab->setFrameShadow(QFrame::Sunken);
    reclab->setGeometry(76, 122, 168, 26);
}

void Singlepanel::sendcomboload() {
    const QSignalBlocker quiet(sendcombo);
    sendcombo->clear();
    for (const TextRow& entry : SingleText::CommandEntries)
        sendcombo->addItem(text(entry, language()));
    if (link_.state.SiteMode) {
        sendcombo->addItem(text(SingleText::SetSiteEntry, language()));
        sendcombo->addItem(text(SingleText::ProgramAlarmUnitEntry, language()));
        sendcombo->addItem(text(SingleText::SelectLogMode, language()));
    } else {
        sendcombo->addItem(text(SingleText::SelectSiteMode, language()));
    }
    sendcombo->setCurrentIndex(0);
}

void Singlepanel::shown() {
    reclab->clear();
    layoutPanel();
}

void Singlepanel::sendcomboChange(int entry) {
    const bool siteMode = link_.state.SiteMode;
    if (siteMode && entry == ProgramAlarmUnitEntry)
        emit programAlarmUnitRequested();
    if (siteMode && entry == LogModeEntry)
        link_.state.SiteMode = false;
    if (!siteMode && entry == SiteModeEntry)
        link_.state.SiteMode = true;
    if (link_.state.SiteMode != siteMode) {
        sendcomboload();
        emit siteModeChanged();
    }
    layoutPanel();
}

// Only the entries that send something have their controls; the reply of the last is cleared.
void Singlepanel::layoutPanel() {
    const int entry = sendcombo->currentIndex();
    Reccap->clear();
    reclab->clear();
    Singlab2->setVisible(showsAddress(entry));
    spinSendAddress->setVisible(showsAddress(entry));
    Singlab3->setVisible(showsData(entry));
    spinSendData->setVisible(showsData(entry));
    const bool setSite = link_.state.SiteMode && entry == static_cast<int>(SingleEntry::SetSite);
    Singlab3->setText(text(setSite ? SingleText::SiteNumber : SingleText::DataToSend, language()));
}

// The fills overwrite the controller's 30-day record, so they are asked about first.
void Singlepanel::singsendClick() {
    const int entry = sendcombo->currentIndex();
    const bool sends = entry <= static_cast<int>(SingleEntry::TestHistory) ||
                       (link_.state.SiteMode && entry == static_cast<int>(SingleEntry::SetSite));
    if (!sends)
        return;
    if (!isHistoryFill(entry)) {
        send(entry);
        return;
    }
    const TextRow& question = entry == static_cast<int>(SingleEntry::ClearHistory)
                                  ? SingleText::ConfirmClearHistory
                                  : SingleText::ConfirmTestHistory;
    confirmer_.confirm(this, text(question, language()), [this, entry](bool yes) {
        if (yes)
            send(entry);
    });
}

void Singlepanel::send(int entry) {
    reclab->clear();
    link_.sendSingle(static_cast<SingleEntry>(entry), spinSendAddress->value(),
                     spinSendData->value());
}

void Singlepanel::showReply(const SingleReply& reply) {
    Reccap->setText(reply.captionText(language()));
    reclab->setText(reply.text(kind_, language()));
}

void Singlepanel::SendSingleNumberKindExecute(int kind) {
    kind_ = numberKindFromOption(kind);
    const int base = kind_ == NumberKind::Hexadecimal ? 16 : 10;
    spinSendAddress->setDisplayIntegerBase(base);
    spinSendData->setDisplayIntegerBase(base);
    showAddressLabel();
}

void Singlepanel::showAddressLabel() {
    Singlab2->setText(text(kind_ == NumberKind::Hexadecimal ? SingleText::AddressHexadecimal
                                                            : SingleText::AddressDecimal,
                           language()));
}

void Singlepanel::ApplyLanguage() {
    texts_.apply(language());
    showAddressLabel();
    sendcomboload();
    layoutPanel();
}
