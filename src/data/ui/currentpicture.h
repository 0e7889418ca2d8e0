#pragma once

#include <QWidget>

// The panel behind the current-state labels: a sky over a solar array, and a battery in the
// middle where the battery voltage shows. It only decorates.
class CurrentPicture : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};
