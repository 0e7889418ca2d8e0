#include "shell/ui/logpanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
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
    Lognumedit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,16}")), Lognumedit));
    connect(Samplecheck, &QCheckBox::clicked, this, &LogPanel::SamplecheckClick);
    connect(dialupcheck, &QCheckBox::toggled, this, &LogPanel::dialupcheckClick);
    SamplecheckClick();
    dialupcheckClick();
}

void LogPanel::dialupcheckClick() {
    Lognumedit->setEnabled(dialupcheck->isChecked());
}

void LogPanel::SamplecheckClick() {
    const bool on = Samplecheck->isChecked();
    rateedit->setEnabled(on);
    Waittimelab->setVisible(on);
}
