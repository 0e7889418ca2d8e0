#include "link/ui/debugform.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A long debug session must not eat all memory: the oldest lines go first.
constexpr int KeptLines = 200000;

QFont traceFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontDatabase::hasFamily(font.family()))
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
}

} // namespace

TForm1::TForm1(TraceLog& trace, Confirmer& confirmer, QWidget* parent)
    : QWidget(parent, Qt::Window), confirmer_(confirmer) {
    setWindowTitle(QStringLiteral("Debug Output"));
    resize(521, 354);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setFont(traceFont());
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setMaximumBlockCount(KeptLines);
    Button1 = new QPushButton(QStringLiteral("Clear"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Button1, 0, Qt::AlignLeft);
    layout->addWidget(Memo1, 1);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(&trace, &TraceLog::lineAdded, this, &TForm1::appendline);
}

void TForm1::appendline(const QString& line) {
    Memo1->appendPlainText(line);
}

QString TForm1::lines() const {
    return Memo1->toPlainText();
}

void TForm1::Button1Click() {
    confirmer_.confirm(this, QStringLiteral("Are you sure you want to clear this window?"),
                       [this](bool yes) {
                           if (yes)
                               Memo1->clear();
                       });
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QWidget::changeEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    QWidget::closeEvent(event);
}
