#include "shell/ui/helpform.h"

#include "common/ui/languagefont.h"
#include "common/ui/richtextview.h"
#include "data/reportfile.h"
#include "shell/helpfiles.h"
#include "shell/helptexts.h"

#include <QEvent>
#include <QTextCursor>
#include <QTextEdit>

namespace {

constexpr int Left = 0, Top = 96, Width = 500, Height = 460;

} // namespace

Thelpform::Thelpform(const int& languageIndex, const LanguageFonts& fonts, QStringList folders,
                     QWidget* parent)
    : QWidget(parent, Qt::Window), languageIndex_(languageIndex), fonts_(fonts),
      folders_(std::move(folders)) {
    helpedit = new QTextEdit(this);
    helpedit->setReadOnly(true);
    helpedit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FormCreate();
}

void Thelpform::FormCreate() {
    move(Left, Top);
    resize(Width, isVisible() ? height() : Height);
    const QFont font = languageFont(fonts_, languageIndex_);
    setFont(font);
    helpedit->setFont(font);
    helpedit->document()->setDefaultFont(font);
    setWindowTitle(text(HelpText::Caption, languageIndex_));
    loadHelpFile();
}

void Thelpform::loadHelpFile() {
    const QString path = helpFilePath(folders_, languageIndex_);
    RichDocument document;
    if (loadRichFile(path, document, nullptr)) {
        fillTextDocument(*helpedit->document(), document);
    } else {
        helpedit->setPlainText(missingHelpText(path, languageIndex_));
    }
    // The help is read from its beginning.
    helpedit->moveCursor(QTextCursor::Start);
}

bool Thelpform::showOrHide() {
    if (isVisible()) {
        hide();
        return false;
    }
    show();
    raise();
    activateWindow();
    helpedit->setFocus();
    return true;
}

void Thelpform::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormCreate();
}

void Thelpform::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    helpedit->setGeometry(rect());
}
