#include "data/ui/readform.h"

#include "common/ui/languagefont.h"
#include "common/ui/richtextview.h"
#include "data/reportfile.h"
#include "data/viewertexts.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

TReadform::TReadform(const int& languageIndex, const LanguageFonts& fonts, DocumentPrinter& printer,
                     QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), languageIndex_(languageIndex),
      fonts_(fonts), printer_(printer) {
    setGeometry(0, 150, 640, 373);
    filelab = new QLabel(this);
    filelab->setGeometry(8, 4, 480, 33);
    BitBtn1 = new QPushButton(QStringLiteral("Print"), this);
    BitBtn1->setGeometry(496, 4, 60, 33);
    BitBtn2 = new QPushButton(QStringLiteral("Close"), this);
    BitBtn2->setGeometry(568, 4, 60, 33);
    Readedit = new QTextEdit(this);
    Readedit->setReadOnly(true);
    Readedit->setLineWrapMode(QTextEdit::NoWrap);
    Readedit->setGeometry(0, 41, 640, 300);
    texts_.text(ViewerText::Caption, [this](const QString& caption) { setWindowTitle(caption); });
    texts_.hint(filelab, ViewerText::filelabHint);
    texts_.hint(BitBtn1, ViewerText::BitBtn1Hint);
    texts_.hint(BitBtn2, ViewerText::BitBtn2Hint);
    connect(BitBtn1, &QPushButton::clicked, this, &TReadform::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QWidget::hide);
}

void TReadform::applyLanguage() {
    const QFont font = languageFont(fonts_, languageIndex_);
    setFont(font);
    filelab->setFont(font);
    QFont fixed = font;
    fixed.setStyleHint(QFont::TypeWriter);
    Readedit->setFont(fixed);
    Readedit->document()->setDefaultFont(fixed);
    texts_.apply(languageIndex_);
}

void TReadform::FormActivate(const QString& fileName) {
    applyLanguage();
    filelab->setText(text(ViewerText::FilePrefix, languageIndex_) + u' ' + fileName);
    RichDocument document;
    QString error;
    if (QFileInfo(fileName).isFile() && loadRichFile(fileName, document, &error)) {
        fillTextDocument(*Readedit->document(), document);
        return;
    }
    Readedit->clear();
    Readedit->append(text(ViewerText::MissingFile, languageIndex_));
    emit beep(1);
}

void TReadform::BitBtn1Click() {
    printer_.print(this, *Readedit->document(), text(ViewerText::ViewerPrintTitle, languageIndex_));
}
