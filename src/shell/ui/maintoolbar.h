#pragma once

#include <QWidget>
#include <array>

class QMenu;
class QToolButton;

// The cool bar with the tool bar: the whole command set, left to right, in groups.
class MainToolBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int ButtonWidth = 46, ButtonHeight = 40;

    explicit MainToolBar(QWidget* parent);

    // ToolButton1 .. ToolButton12; index 0 is ToolButton1.
    QToolButton* button(int number) const { return buttons_[static_cast<size_t>(number - 1)]; }
    void setImage(int number, int imageIndex);
    // The debug mode's drop-down on the tools button, or none.
    void setToolsMenu(QMenu* menu);

private:
    std::array<QToolButton*, 12> buttons_{};
};
