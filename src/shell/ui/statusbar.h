#pragma once

#include "common/statuspanels.h"

#include <QFrame>
#include <array>

class QLabel;

// The main window's status bar: hint, clock, port, baud, a hidden panel and link messages.
// A text wider than its panel is cut with an ellipsis and shown whole as the panel's tool tip.
class StatusBar : public QFrame {
    Q_OBJECT
public:
    static constexpr std::array<int, StatusPanels::Count> PanelWidths{240, 166, 50, 49, 0, 150};

    explicit StatusBar(StatusPanels& panels, QWidget* parent = nullptr);

    QLabel* panel(int index) const { return labels_[static_cast<size_t>(index)]; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void show(int panel, const QString& text);
    void placePanels();

    StatusPanels& panels_;
    std::array<QLabel*, StatusPanels::Count> labels_{};
};
