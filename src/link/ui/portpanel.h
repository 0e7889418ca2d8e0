#pragma once

#include "link/linkports.h"
#include "link/modemlink.h"
#include "platform/portmap.h"
#include "platform/serialportlister.h"

#include <QFrame>
#include <QList>

class ComPortEdit;
class DeviceCombo;
class QCheckBox;
class FastRepliesBox;
class QComboBox;
class QLineEdit;
class QLabel;
class QSpinBox;
class QToolButton;

// The communications panel: the direct and modem COM numbers with the device behind each, the
// baud selector, the modem path delay, the modem's set-up string and pulse dialling, and the fast
// replies option.
class PortPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int Width = 297, Height = 338;

    PortPanel(LinkPorts& ports, LinkState& link, ModemLink& modem, PortMap& portMap,
              const SerialPortLister& lister, QWidget* parent = nullptr);

    // Shows what the link holds now (after start-up has set it).
    void showLinkValues();
    // Shows the set-up string and pulse dialling, or the telephony device and its selection.
    void modemselectset();
    // The controls that take the language's face.
    QList<QWidget*> faceControls() const;

    QLabel* Directlab;
    QLabel* Portlab;
    QLabel* Baudlab;
    QLabel* Modemlab;
    QLabel* Mportlab;
    QLabel* Timedelaylab;
    ComPortEdit* ebDirectComPortNum;
    ComPortEdit* ebModemComPortNum;
    DeviceCombo* directDevice;
    DeviceCombo* modemDevice;
    QComboBox* baudbox;
    QSpinBox* TimedelayEdit;
    QLabel* Setuplab;
    QLineEdit* Setupedit;
    QCheckBox* Pulsecheck;
    QCheckBox* Tapicheck;
    QToolButton* Tapiselbutton;
    FastRepliesBox* fastReplies;

private:
    void createControls(const SerialPortLister& lister);
    void placeControls();
    void connectControls();
    void chooseDevice(int port, const QString& device);
    void showDevices();
    void SetupeditChange();
    void TapicheckClick();
    void TapiselbuttonClick();
    bool tapiOn() const;

    LinkPorts& ports_;
    LinkState& link_;
    ModemLink& modem_;
    PortMap& portMap_;
    const SerialPortLister& lister_;
};
