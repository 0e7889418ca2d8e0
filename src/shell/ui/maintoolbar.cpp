#include "shell/ui/maintoolbar.h"

#include "shell/ui/menuarrowbutton.h"
#include "shell/ui/toolbarimages.h"

#include <QFrame>
#include <QMenu>
#include <QToolButton>

namespace {

constexpr int Separator = 0, ToolsButton = 7;
// Left to right: button numbers, 0 a separator.
constexpr std::array<int, 16> Order{1, 2, 3,         Separator, 4,  5,  6,         Separator,
                                    8, 9, Separator, 10,        11, 12, Separator, 7};
// The image of each button number 1..12.
constexpr std::array<int, 12> Images{
    ToolImage::Exit,    ToolImage::FirstFlag, ToolImage::Help,  ToolImage::Current,
    ToolImage::History, ToolImage::Settings,  ToolImage::Tools, ToolImage::ModemSetup,
    ToolImage::Dial,    ToolImage::Save,      ToolImage::Print, ToolImage::Periodic};

bool isCheckButton(int number) {
    return number >= 4 && number <= 6;
}

} // namespace

MainToolBar::MainToolBar(QWidget* parent) : QWidget(parent) {
    int left = 2;
    for (const int number : Order) {
        if (number == Separator) {
            auto* line = new QFrame(this);
            line->setFrameShape(QFrame::VLine);
            line->setFrameShadow(QFrame::Sunken);
            line->setGeometry(left, 4, 6, ButtonHeight - 6);
            left += 6;
            continue;
        }
        auto* button = number == ToolsButton ? new MenuArrowButton(this) : new QToolButton(this);
        button->setAutoRaise(true);
        button->setCheckable(isCheckButton(number));
        button->setIconSize(QSize(28, 28));
        button->setGeometry(left, 1, ButtonWidth, ButtonHeight);
        buttons_[static_cast<size_t>(number - 1)] = button;
        setImage(number, Images[static_cast<size_t>(number - 1)]);
        left += ButtonWidth;
    }
    QToolButton* tools = button(ToolsButton);
    tools->setText(QStringLiteral("TOOLS"));
    tools->setIconSize(QSize(20, 20));
    tools->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QFont small = tools->font();
    small.setPointSize(7);
    tools->setFont(small);
}

void MainToolBar::setImage(int number, int imageIndex) {
    button(number)->setIcon(toolBarIcon(imageIndex));
}

void MainToolBar::setToolsMenu(QMenu* menu) {
    QToolButton* tools = button(ToolsButton);
    tools->setMenu(menu);
    tools->setPopupMode(menu != nullptr ? QToolButton::InstantPopup : QToolButton::DelayedPopup);
}
