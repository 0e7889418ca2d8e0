#include "link/ui/fastrepliesbox.h"

FastRepliesBox::FastRepliesBox(LinkState& link, QWidget* parent) : QCheckBox(parent), link_(link) {
    connect(this, &QCheckBox::toggled, this, [this](bool on) { link_.fastReplies = on; });
}

void FastRepliesBox::showLinkValue() {
    setChecked(link_.fastReplies);
}

void FastRepliesBox::showEvent(QShowEvent* event) {
    showLinkValue();
    QCheckBox::showEvent(event);
}
