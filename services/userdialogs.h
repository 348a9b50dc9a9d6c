#pragma once

#include <QString>

class QUrl;
class QWidget;

namespace zelvar {

// What a file dialog is asked for. The filter uses Qt's form: "Name (*.ext);;Other (*)".
struct FileDialogRequest
{
    QString title;
    QString folder;
    QString fileName;
    QString filter;
    // False: any typed name is taken, existing or not.
    bool mustExist = true;
};

// Every question, message, file dialog and browser call of the main window goes through here,
// so that tests can answer them from a script.
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    // A modal question with Yes and No; true for Yes. Closing the box counts as No.
    virtual bool askYesNo(QWidget *parent, const QString &text) = 0;
    // A modal information box with one OK button.
    virtual void inform(QWidget *parent, const QString &text) = 0;
    // A modal error box (a failed read or write).
    virtual void showError(QWidget *parent, const QString &text) = 0;
    // The chosen file's full name, or empty when cancelled.
    virtual QString openFile(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual QString saveFile(QWidget *parent, const FileDialogRequest &request) = 0;
    // Opens a page in the user's browser.
    virtual void openUrl(const QUrl &url) = 0;
};

// The window a box or file dialog belongs to: the program window in front (the active one, else
// a visible stay-on-top window), else the requested parent's window.
QWidget *DialogOwner(QWidget *requested);

// The real boxes and dialogs. Each opens above every program window and takes the focus.
class QtUserDialogs : public UserDialogs
{
public:
    bool askYesNo(QWidget *parent, const QString &text) override;
    void inform(QWidget *parent, const QString &text) override;
    void showError(QWidget *parent, const QString &text) override;
    QString openFile(QWidget *parent, const FileDialogRequest &request) override;
    QString saveFile(QWidget *parent, const FileDialogRequest &request) override;
    void openUrl(const QUrl &url) override;
};

} // namespace zelvar
