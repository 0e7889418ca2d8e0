#pragma once

#include "common/languagefonts.h"

#include <QStringList>
#include <QWidget>

class QTextEdit;

// The help window: the help file of the current language, read-only. Each time the window is
// activated it takes its place, font and caption anew and reloads the file, so it follows a
// change of language.
class Thelpform : public QWidget {
    Q_OBJECT
public:
    // The help files are looked for in `folders`, in order.
    Thelpform(const int& languageIndex, const LanguageFonts& fonts, QStringList folders,
              QWidget* parent = nullptr);

    // Creation and activation alike: place, font, caption, then the file or the message that
    // names the missing file.
    void FormCreate();
    // The main window's help button: hides the window when it is shown; otherwise shows it with
    // the focus. True when it is now shown.
    bool showOrHide();

    QTextEdit* helpedit;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void loadHelpFile();

    const int& languageIndex_;
    const LanguageFonts& fonts_;
    QStringList folders_;
};
