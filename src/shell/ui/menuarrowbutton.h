#pragma once

#include <QToolButton>

// A tool button with its caption under the icon whose drop-down arrow stands beside the icon:
// in the corner, where the style puts it, the arrow would cover the caption.
class MenuArrowButton : public QToolButton {
    Q_OBJECT
public:
    using QToolButton::QToolButton;

    // Where the arrow is drawn while the button has a menu.
    QRect menuArrowRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
