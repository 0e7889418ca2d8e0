#include "common/ui/qtdialogs.h"

#include "common/ui/fontsizedialog.h"

#include <QMessageBox>

void QtFontChooser::chooseFont(QWidget* parent, const QFont& initial,
                               std::function<void(std::optional<QFont>)> answer) {
    auto* dialog = new FontSizeDialog(initial, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, answer](int result) {
        answer(result == QDialog::Accepted ? std::optional<QFont>(dialog->selectedFont())
                                           : std::nullopt);
    });
    dialog->open();
}

void QtConfirmer::confirm(QWidget* parent, const QString& question,
                          std::function<void(bool)> answer) {
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("TARVIK"), question,
                                QMessageBox::Yes | QMessageBox::No, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box,
                     [answer](int result) { answer(result == QMessageBox::Yes); });
    box->open();
}
