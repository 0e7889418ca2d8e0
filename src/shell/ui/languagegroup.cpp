#include "shell/ui/languagegroup.h"

#include "shell/ui/toolbarimages.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <tuple>

LanguageGroup::LanguageGroup(QWidget* parent) : ColouredPanel(QColor(192, 192, 192), parent) {
    std::array<QLabel*, 4> flags{};
    std::array<QRadioButton*, 4> radios{};
    for (int language = 0; language < 4; ++language) {
        const int top = 6 + language * 32;
        auto* flag = new QLabel(this);
        flag->setPixmap(languageFlag(language));
        flag->setGeometry(4, top, 32, 20);
        auto* radio = new QRadioButton(this);
        radio->setGeometry(42, top + 1, 20, 20);
        connect(radio, &QRadioButton::clicked, this, &LanguageGroup::languageClicked);
        flags[static_cast<size_t>(language)] = flag;
        radios[static_cast<size_t>(language)] = radio;
    }
    std::tie(britflagsel, frenchflagsel, chinaflagsel, Germanflagsel) =
        std::tuple(flags[0], flags[1], flags[2], flags[3]);
    std::tie(englishselect, frenchselect, chineseselect, germanselect) =
        std::tuple(radios[0], radios[1], radios[2], radios[3]);
    englishselect->setToolTip(QStringLiteral("Select English"));
    englishselect->setStatusTip(QStringLiteral("Select English"));
    // French is not offered here, though a stored French choice still shows.
    frenchflagsel->setEnabled(false);
    frenchselect->setEnabled(false);
    fontselbut = new QToolButton(this);
    fontselbut->setIcon(fontGlyph());
    fontselbut->setIconSize(QSize(28, 28));
    fontselbut->setGeometry(4, 136, 57, 36);
}

std::array<QRadioButton*, 4> LanguageGroup::buttons() const {
    return {englishselect, frenchselect, chineseselect, germanselect};
}

void LanguageGroup::tick(int languageIndex) {
    const auto all = buttons();
    if (languageIndex >= 0 && languageIndex < 4)
        all[static_cast<size_t>(languageIndex)]->setChecked(true);
}

int LanguageGroup::tickedLanguage() const {
    const auto all = buttons();
    for (int language = 0; language < 4; ++language)
        if (all[static_cast<size_t>(language)]->isChecked())
            return language;
    return 0;
}
