#include "shell/ui/exitpanel.h"

#include "shell/ui/toolbarimages.h"

#include <QLabel>
#include <QToolButton>

namespace {

QToolButton* glyphButton(const QPixmap& glyph, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setIcon(glyph);
    button->setIconSize(QSize(24, 24));
    return button;
}

} // namespace

ExitPanel::ExitPanel(QWidget* parent) : ColouredPanel(Qt::red, parent) {
    exitlab = new QLabel(this);
    exitlab->setAlignment(Qt::AlignCenter);
    exitlab->setGeometry(2, 6, 69, 22);
    Versionlab = new QLabel(this);
    Versionlab->setAlignment(Qt::AlignCenter);
    Versionlab->setGeometry(2, 30, 69, 18);
    exityesBitBtn = glyphButton(confirmGlyph(), this);
    exityesBitBtn->setGeometry(5, 60, 30, 40);
    exitnoBitBtn = glyphButton(cancelGlyph(), this);
    exitnoBitBtn->setGeometry(38, 60, 30, 40);
    QPalette white = palette();
    white.setColor(QPalette::WindowText, Qt::white);
    exitlab->setPalette(white);
    Versionlab->setPalette(white);
}
