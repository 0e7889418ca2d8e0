#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A COM-number edit box with an up-down control limited to 1..254. A typed number is reported
// once the user finishes editing it (Return or leaving the box), so that clearing the box or
// typing a number digit by digit never picks the numbers on the way; a step of the arrows is
// reported at once. The owner decides the number and shows it back with showNumber.
class ComPortEdit : public QWidget {
    Q_OBJECT
public:
    explicit ComPortEdit(QWidget* parent = nullptr);

    void showNumber(int number);
    QString text() const;
    QLineEdit* edit() const { return edit_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void changed(const QString& text);

private:
    void finishTyping();
    void step(int by);

    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
};
