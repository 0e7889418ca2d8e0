#pragma once

#include "common/languagefonts.h"
#include "common/ui/dialogseams.h"
#include "common/ui/textbindings.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTextEdit;

// The file viewer: a saved report or log, read-only, with print and close buttons.
class TReadform : public QWidget {
    Q_OBJECT
public:
    TReadform(const int& languageIndex, const LanguageFonts& fonts, DocumentPrinter& printer,
              QWidget* parent = nullptr);

    // Loads the file afresh in the current language; a missing file shows an error line.
    void FormActivate(const QString& fileName);
    void BitBtn1Click();

    QLabel* filelab;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QTextEdit* Readedit;

signals:
    void beep(int count);

private:
    void applyLanguage();

    const int& languageIndex_;
    const LanguageFonts& fonts_;
    DocumentPrinter& printer_;
    TextBindings texts_;
};
