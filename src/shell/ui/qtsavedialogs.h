#pragma once

#include "shell/ui/savedialogs.h"

// The save dialogs as window-modal Qt dialogs that delete themselves when closed.
class QtSaveDialogs : public SaveDialogs {
public:
    void askSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                         const QString& filter,
                         std::function<void(const QString&)> chosen) override;
    void askOpenFileName(QWidget* parent, const QString& caption, const QString& filter,
                         std::function<void(const QString&)> chosen) override;
    void showSaveError(QWidget* parent, const QString& caption, const QString& text) override;
};
