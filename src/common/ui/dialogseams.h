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
