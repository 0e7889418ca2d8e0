#include "link/ui/dialpanel.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QToolButton>

DialPanel::DialPanel(ModemLink& modem, QWidget* parent) : QFrame(parent), modem_(modem) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 0, 255));
    setPalette(colours);
    createControls();
    placeControls();
    connect(Dialbutton, &QPushButton::clicked, this, [this] {
        modem_.settings.dialNumber = dialedit->text();
        modem_.dialup(DialCaller::DialButton);
    });
    connect(Hangup, &QPushButton::clicked, this, [this] { modem_.HangupClick(); });
    connect(bookbtn, &QPushButton::clicked, this, &DialPanel::bookbtnClick);
    connect(phonegrid, &QTableWidget::currentCellChanged, this,
            [this](int row) { phonegridSelectCell(row + 1); });
    for (QLineEdit* edit : {dialedit, phoneidedit})
        connect(edit, &QLineEdit::textChanged, this, &DialPanel::DialeditEnter);
    connect(dialedit, &QLineEdit::textChanged, this,
            [this](const QString& number) { modem_.settings.dialNumber = number; });
}

void DialPanel::createControls() {
    dialedit = new QLineEdit(this);
    dialedit->setMaxLength(NumberLength);
    dialedit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,16}")), dialedit));
    phoneidedit = new QLineEdit(this);
    phoneidedit->setMaxLength(NameLength);
    Dialbutton = new QPushButton(this);
    Hangup = new QPushButton(this);
    bookbtn = new QPushButton(this);
    mcanbutton = new QToolButton(this);
    phonegrid = new QTableWidget(Rows, 2, this);
    phonegrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    phonegrid->setSelectionMode(QAbstractItemView::SingleSelection);
    phonegrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    phonegrid->verticalHeader()->setDefaultSectionSize(20);
    phonegrid->setColumnWidth(0, 126);
    phonegrid->setColumnWidth(1, 164);
    for (int row = 0; row < Rows; ++row)
        for (int column = 0; column < 2; ++column)
            phonegrid->setItem(row, column, new QTableWidgetItem);
    phonegrid->hide();
}

void DialPanel::placeControls() {
    phoneidedit->setGeometry(8, 8, 130, 26);
    dialedit->setGeometry(144, 8, 160, 26);
    mcanbutton->setGeometry(312, 8, 24, 24);
    Dialbutton->setGeometry(8, 44, 100, 32);
    Hangup->setGeometry(116, 44, 100, 32);
    bookbtn->setGeometry(224, 44, 112, 32);
    phonegrid->setGeometry(8, 88, 328, 207);
}

void DialPanel::panelShown() {
    mcanbutton->setText(QString());
    if (PhoneListLine < 1 || PhoneListLine > Rows)
        PhoneListLine = 1;
    showEntry(PhoneListLine);
}

void DialPanel::bookbtnClick() {
    phonegrid->setVisible(phonegrid->isHidden());
    resize(Width, phonegrid->isVisible() ? BookHeight : PlainHeight);
    emit resized();
}

void DialPanel::phonegridSelectCell(int row) {
    if (loading_ || row < 1 || row > Rows)
        return;
    PhoneListLine = row;
    showEntry(row);
}

// Selecting a row and filling the edits from it must not write the edits back, nor the reverse.
void DialPanel::showEntry(int line) {
    loading_ = true;
    phonegrid->setCurrentCell(line - 1, 0);
    dialedit->setText(cell(line, 1));
    phoneidedit->setText(cell(line, 0));
    loading_ = false;
}

void DialPanel::DialeditEnter() {
    if (loading_ || phonegrid->isHidden())
        return;
    if (PhoneListLine < 1 || PhoneListLine > Rows)
        PhoneListLine = 1;
    phonegrid->item(PhoneListLine - 1, 0)->setText(phoneidedit->text());
    phonegrid->item(PhoneListLine - 1, 1)->setText(dialedit->text());
}

QString DialPanel::cell(int line, int column) const {
    return phonegrid->item(line - 1, column)->text();
}

void DialPanel::setEntries(const QList<PhoneEntry>& entries) {
    for (int row = 0; row < Rows && row < entries.size(); ++row) {
        phonegrid->item(row, 0)->setText(entries.at(row).name.left(NameLength));
        phonegrid->item(row, 1)->setText(entries.at(row).number.left(NumberLength));
    }
}

QList<PhoneEntry> DialPanel::entries() const {
    QList<PhoneEntry> out;
    for (int line = 1; line <= Rows; ++line)
        out.append({cell(line, 0), cell(line, 1)});
    return out;
}

void DialPanel::setHeaders(const QString& name, const QString& number) {
    phonegrid->setHorizontalHeaderLabels({name, number});
}

QList<QWidget*> DialPanel::faceControls() const {
    return {Hangup, bookbtn, phoneidedit, dialedit, mcanbutton, phonegrid, Dialbutton};
}
