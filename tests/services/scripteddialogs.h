#pragma once

#include "services/userdialogs.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace zelvar {

// Answers the main window's questions and dialogs from a script and records what was shown.
// A question or dialog nobody scripted fails the test.
class ScriptedDialogs : public UserDialogs
{
public:
    std::deque<bool> answers;      // Yes = true
    std::deque<QString> openFiles; // empty = cancelled
    std::deque<QString> saveFiles;

    QStringList questions;
    QStringList informations;
    QStringList errors;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<QUrl> urls;

    bool askYesNo(QWidget *, const QString &text) override
    {
        questions.append(text);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void inform(QWidget *, const QString &text) override { informations.append(text); }
    void showError(QWidget *, const QString &text) override { errors.append(text); }
    QString openFile(QWidget *, const FileDialogRequest &request) override
    {
        openRequests.push_back(request);
        return next(openFiles, "open");
    }
    QString saveFile(QWidget *, const FileDialogRequest &request) override
    {
        saveRequests.push_back(request);
        return next(saveFiles, "save");
    }
    void openUrl(const QUrl &url) override { urls.push_back(url); }

private:
    static QString next(std::deque<QString> &files, const char *kind)
    {
        if (files.empty()) {
            ADD_FAILURE() << "unexpected " << kind << " dialog";
            return {};
        }
        QString file = files.front();
        files.pop_front();
        return file;
    }
};

} // namespace zelvar
