#pragma once

#include <QColor>
#include <QFrame>

// A raised panel of one colour, as the main window's panels are.
class ColouredPanel : public QFrame {
    Q_OBJECT
public:
    ColouredPanel(const QColor& colour, QWidget* parent);
};
