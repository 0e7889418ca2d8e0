#include "shell/ui/qtsavedialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

void QtSaveDialogs::askSaveFileName(QWidget* parent, const QString& caption,
                                    const QString& suggestedName, const QString& filter,
                                    std::function<void(const QString&)> chosen) {
    auto* dialog = new QFileDialog(parent, caption, suggestedName, filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QFileInfo(suggestedName).suffix());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [chosen = std::move(chosen)](const QString& path) { chosen(path); });
    dialog->open();
}

void QtSaveDialogs::askOpenFileName(QWidget* parent, const QString& caption, const QString& filter,
                                    std::function<void(const QString&)> chosen) {
    auto* dialog = new QFileDialog(parent, caption, QString(), filter);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [chosen = std::move(chosen)](const QString& path) { chosen(path); });
    dialog->open();
}

void QtSaveDialogs::showSaveError(QWidget* parent, const QString& caption, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, caption, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
