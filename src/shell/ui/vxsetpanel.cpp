#include "shell/ui/vxsetpanel.h"

#include "shell/ui/toolbarimages.h"

#include <QToolButton>

namespace {

QToolButton* glyphButton(const QPixmap& glyph, int top, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setIcon(glyph);
    button->setIconSize(QSize(28, 28));
    button->setGeometry(23, top, 60, 40);
    return button;
}

} // namespace

VxsetPanel::VxsetPanel(QWidget* parent) : ColouredPanel(Qt::cyan, parent) {
    setsavebbut = glyphButton(toolBarImage(ToolImage::Save), 6, this);
    setgetbbut = glyphButton(openFolderGlyph(), 51, this);
    setcancelbut = glyphButton(cancelGlyph(), 96, this);
}
