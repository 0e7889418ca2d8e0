#pragma once

#include <QDialog>
#include <QFont>

class QComboBox;
class QDialogButtonBox;
class QFontComboBox;
class QLabel;

// The language font dialog: a scalable face and one of the sizes a language may have. It offers
// no other size, so what the user picks is what is kept; a face the user leaves alone is kept
// too, even one not installed here.
class FontSizeDialog : public QDialog {
    Q_OBJECT
public:
    FontSizeDialog(const QFont& initial, QWidget* parent);

    QFont selectedFont() const;

    QFontComboBox* faces;
    QComboBox* sizes;
    QLabel* sample;
    QDialogButtonBox* buttons;

private:
    void showSample();

    QString initialFace_;
    bool faceChosen_ = false;
};
