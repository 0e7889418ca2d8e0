#pragma once

#include "platform/serialportlister.h"

#include <QComboBox>

// Picks the device behind a COM number: refilled from the system's serial ports each time it
// opens, editable for devices the system does not list (pseudo-terminals, adapters not yet
// plugged in), and it keeps a typed or absent device selected.
class DeviceCombo : public QComboBox {
    Q_OBJECT
public:
    DeviceCombo(const SerialPortLister& lister, QWidget* parent = nullptr);

    void showDevice(const QString& device);
    void showPopup() override;

signals:
    void deviceChosen(const QString& device);

private:
    void refill();

    const SerialPortLister& lister_;
};
