#include "shell/ui/sitepanel.h"

#include <QLabel>
#include <QSpinBox>

SitePanel::SitePanel(QWidget* parent) : ColouredPanel(Qt::yellow, parent) {
    Sitelab = new QLabel(this);
    Sitelab->setAlignment(Qt::AlignCenter);
    Sitelab->setGeometry(4, 8, 121, 24);
    Sitespin = new QSpinBox(this);
    Sitespin->setRange(0, 240);
    Sitespin->setGeometry(30, 40, 70, 28);
}
