#pragma once

#include "common/texts.h"

#include <QString>
#include <functional>
#include <vector>

class QWidget;

// The translatable texts of a window: which control shows which text row, as caption or as
// hint. Applying a language sets them all.
class TextBindings {
public:
    // Labels, buttons and group boxes.
    void caption(QWidget* widget, const TextRow& row);
    // Tool tip and status-bar text alike.
    void hint(QWidget* widget, const TextRow& row);
    void captionAndHint(QWidget* widget, const TextRow& row);
    // Any other text property.
    void text(const TextRow& row, std::function<void(const QString&)> setter);

    void apply(int languageIndex) const;

private:
    struct Binding {
        const TextRow* row;
        std::function<void(const QString&)> setter;
    };
    std::vector<Binding> bindings_;
};

// Sets a control's hint: the tool tip and the text the status bar shows for it.
void setHint(QWidget* widget, const QString& hint);
