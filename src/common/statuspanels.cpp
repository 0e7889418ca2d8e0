#include "common/statuspanels.h"

void StatusPanels::setText(int panel, const QString& text) {
    if (panel < 0 || panel >= Count)
        return;
    texts_[static_cast<size_t>(panel)] = text;
    emit changed(panel, text);
}

QString StatusPanels::text(int panel) const {
    if (panel < 0 || panel >= Count)
        return {};
    return texts_[static_cast<size_t>(panel)];
}
