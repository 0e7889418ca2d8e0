#include "common/ui/qtdialogs.h"

#include "common/ui/fontsizedialog.h"
#include "common/ui/richtextview.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <memory>

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

namespace {

void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    auto* box = new QMessageBox(icon, QStringLiteral("TARVIK"), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace

void QtMessageBoxes::inform(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::Information, text);
}

void QtMessageBoxes::warn(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::Warning, text);
}

void QtMessageBoxes::askFileAction(QWidget* parent, const QString& caption, const QString& text,
                                   std::function<void(FileAction)> answer) {
    auto* box =
        new QMessageBox(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QAbstractButton* append = box->addButton(QStringLiteral("Append"), QMessageBox::AcceptRole);
    QAbstractButton* overwrite =
        box->addButton(QStringLiteral("Overwrite"), QMessageBox::DestructiveRole);
    box->addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    QObject::connect(box, &QMessageBox::finished, box, [box, append, overwrite, answer] {
        const QAbstractButton* clicked = box->clickedButton();
        answer(clicked == append      ? FileAction::Append
               : clicked == overwrite ? FileAction::Overwrite
                                      : FileAction::Cancel);
    });
    box->open();
}

void QtDocumentPrinter::print(QWidget* parent, const QTextDocument& document,
                              const QString& title) {
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    // The document may change while the dialog is open; what was asked for is printed.
    std::shared_ptr<QTextDocument> copy(document.clone());
    auto* dialog = new QPrintDialog(printer.get(), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(static_cast<QDialog*>(dialog), &QDialog::accepted, dialog,
                     [printer, copy, title] { printTextDocument(*printer, *copy, title); });
    dialog->open();
}
