#include "shell/ui/savepanel.h"

#include "shell/ui/toolbarimages.h"

#include <QToolButton>

SavePanel::SavePanel(QWidget* parent) : ColouredPanel(Qt::yellow, parent) {
    vxsetbutton = new QToolButton(this);
    vxsetbutton->setIcon(toolBarImage(ToolImage::Settings));
    vxsetbutton->setIconSize(QSize(32, 32));
    vxsetbutton->setGeometry(152, 110, 50, 40);
}
