#include "shell/ui/statusbar.h"

#include <QEvent>
#include <QLabel>

StatusBar::StatusBar(StatusPanels& panels, QWidget* parent) : QFrame(parent), panels_(panels) {
    for (size_t index = 0; index < labels_.size(); ++index) {
        auto* label = new QLabel(this);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setContentsMargins(3, 0, 3, 0);
        label->setVisible(PanelWidths[index] > 0);
        labels_[index] = label;
    }
    connect(&panels_, &StatusPanels::changed, this, &StatusBar::show);
    for (int index = 0; index < StatusPanels::Count; ++index)
        show(index, panels_.text(index));
}

// The last panel takes what is left of the bar.
void StatusBar::placePanels() {
    int left = 0;
    for (size_t index = 0; index < labels_.size(); ++index) {
        const bool last = index + 1 == labels_.size();
        const int width = last ? std::max(0, this->width() - left) : PanelWidths[index];
        labels_[index]->setGeometry(left, 0, width, height());
        left += width;
    }
    for (int index = 0; index < StatusPanels::Count; ++index)
        show(index, panels_.text(index));
}

void StatusBar::show(int panel, const QString& text) {
    QLabel* label = labels_[static_cast<size_t>(panel)];
    const int room = label->contentsRect().width() - 2;
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, std::max(room, 0));
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

void StatusBar::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    placePanels();
}

void StatusBar::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        placePanels();
}
