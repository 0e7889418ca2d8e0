#pragma once

#include "shell/ui/colouredpanel.h"

class QToolButton;

// Saving the controller's memory image to a settings file and loading one back.
class VxsetPanel : public ColouredPanel {
    Q_OBJECT
public:
    explicit VxsetPanel(QWidget* parent);

    QToolButton* setsavebbut;
    QToolButton* setgetbbut;
    QToolButton* setcancelbut;
};
