#pragma once

#include <QObject>
#include <QString>
#include <array>

// The texts of the main window's status bar panels. The link writes panels 2, 3 and 5;
// the window shows them, the command-line program prints panel 5 as its progress line.
class StatusPanels : public QObject {
    Q_OBJECT
public:
    static constexpr int Hint = 0, Clock = 1, Port = 2, Baud = 3, Link = 5;
    static constexpr int Count = 6;

    using QObject::QObject;
    void setText(int panel, const QString& text);
    QString text(int panel) const;

signals:
    void changed(int panel, const QString& text);

private:
    std::array<QString, Count> texts_;
};
