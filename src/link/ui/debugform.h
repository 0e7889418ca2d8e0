#pragma once

#include "common/ui/dialogseams.h"
#include "link/tracelog.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The debug window: collects the trace lines of debug mode, shown or not.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1(TraceLog& trace, Confirmer& confirmer, QWidget* parent = nullptr);

    void appendline(const QString& line);
    bool DebugWindowActive() const { return debugWindowActive_; }
    QString lines() const;

    QPlainTextEdit* Memo1;
    QPushButton* Button1;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Button1Click();
    void FormActivate() { debugWindowActive_ = true; }
    void FormClose() { debugWindowActive_ = false; }

    Confirmer& confirmer_;
    bool debugWindowActive_ = false;
};
