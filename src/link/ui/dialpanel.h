#pragma once

#include "link/modemlink.h"

#include <QFrame>
#include <QList>

class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;

// One row of the phone book: a site and its telephone number.
struct PhoneEntry {
    QString name;
    QString number;
};

// The dial panel: the number to dial with its site name, the dial and hang-up buttons, and the
// phone book of 16 sites, which fills the two edits and is edited through them while shown.
class DialPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int Rows = 16;
    static constexpr int Width = 344, BookHeight = 306, PlainHeight = 98;
    static constexpr int NameLength = 12, NumberLength = 16;

    DialPanel(ModemLink& modem, QWidget* parent = nullptr);

    // The panel has just been shown: the phone book's line is selected and its entry shown.
    void panelShown();
    void setEntries(const QList<PhoneEntry>& entries);
    QList<PhoneEntry> entries() const;
    void setHeaders(const QString& name, const QString& number);
    QList<QWidget*> faceControls() const;

    int PhoneListLine = 1;
    QLineEdit* dialedit;
    QLineEdit* phoneidedit;
    QPushButton* Dialbutton;
    QPushButton* Hangup;
    QPushButton* bookbtn;
    QToolButton* mcanbutton;
    QTableWidget* phonegrid;

signals:
    // The panel's height changed with the phone book.
    void resized();

private:
    void createControls();
    void placeControls();
    void bookbtnClick();
    void phonegridSelectCell(int row);
    void DialeditEnter();
    void showEntry(int line);
    QString cell(int line, int column) const;

    ModemLink& modem_;
    bool loading_ = false; // the edits are being filled from the book, not typed in
};
