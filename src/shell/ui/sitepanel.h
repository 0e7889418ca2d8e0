#pragma once

#include "shell/ui/colouredpanel.h"

class QLabel;
class QSpinBox;

// The site number of the controller on a shared line, 0..240.
class SitePanel : public ColouredPanel {
    Q_OBJECT
public:
    explicit SitePanel(QWidget* parent);

    QLabel* Sitelab;
    QSpinBox* Sitespin;
};
