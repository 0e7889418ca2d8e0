#include "shell/ui/logpanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

LogPanel::LogPanel(QWidget* parent) : ColouredPanel(Qt::cyan, parent) {
    Samplecheck = new QCheckBox(this);
    Samplecheck->setGeometry(8, 12, 140, 24);
    rateedit = new QSpinBox(this);
    rateedit->setRange(1, 48);
    rateedit->setGeometry(150, 10, 56, 28);
    Ratelab = new QLabel(this);
    Ratelab->setGeometry(212, 12, 80, 24);
    Waittimelab = new QLabel(this);
    Waittimelab->setGeometry(150, 42, 80, 20);
    logedit = new QLineEdit(this);
    logedit->setGeometry(8, 70, 220, 26);
    Logread = new QPushButton(QStringLiteral("View"), this);
    Logread->setGeometry(236, 66, 60, 32);
    dialupcheck = new QCheckBox(this);
    dialupcheck->setGeometry(8, 106, 200, 24);
    Lognumedit = new QLineEdit(this);
    Lognumedit->setMaxLength(16);
    Lognumedit->setGeometry(8, 134, 220, 26);
    // Dialling the site for each entry needs the modem dial-up, which this program does not
    // have yet.
    dialupcheck->setEnabled(false);
    Lognumedit->setEnabled(false);
    connect(Samplecheck, &QCheckBox::clicked, this, &LogPanel::SamplecheckClick);
    SamplecheckClick();
}

void LogPanel::SamplecheckClick() {
    const bool on = Samplecheck->isChecked();
    rateedit->setEnabled(on);
    Waittimelab->setVisible(on);
}
