#pragma once

#include "shell/ui/colouredpanel.h"

#include <array>

class QLabel;
class QRadioButton;
class QToolButton;

// The language choice: a flag and a radio button for each language (French shown but not
// selectable) and the font button.
class LanguageGroup : public ColouredPanel {
    Q_OBJECT
public:
    explicit LanguageGroup(QWidget* parent);

    // Ticks the button of a language without telling anyone.
    void tick(int languageIndex);
    // The ticked language, testing the buttons in language order.
    int tickedLanguage() const;

    QRadioButton *englishselect, *frenchselect, *chineseselect, *germanselect;
    QLabel *britflagsel, *frenchflagsel, *chinaflagsel, *Germanflagsel;
    QToolButton* fontselbut;

signals:
    // The user clicked one of the language buttons.
    void languageClicked();

private:
    std::array<QRadioButton*, 4> buttons() const;
};
