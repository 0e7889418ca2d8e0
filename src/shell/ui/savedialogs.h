#pragma once

#include <QString>
#include <functional>

class QWidget;

// The dialogs of saving a file and of loading one back, asked without blocking the event loop;
// tests answer them in place of the user.
class SaveDialogs {
public:
    virtual ~SaveDialogs() = default;
    // Asks where to save; `chosen` runs with the path only when the user confirms.
    virtual void askSaveFileName(QWidget* parent, const QString& caption,
                                 const QString& suggestedName, const QString& filter,
                                 std::function<void(const QString&)> chosen) = 0;
    // Asks which existing file to load; `chosen` runs with the path only when the user confirms.
    virtual void askOpenFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 std::function<void(const QString&)> chosen) = 0;
    // Tells why a file could not be saved or loaded.
    virtual void showSaveError(QWidget* parent, const QString& caption, const QString& text) = 0;
};
