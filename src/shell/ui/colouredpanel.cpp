#include "shell/ui/colouredpanel.h"

ColouredPanel::ColouredPanel(const QColor& colour, QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
    hide();
}
