#pragma once

#include "common/ui/dialogseams.h"
#include "common/ui/richtextview.h"
#include "platform/serialportlister.h"

#include <QPrinter>
#include <QStringList>

// Dialogs that answer at once with what the test chose, and remember what they were asked.
class FakeFontChooser : public FontChooser {
public:
    std::optional<QFont> answer;
    QFont offered;
    int asked = 0;
    void chooseFont(QWidget*, const QFont& initial,
                    std::function<void(std::optional<QFont>)> reply) override {
        ++asked;
        offered = initial;
        reply(answer);
    }
};

class FakeConfirmer : public Confirmer {
public:
    bool answer = true;
    QString question;
    void confirm(QWidget*, const QString& asked, std::function<void(bool)> reply) override {
        question = asked;
        reply(answer);
    }
};

class FakeMessageBoxes : public MessageBoxes {
public:
    FileAction action = FileAction::Cancel;
    QStringList shown; // every text, in order
    void inform(QWidget*, const QString& text) override { shown << text; }
    void warn(QWidget*, const QString& text) override { shown << text; }
    void askFileAction(QWidget*, const QString& caption, const QString& text,
                       std::function<void(FileAction)> answer) override {
        shown << caption + QStringLiteral(": ") + text;
        answer(action);
    }
};

// Prints to a PDF file instead of a printer, as the print dialog would once confirmed.
class PdfPrinter : public DocumentPrinter {
public:
    QString path; // where the next print goes
    QStringList titles;
    void print(QWidget*, const QTextDocument& document, const QString& title) override {
        titles << title;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printTextDocument(printer, document, title);
    }
};

class FakeSerialPortLister : public SerialPortLister {
public:
    QList<SerialDeviceInfo> devices;
    QList<SerialDeviceInfo> availablePorts() const override { return devices; }
};
