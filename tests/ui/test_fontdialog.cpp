#include "testmain.h"

#include "common/ui/fontsizedialog.h"
#include "common/ui/qtdialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QPushButton>
#include <QtTest>

// The font dialog the font button opens, answered by clicking its own buttons.
class FontDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        parent = std::make_unique<QWidget>();
        parent->show();
        answered.reset();
    }
    void cleanup() { parent.reset(); }

    void offersOnlyTheSizesALanguageMayHave_data() {
        QTest::addColumn<int>("startSize");
        QTest::addColumn<int>("shownSize");
        QTest::addColumn<int>("keptSize");
        QTest::newRow("in range") << 11 << 11 << 10;
        QTest::newRow("stored too large") << 20 << 14 << 13;
        QTest::newRow("stored too small") << 5 << 8 << 8;
    }
    void offersOnlyTheSizesALanguageMayHave() {
        QFETCH(int, startSize);
        QFETCH(int, shownSize);
        QFETCH(int, keptSize);
        FontSizeDialog* dialog = open(QFont(QStringLiteral("DejaVu Sans"), startSize));
        QVERIFY(dialog != nullptr);
        QStringList offered;
        for (int item = 0; item < dialog->sizes->count(); ++item)
            offered << dialog->sizes->itemText(item);
        QCOMPARE(offered, (QStringList{"8", "9", "10", "11", "12", "13", "14"}));
        QVERIFY(!dialog->sizes->isEditable()); // no other size can be typed
        QCOMPARE(dialog->sizes->currentText(), QString::number(shownSize));

        // One size down, which stays at the smallest.
        QTest::keyClick(dialog->sizes, Qt::Key_Up);
        QTest::mouseClick(dialog->buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(answered.has_value() && answered->has_value());
        QCOMPARE((*answered)->pointSize(), keptSize);
        QCOMPARE((*answered)->family(), QStringLiteral("DejaVu Sans"));
    }

    void aFaceLeftAloneIsKeptEvenWhenNotInstalled() {
        FontSizeDialog* dialog = open(QFont(QStringLiteral("No Such Face"), 10));
        QVERIFY(dialog != nullptr);
        QTest::mouseClick(dialog->buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(answered.has_value() && answered->has_value());
        QCOMPARE((*answered)->family(), QStringLiteral("No Such Face"));
    }

    void aChosenFaceIsAnswered() {
        FontSizeDialog* dialog = open(QFont(QStringLiteral("No Such Face"), 10));
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->faces->count() > 1);
        dialog->faces->setFocus();
        QTest::keyClick(dialog->faces, Qt::Key_Down);
        const QString chosen = dialog->faces->currentFont().family();
        QTest::mouseClick(dialog->buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(answered.has_value() && answered->has_value());
        QCOMPARE((*answered)->family(), chosen);
        QCOMPARE((*answered)->pointSize(), 10);
    }

    void cancelAnswersNoFont() {
        FontSizeDialog* dialog = open(QFont(QStringLiteral("DejaVu Sans"), 10));
        QVERIFY(dialog != nullptr);
        QTest::mouseClick(dialog->buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        QVERIFY(answered.has_value());
        QVERIFY(!answered->has_value());
    }

private:
    FontSizeDialog* open(const QFont& initial) {
        chooser.chooseFont(parent.get(), initial,
                           [this](std::optional<QFont> font) { answered = font; });
        auto* dialog = parent->findChild<FontSizeDialog*>();
        if (dialog == nullptr || !QTest::qWaitForWindowExposed(dialog))
            return nullptr;
        return dialog;
    }

    QtFontChooser chooser;
    std::unique_ptr<QWidget> parent;
    std::optional<std::optional<QFont>> answered;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return runTests<FontDialogTest>(argc, argv);
}

#include "test_fontdialog.moc"
