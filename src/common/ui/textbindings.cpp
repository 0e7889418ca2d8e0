#include "common/ui/textbindings.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace {

void setCaption(QWidget* widget, const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(caption);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(caption);
}

} // namespace

void setHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

void TextBindings::caption(QWidget* widget, const TextRow& row) {
    text(row, [widget](const QString& caption) { setCaption(widget, caption); });
}

void TextBindings::hint(QWidget* widget, const TextRow& row) {
    text(row, [widget](const QString& hint) { setHint(widget, hint); });
}

void TextBindings::captionAndHint(QWidget* widget, const TextRow& row) {
    caption(widget, row);
    hint(widget, row);
}

void TextBindings::text(const TextRow& row, std::function<void(const QString&)> setter) {
    bindings_.push_back({&row, std::move(setter)});
}

void TextBindings::apply(int languageIndex) const {
    for (const Binding& binding : bindings_)
        binding.setter(::text(*binding.row, languageIndex));
}
