#pragma once

#include "shell/ui/savedialogs.h"

#include <QStringList>

// Save dialogs answered by the test: a path to choose (none cancels), errors collected.
struct AnsweringSaveDialogs : SaveDialogs {
    QString answer;
    int asked = 0;
    QStringList errors;

    void askSaveFileName(QWidget*, const QString&, const QString&, const QString&,
                         std::function<void(const QString&)> chosen) override {
        ++asked;
        if (!answer.isEmpty())
            chosen(answer);
    }
    void showSaveError(QWidget*, const QString&, const QString& text) override { errors << text; }
};
