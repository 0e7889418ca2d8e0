#include "common/ui/languagefont.h"

#include <QFontDatabase>
#include <QWidget>

namespace {

constexpr int Chinese = 2;

QString installedChineseFace() {
    const QStringList faces = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    for (const QString& preferred :
         {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")})
        if (faces.contains(preferred))
            return preferred;
    return faces.isEmpty() ? QString() : faces.first();
}

} // namespace

QString displayFace(const QString& face, int languageIndex) {
    if (languageIndex != Chinese || QFontDatabase::hasFamily(face))
        return face;
    const QString chinese = installedChineseFace();
    return chinese.isEmpty() ? face : chinese;
}

QFont languageFont(const LanguageFonts& fonts, int languageIndex) {
    QFont font(displayFace(fonts.name(languageIndex), languageIndex));
    font.setPointSize(fonts.size(languageIndex));
    return font;
}

void applyFace(QWidget* widget, const LanguageFonts& fonts, int languageIndex) {
    QFont font = widget->font();
    font.setFamily(displayFace(fonts.name(languageIndex), languageIndex));
    widget->setFont(font);
}
