#include "settings/ui/stringcolumn.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

// Asks the column's window what the editor starts with, and hands it the text when it closes.
class CellEditorDelegate : public QStyledItemDelegate {
public:
    explicit CellEditorDelegate(StringColumn& column)
        : QStyledItemDelegate(&column), column_(column) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setFont(option.font);
        // Asked once per opening: some rows change the image when their editor opens.
        editor->setText(column_.opening_ ? column_.opening_(index.row())
                                         : column_.cellText(index.row()));
        column_.openEditor_ = editor;
        column_.openRow_ = index.row();
        return editor;
    }
    // The text was set when the editor opened; a redraw of the cell must not replace it.
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        if (column_.commit_)
            column_.commit_(index.row(), static_cast<QLineEdit*>(editor)->text());
    }

private:
    StringColumn& column_;
};

StringColumn::StringColumn(QWidget* parent) : QTableWidget(0, 1, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(24);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setItemDelegate(new CellEditorDelegate(*this));
    setEditableRows(0);
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previousRow, int) {
                if (row >= 0 && row != previousRow)
                    emit cellSelected(row);
            });
}

StringColumn::~StringColumn() {
    // An editor still open is dropped here, while the handlers its delegate calls still exist.
    opening_ = nullptr;
    commit_ = nullptr;
    if (!openEditor_.isNull())
        closeEditor(openEditor_, QAbstractItemDelegate::NoHint);
}

void StringColumn::setRows(int count) {
    setRowCount(count);
    for (int row = 0; row < count; ++row)
        applyEditability(row);
}

QTableWidgetItem* StringColumn::itemAt(int row) {
    QTableWidgetItem* cell = item(row, 0);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        setItem(row, 0, cell);
        applyEditability(row);
    }
    return cell;
}

void StringColumn::setCellText(int row, const QString& text) {
    itemAt(row)->setText(text);
}

QString StringColumn::cellText(int row) const {
    const QTableWidgetItem* cell = item(row, 0);
    return cell != nullptr ? cell->text() : QString();
}

void StringColumn::setColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}

QColor StringColumn::colour() const {
    return palette().color(QPalette::Base);
}

void StringColumn::setEditableRows(int count) {
    editableRows_ = count;
    setSelectionMode(count > 0 ? QAbstractItemView::SingleSelection
                               : QAbstractItemView::NoSelection);
    setFocusPolicy(count > 0 ? Qt::StrongFocus : Qt::NoFocus);
    for (int row = 0; row < rowCount(); ++row)
        applyEditability(row);
}

void StringColumn::applyEditability(int row) {
    QTableWidgetItem* cell = item(row, 0);
    if (cell == nullptr)
        return;
    const bool editable = row < editableRows_;
    cell->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                            : Qt::ItemIsEnabled);
}

void StringColumn::setEditHandlers(EditorOpening opening, EditorCommit commit) {
    opening_ = std::move(opening);
    commit_ = std::move(commit);
}

void StringColumn::closeEditorCommitting() {
    if (openEditor_.isNull())
        return;
    QWidget* editor = openEditor_;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void StringColumn::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool tracked = editor == openEditor_;
    if (tracked)
        openEditor_ = nullptr;
    QTableWidget::closeEditor(editor, hint);
    if (tracked)
        emit editorClosed(openRow_);
}
