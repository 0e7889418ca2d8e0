#pragma once

#include <QColor>
#include <QPointer>
#include <QTableWidget>
#include <functional>

// One column of the settings window: rows of 24 pixels without headers, painted in one colour
// like the fixed cells of a grid. A cell is edited in place only on purpose (double-click or F2)
// and only on the rows opened for editing, so names, units and empty rows never are. The window
// decides what the editor starts with and what closing it commits; the text typed while the
// editor is open counts only when it closes.
class StringColumn : public QTableWidget {
    Q_OBJECT
public:
    // What the editor shows when it opens on a row.
    using EditorOpening = std::function<QString(int row)>;
    // The editor of a row closed with this text (Enter, another cell, loss of focus).
    using EditorCommit = std::function<void(int row, const QString& text)>;

    explicit StringColumn(QWidget* parent = nullptr);
    ~StringColumn() override;

    void setRows(int count);
    void setCellText(int row, const QString& text);
    QString cellText(int row) const;
    void setColour(const QColor& colour);
    QColor colour() const;
    // Rows 0..count - 1 may be edited; 0 makes the column read-only.
    void setEditableRows(int count);
    void setEditHandlers(EditorOpening opening, EditorCommit commit);
    // Closes an open editor and commits its text.
    void closeEditorCommitting();

signals:
    // The user moved the current cell to this row.
    void cellSelected(int row);
    // The editor of this row closed, committed or not (Escape).
    void editorClosed(int row);

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class CellEditorDelegate;
    QTableWidgetItem* itemAt(int row);
    void applyEditability(int row);

    int editableRows_ = 0;
    EditorOpening opening_;
    EditorCommit commit_;
    QPointer<QWidget> openEditor_;
    int openRow_ = -1;
};
