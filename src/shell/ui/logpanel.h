#pragma once

#include "shell/ui/colouredpanel.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The periodic log panel: logging on or off, its interval in hours, the hours left, the log file
// and the modem choice.
class LogPanel : public ColouredPanel {
    Q_OBJECT
public:
    static constexpr int Width = 305;
    static constexpr int Height = 169;

    explicit LogPanel(QWidget* parent);

    // The interval and the hours left show only while logging is on.
    void SamplecheckClick();
    // The number to dial is typed only while the log dials.
    void dialupcheckClick();

    QCheckBox* Samplecheck;
    QSpinBox* rateedit;
    QLabel* Ratelab;
    QLabel* Waittimelab;
    QLineEdit* logedit;
    QPushButton* Logread;
    QCheckBox* dialupcheck;
    QLineEdit* Lognumedit;
};
