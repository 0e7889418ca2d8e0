#include "link/ui/devicecombo.h"

#include <QLineEdit>

DeviceCombo::DeviceCombo(const SerialPortLister& lister, QWidget* parent)
    : QComboBox(parent), lister_(lister) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::textActivated, this, &DeviceCombo::deviceChosen);
    connect(lineEdit(), &QLineEdit::editingFinished, this,
            [this] { emit deviceChosen(currentText().trimmed()); });
}

void DeviceCombo::showDevice(const QString& device) {
    const QSignalBlocker quiet(this);
    setEditText(device);
    setToolTip(itemData(findText(device), Qt::ToolTipRole).toString());
}

void DeviceCombo::showPopup() {
    refill();
    QComboBox::showPopup();
}

void DeviceCombo::refill() {
    const QString current = currentText();
    const QSignalBlocker quiet(this);
    clear();
    for (const SerialDeviceInfo& device : lister_.availablePorts()) {
        addItem(device.path);
        setItemData(count() - 1, device.description, Qt::ToolTipRole);
    }
    const int index = findText(current);
    if (index >= 0)
        setCurrentIndex(index);
    else
        setEditText(current);
}
