#include "link/ui/comportedit.h"

#include "platform/portmap.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFixedSize(16, 11);
    button->setAutoRepeat(true);
    return button;
}

} // namespace

ComPortEdit::ComPortEdit(QWidget* parent) : QWidget(parent) {
    edit_ = new QLineEdit(this);
    up_ = arrowButton(Qt::UpArrow, this);
    down_ = arrowButton(Qt::DownArrow, this);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(edit_);
    layout->addLayout(arrows);
    connect(edit_, &QLineEdit::editingFinished, this, &ComPortEdit::finishTyping);
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void ComPortEdit::showNumber(int number) {
    const QString shown = QString::number(number);
    if (edit_->text() != shown)
        edit_->setText(shown);
}

QString ComPortEdit::text() const {
    return edit_->text();
}

// Leaving the box untouched changes nothing: the port stays open.
void ComPortEdit::finishTyping() {
    if (!edit_->isModified())
        return;
    edit_->setModified(false);
    emit changed(edit_->text());
}

void ComPortEdit::step(int by) {
    const int number =
        std::clamp(edit_->text().toInt() + by, PortMap::MinComNumber, PortMap::MaxComNumber);
    edit_->setText(QString::number(number));
    emit changed(edit_->text());
}
