#pragma once

#include "link/linkports.h"
#include "platform/portmap.h"
#include "platform/serialportlister.h"

#include <QFrame>
#include <QList>

class ComPortEdit;
class DeviceCombo;
class FastRepliesBox;
class QComboBox;
class QLabel;
class QSpinBox;

// The ports part of the communications panel: the direct and modem COM numbers with the device
// behind each, the baud selector, the modem path delay and the fast replies option.
class PortPanel : public QFrame {
    Q_OBJECT
public:
    PortPanel(LinkPorts& ports, LinkState& link, PortMap& portMap, const SerialPortLister& lister,
              QWidget* parent = nullptr);

    // Shows what the link holds now (after start-up has set it).
    void showLinkValues();
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
    FastRepliesBox* fastReplies;

private:
    void createControls(const SerialPortLister& lister);
    void placeControls();
    void connectControls();
    void chooseDevice(int port, const QString& device);
    void showDevices();

    LinkPorts& ports_;
    LinkState& link_;
    PortMap& portMap_;
};
