#pragma once

#include "common/languagefonts.h"

#include <QFont>
#include <QString>

class QWidget;

// The face to draw a language with: the stored face where it is installed; for Chinese, when it
// is not, an installed face that has the Chinese characters (other languages let the system
// substitute, as any face carries their letters).
QString displayFace(const QString& face, int languageIndex);

// The language's face and size.
QFont languageFont(const LanguageFonts& fonts, int languageIndex);
// Gives a control the language's face; it keeps its own size.
void applyFace(QWidget* widget, const LanguageFonts& fonts, int languageIndex);
