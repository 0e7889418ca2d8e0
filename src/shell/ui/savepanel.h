#pragma once

#include "shell/ui/colouredpanel.h"

class QToolButton;

// The save panel in its save layout. Of its commands only the settings-file button is built;
// the data report controls join it with the reports.
class SavePanel : public ColouredPanel {
    Q_OBJECT
public:
    static constexpr int SaveLayoutHeight = 169;

    explicit SavePanel(QWidget* parent);

    QToolButton* vxsetbutton;
};
