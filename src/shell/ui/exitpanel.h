#pragma once

#include "shell/ui/colouredpanel.h"

class QLabel;
class QToolButton;

// The exit confirmation: a question, the program's version, and yes and no glyph buttons.
class ExitPanel : public ColouredPanel {
    Q_OBJECT
public:
    explicit ExitPanel(QWidget* parent);

    QLabel* exitlab;
    QLabel* Versionlab;
    QToolButton* exityesBitBtn;
    QToolButton* exitnoBitBtn;
};
