#include "shell/ui/menuarrowbutton.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {

constexpr int ArrowSize = 7, IconGap = 2, IconTop = 3;

} // namespace

QRect MenuArrowButton::menuArrowRect() const {
    const QSize icon = iconSize();
    const int left = (width() + icon.width()) / 2 + IconGap;
    const int top = IconTop + (icon.height() - ArrowSize) / 2;
    return {left, top, ArrowSize, ArrowSize};
}

void MenuArrowButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const bool hasMenu = option.features.testFlag(QStyleOptionToolButton::HasMenu);
    option.features.setFlag(QStyleOptionToolButton::HasMenu, false);
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    if (!hasMenu)
        return;
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = menuArrowRect();
    painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);
}
