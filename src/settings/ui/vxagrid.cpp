#include "settings/ui/vxagrid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <algorithm>
#include <array>

namespace {
constexpr std::array<int, VxaGrid::Columns> ColumnWidths{240, 60, 77};
constexpr int RowHeight = 24;
} // namespace

// Opens a plain line editor on the cell's text and hands a changed text to the grid when it
// closes.
class VxaCellDelegate : public QStyledItemDelegate {
public:
    explicit VxaCellDelegate(VxaGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setFont(option.font);
        editor->setText(grid_.cellText(index.row(), index.column()));
        grid_.openEditor_ = editor;
        return editor;
    }
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    // Only a changed text is entered: passing over a cell leaves its value as it is shown.
    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        const QString text = static_cast<QLineEdit*>(editor)->text();
        if (text != grid_.cellText(index.row(), index.column()))
            emit grid_.valueEntered(index.row(), text);
    }

private:
    VxaGrid& grid_;
};

VxaGrid::VxaGrid(QWidget* parent) : QTableWidget(Rows, Columns, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    for (int column = 0; column < Columns; ++column)
        setColumnWidth(column, ColumnWidths.at(static_cast<std::size_t>(column)));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new VxaCellDelegate(*this));
    setMouseTracking(true);
    for (int row = 0; row < Rows; ++row)
        for (int column = 0; column < Columns; ++column)
            cell(row, column)->setBackground(row == 0 ? QColor(Qt::yellow) : QColor(Qt::white));
    setValuesEditable(true);
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { currentMoved(row, column); });
}

VxaGrid::~VxaGrid() {
    // An editor still open is dropped while the window that hears it still exists.
    disconnect(this, &VxaGrid::valueEntered, nullptr, nullptr);
    if (!openEditor_.isNull())
        QTableWidget::closeEditor(openEditor_, QAbstractItemDelegate::NoHint);
}

QTableWidgetItem* VxaGrid::cell(int row, int column) {
    QTableWidgetItem* found = item(row, column);
    if (found == nullptr) {
        found = new QTableWidgetItem;
        found->setFlags(Qt::ItemIsEnabled);
        found->setForeground(Qt::black);
        setItem(row, column, found);
    }
    return found;
}

void VxaGrid::setCellText(int row, int column, const QString& text) {
    cell(row, column)->setText(text);
}

QString VxaGrid::cellText(int row, int column) const {
    const QTableWidgetItem* found = item(row, column);
    return found != nullptr ? found->text() : QString();
}

void VxaGrid::setValuesEditable(bool editable) {
    valuesEditable_ = editable;
    const Qt::ItemFlags flags = editable
                                    ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                    : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    for (int row = FirstValueRow; row <= LastValueRow; ++row)
        cell(row, ValueColumn)->setFlags(flags);
    if (!editable)
        closeEditorCommitting();
}

void VxaGrid::chooseRow(int row) {
    row = std::clamp(row, FirstValueRow, LastValueRow);
    if (currentRow() != row || currentColumn() != ValueColumn)
        setCurrentCell(row, ValueColumn);
    else
        openValueEditor(row);
}

// Whatever cell the user reaches, the value cell of its row (1..9) is the one chosen.
void VxaGrid::currentMoved(int row, int column) {
    if (row < 0)
        return;
    if (column != ValueColumn || row < FirstValueRow) {
        setCurrentCell(std::max(row, FirstValueRow), ValueColumn);
        return;
    }
    openValueEditor(row);
}

// The editor of the row before is closed first, whichever way the choice moved on.
void VxaGrid::openValueEditor(int row) {
    closeEditorCommitting();
    emit rowChosen(row);
    if (valuesEditable_)
        editItem(cell(row, ValueColumn));
}

void VxaGrid::mouseMoveEvent(QMouseEvent* event) {
    QTableWidget::mouseMoveEvent(event);
    int row = rowAt(event->position().toPoint().y());
    if (row < 0)
        row = LastValueRow;
    if (std::clamp(row, FirstValueRow, LastValueRow) != currentRow())
        chooseRow(row);
}

void VxaGrid::closeEditorCommitting() {
    if (openEditor_.isNull())
        return;
    QWidget* editor = openEditor_;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void VxaGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor == openEditor_)
        openEditor_ = nullptr;
    QTableWidget::closeEditor(editor, hint);
}
