#pragma once

#include "common/statuspanels.h"

#include <QObject>

// Watches the whole application: whenever the hint of the control under the mouse changes,
// status panel 0 shows it.
class ShowHintInStatusBar : public QObject {
    Q_OBJECT
public:
    explicit ShowHintInStatusBar(StatusPanels& panels, QObject* parent = nullptr)
        : QObject(parent), panels_(panels) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StatusPanels& panels_;
};
