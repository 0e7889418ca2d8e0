#pragma once

#include "common/ui/dialogseams.h"

// The Qt dialogs behind the seams, opened window-modal without a nested event loop.
class QtFontChooser : public FontChooser {
public:
    void chooseFont(QWidget* parent, const QFont& initial,
                    std::function<void(std::optional<QFont>)> answer) override;
};

class QtConfirmer : public Confirmer {
public:
    void confirm(QWidget* parent, const QString& question,
                 std::function<void(bool)> answer) override;
};

class QtMessageBoxes : public MessageBoxes {
public:
    void inform(QWidget* parent, const QString& text) override;
    void warn(QWidget* parent, const QString& text) override;
    void askFileAction(QWidget* parent, const QString& caption, const QString& text,
                       std::function<void(FileAction)> answer) override;
};

class QtDocumentPrinter : public DocumentPrinter {
public:
    void print(QWidget* parent, const QTextDocument& document, const QString& title) override;
};
