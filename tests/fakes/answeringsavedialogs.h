#pragma once

#include "shell/ui/savedialogs.h"

#include <QStringList>

// Save and open dialogs answered by the test: a path to choose (none cancels), what each dialog
// was asked with, errors collected.
struct AnsweringSaveDialogs : SaveDialogs {
    QString answer;
    int asked = 0;
    QString openAnswer;
    int openAsked = 0;
    QString caption;
    QString suggestedName;
    QString filter;
    QStringList errors;

    void askSaveFileName(QWidget*, const QString& askedCaption, const QString& suggested,
                         const QString& askedFilter,
                         std::function<void(const QString&)> chosen) override {
        ++asked;
        remember(askedCaption, askedFilter);
        suggestedName = suggested;
        if (!answer.isEmpty())
            chosen(answer);
    }
    void askOpenFileName(QWidget*, const QString& askedCaption, const QString& askedFilter,
                         std::function<void(const QString&)> chosen) override {
        ++openAsked;
        remember(askedCaption, askedFilter);
        if (!openAnswer.isEmpty())
            chosen(openAnswer);
    }
    void showSaveError(QWidget*, const QString&, const QString& text) override { errors << text; }

private:
    void remember(const QString& askedCaption, const QString& askedFilter) {
        caption = askedCaption;
        filter = askedFilter;
    }
};
