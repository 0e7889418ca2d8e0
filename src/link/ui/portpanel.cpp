#include "link/ui/portpanel.h"

#include "link/modemtexts.h"
#include "link/ui/comportedit.h"
#include "link/ui/devicecombo.h"
#include "link/ui/fastrepliesbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>

namespace {

// On Windows COM n is the port itself: there is no device to choose.
#ifdef Q_OS_WIN
constexpr bool DevicesChosen = false;
#else
constexpr bool DevicesChosen = true;
#endif

QLabel* heading(QWidget* parent) {
    auto* label = new QLabel(parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

PortPanel::PortPanel(LinkPorts& ports, LinkState& link, ModemLink& modem, PortMap& portMap,
                     const SerialPortLister& lister, QWidget* parent)
    : QFrame(parent), ports_(ports), link_(link), modem_(modem), portMap_(portMap),
      lister_(lister) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 255, 0));
    setPalette(colours);
    createControls(lister);
    placeControls();
    connectControls();
}

void PortPanel::createControls(const SerialPortLister& lister) {
    Directlab = heading(this);
    Portlab = new QLabel(this);
    Baudlab = new QLabel(this);
    Modemlab = heading(this);
    Mportlab = new QLabel(this);
    Timedelaylab = new QLabel(this);
    ebDirectComPortNum = new ComPortEdit(this);
    ebModemComPortNum = new ComPortEdit(this);
    directDevice = new DeviceCombo(lister, this);
    modemDevice = new DeviceCombo(lister, this);
    directDevice->setVisible(DevicesChosen);
    modemDevice->setVisible(DevicesChosen);
    baudbox = new QComboBox(this);
    baudbox->addItems(LinkPorts::BaudTexts);
    TimedelayEdit = new QSpinBox(this);
    TimedelayEdit->setRange(2, 20);
    Setuplab = new QLabel(this);
    Setupedit = new QLineEdit(this);
    Pulsecheck = new QCheckBox(this);
    Tapicheck = new QCheckBox(QStringLiteral("TAPI"), this);
    Tapiselbutton = new QToolButton(this);
    Tapiselbutton->setPopupMode(QToolButton::InstantPopup);
    Tapiselbutton->setMenu(new QMenu(Tapiselbutton));
    fastReplies = new FastRepliesBox(link_, this);
}

void PortPanel::placeControls() {
    Directlab->setGeometry(8, 4, 120, 20);
    Portlab->setGeometry(8, 30, 90, 20);
    ebDirectComPortNum->setGeometry(100, 28, 60, 24);
    directDevice->setGeometry(8, 56, 281, 24);
    Baudlab->setGeometry(8, 88, 90, 20);
    baudbox->setGeometry(100, 86, 80, 24);
    Modemlab->setGeometry(8, 116, 120, 20);
    Mportlab->setGeometry(8, 142, 90, 20);
    ebModemComPortNum->setGeometry(100, 140, 60, 24);
    modemDevice->setGeometry(8, 168, 281, 24);
    Timedelaylab->setGeometry(8, 200, 130, 20);
    TimedelayEdit->setGeometry(140, 198, 50, 24);
    Setuplab->setGeometry(8, 228, 130, 20);
    Setupedit->setGeometry(140, 226, 149, 24);
    Pulsecheck->setGeometry(8, 254, 130, 24);
    Tapicheck->setGeometry(8, 282, 130, 24);
    Tapiselbutton->setGeometry(140, 282, 100, 24);
    fastReplies->setGeometry(8, 310, 281, 22);
}

void PortPanel::connectControls() {
    connect(ebDirectComPortNum, &ComPortEdit::changed, this, [this](const QString& text) {
        ports_.ebDirectComPortNumChange(text);
        showDevices();
    });
    // Without the telephony device the modem on the new port gets its set-up string at once.
    connect(ebModemComPortNum, &ComPortEdit::changed, this, [this](const QString& text) {
        ports_.ebModemComPortNumChange(text);
        showDevices();
        if (!tapiOn())
            modem_.nontapimodemsetup();
    });
    connect(&ports_, &LinkPorts::comPortNumberShown, this, [this](int port, int number) {
        (port == LinkPorts::Direct ? ebDirectComPortNum : ebModemComPortNum)->showNumber(number);
    });
    connect(baudbox, &QComboBox::activated, this,
            [this](int index) { ports_.baudboxChange(index); });
    connect(TimedelayEdit, &QSpinBox::valueChanged, this,
            [this](int ticks) { link_.pathTimeDelay = ticks; });
    connect(Setupedit, &QLineEdit::editingFinished, this, &PortPanel::SetupeditChange);
    connect(Tapicheck, &QCheckBox::clicked, this, &PortPanel::TapicheckClick);
    connect(Tapiselbutton->menu(), &QMenu::aboutToShow, this, &PortPanel::TapiselbuttonClick);
    connect(Pulsecheck, &QCheckBox::toggled, this,
            [this](bool pulse) { modem_.settings.Pulsecheck = pulse; });
    connect(directDevice, &DeviceCombo::deviceChosen, this,
            [this](const QString& device) { chooseDevice(LinkPorts::Direct, device); });
    connect(modemDevice, &DeviceCombo::deviceChosen, this,
            [this](const QString& device) { chooseDevice(LinkPorts::Modem, device); });
}

void PortPanel::showLinkValues() {
    ebDirectComPortNum->showNumber(ports_.DirectPortNumber);
    ebModemComPortNum->showNumber(ports_.ModemPortNumber);
    baudbox->setCurrentIndex(std::clamp(ports_.baudIndex, 0, 3));
    TimedelayEdit->setValue(link_.pathTimeDelay);
    Pulsecheck->setChecked(modem_.settings.Pulsecheck);
    Tapicheck->setChecked(modem_.settings.Tapicheck);
    Tapicheck->setEnabled(modem_.telephony() != nullptr);
    modemselectset();
    fastReplies->showLinkValue();
    showDevices();
}

void PortPanel::showDevices() {
    directDevice->showDevice(portMap_.deviceFor(ports_.DirectPortNumber));
    modemDevice->showDevice(portMap_.deviceFor(ports_.ModemPortNumber));
}

// The port is closed so that the next use opens the chosen device.
void PortPanel::chooseDevice(int port, const QString& device) {
    const int number = port == LinkPorts::Direct ? ports_.DirectPortNumber : ports_.ModemPortNumber;
    if (device == portMap_.deviceFor(number))
        return;
    // An emptied choice goes back to the number's usual device.
    portMap_.setDevice(number, device);
    if (ports_.port(port).isOpen())
        ports_.port(port).close();
    showDevices();
}

bool PortPanel::tapiOn() const {
    return modem_.settings.Tapicheck && modem_.telephony() != nullptr;
}

void PortPanel::modemselectset() {
    const bool tapi = tapiOn();
    Setuplab->setText(
        text(tapi ? ModemText::TapiDevice : ModemText::SetupString, link_.LanguageIndex));
    Tapiselbutton->setVisible(tapi);
    Tapiselbutton->setEnabled(tapi);
    Pulsecheck->setVisible(!tapi);
    Pulsecheck->setEnabled(!tapi);
    Setupedit->setReadOnly(tapi);
    Setupedit->setText(tapi ? modem_.telephony()->selectedDevice()
                            : modem_.settings.ModemSetString);
}

// The string goes to the modem the next time its port opens.
void PortPanel::SetupeditChange() {
    if (!tapiOn())
        modem_.settings.ModemSetString = Setupedit->text();
}

// The modem port is closed either way: the telephony device opens it itself, and without it the
// modem gets its set-up string again.
void PortPanel::TapicheckClick() {
    modem_.settings.Tapicheck = Tapicheck->isChecked();
    modemselectset();
    if (ports_.Comport2.isOpen())
        ports_.Comport2.close();
    if (!tapiOn())
        modem_.nontapimodemsetup();
}

// The telephony device is one of the system's serial devices, listed afresh each time.
void PortPanel::TapiselbuttonClick() {
    QMenu* menu = Tapiselbutton->menu();
    menu->clear();
    for (const SerialDeviceInfo& device : lister_.availablePorts()) {
        QAction* action = menu->addAction(device.path);
        action->setToolTip(device.description);
        connect(action, &QAction::triggered, this, [this, path = device.path] {
            modem_.telephony()->setSelectedDevice(path);
            modemselectset();
        });
    }
}

QList<QWidget*> PortPanel::faceControls() const {
    return {Directlab,         Baudlab,   Portlab,       Mportlab,     Modemlab, ebDirectComPortNum,
            ebModemComPortNum, baudbox,   TimedelayEdit, Timedelaylab, Setuplab, Setupedit,
            Pulsecheck,        Tapicheck, Tapiselbutton, fastReplies};
}
