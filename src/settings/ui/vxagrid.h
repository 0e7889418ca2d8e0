#pragma once

#include <QPointer>
#include <QTableWidget>

// The alarm-unit programmer's grid: labels, values and units in three columns under a fixed
// yellow header row. Only the value cells of rows 1..9 can be chosen, and choosing one opens its
// editor; moving the mouse over the grid moves the chosen row along with the pointer. What an
// editor holds when it closes (Enter, another row, loss of focus) goes to the window when it
// differs from the cell; Escape drops it.
class VxaGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int Rows = 10, Columns = 3;
    static constexpr int LabelColumn = 0, ValueColumn = 1, UnitColumn = 2;
    static constexpr int FirstValueRow = 1, LastValueRow = 9;

    explicit VxaGrid(QWidget* parent = nullptr);
    ~VxaGrid() override;

    void setCellText(int row, int column, const QString& text);
    QString cellText(int row, int column) const;
    // False while there are no values to edit.
    void setValuesEditable(bool editable);
    // Chooses the value cell of a row 1..9 and opens its editor when values can be edited.
    void chooseRow(int row);
    // Closes an open editor and hands its text on.
    void closeEditorCommitting();

signals:
    // The editor of a value row closed with this text.
    void valueEntered(int row, const QString& text);
    // A value cell was chosen.
    void rowChosen(int row);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class VxaCellDelegate;
    QTableWidgetItem* cell(int row, int column);
    void currentMoved(int row, int column);
    void openValueEditor(int row);

    bool valuesEditable_ = true;
    QPointer<QWidget> openEditor_;
};
