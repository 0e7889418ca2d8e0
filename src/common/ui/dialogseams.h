#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// Dialogs open through these seams and answer through a callback, so nothing waits in a modal
// loop and tests can answer in place of the user.
class FontChooser {
public:
    virtual ~FontChooser() = default;
    // Answers the chosen font, or nothing when the user cancels.
    virtual void chooseFont(QWidget* parent, const QFont& initial,
                            std::function<void(std::optional<QFont>)> answer) = 0;
};

class Confirmer {
public:
    virtual ~Confirmer() = default;
    // Asks a Yes/No question; answers true for Yes.
    virtual void confirm(QWidget* parent, const QString& question,
                         std::function<void(bool)> answer) = 0;
};

// What to do with a file that exists already.
enum class FileAction { Append, Overwrite, Cancel };

// Message boxes of the program, each answered through a callback.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An information box with an OK button.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A warning box with an OK button.
    virtual void warn(QWidget* parent, const QString& text) = 0;
    // Asks with the given caption and text whether to append to a file, overwrite it or cancel.
    virtual void askFileAction(QWidget* parent, const QString& caption, const QString& text,
                               std::function<void(FileAction)> answer) = 0;
};

class QTextDocument;

// Printing: the platform's print dialog, then the document as it stands.
class DocumentPrinter {
public:
    virtual ~DocumentPrinter() = default;
    virtual void print(QWidget* parent, const QTextDocument& document, const QString& title) = 0;
};
