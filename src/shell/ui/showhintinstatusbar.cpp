#include "shell/ui/showhintinstatusbar.h"

#include <QStatusTipEvent>

bool ShowHintInStatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::StatusTip)
        panels_.setText(StatusPanels::Hint, static_cast<QStatusTipEvent*>(event)->tip());
    return QObject::eventFilter(watched, event);
}
