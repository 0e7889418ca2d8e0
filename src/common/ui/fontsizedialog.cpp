#include "common/ui/fontsizedialog.h"

#include "common/languagefonts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <algorithm>

FontSizeDialog::FontSizeDialog(const QFont& initial, QWidget* parent)
    : QDialog(parent), initialFace_(initial.family()) {
    setWindowTitle(QStringLiteral("Font"));
    faces = new QFontComboBox(this);
    faces->setFontFilters(QFontComboBox::ScalableFonts);
    faces->setCurrentFont(initial);
    sizes = new QComboBox(this);
    for (int size = FontDialogSmallestSize; size <= FontDialogLargestSize; ++size)
        sizes->addItem(QString::number(size), size);
    sizes->setCurrentIndex(
        std::clamp(initial.pointSize(), FontDialogSmallestSize, FontDialogLargestSize) -
        FontDialogSmallestSize);
    sample = new QLabel(QStringLiteral("AaBbYyZz 123"), this);
    sample->setMinimumHeight(40);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Font"), faces);
    form->addRow(QStringLiteral("Size"), sizes);
    form->addRow(QStringLiteral("Sample"), sample);
    form->addRow(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(faces, &QFontComboBox::activated, this, [this] {
        faceChosen_ = true;
        showSample();
    });
    connect(sizes, &QComboBox::currentIndexChanged, this, &FontSizeDialog::showSample);
    showSample();
}

QFont FontSizeDialog::selectedFont() const {
    QFont font = faces->currentFont();
    if (!faceChosen_)
        font.setFamily(initialFace_);
    font.setPointSize(sizes->currentData().toInt());
    return font;
}

void FontSizeDialog::showSample() {
    sample->setFont(selectedFont());
}
