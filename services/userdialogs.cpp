#include "services/userdialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace zelvar {

namespace {

QString windowTitle()
{
    return QApplication::applicationDisplayName();
}

QString
runFileDialog(QWidget *parent, const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title, request.folder, request.filter);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptSave) {
        dialog.setFileMode(QFileDialog::AnyFile);
        // The save commands replace a chosen file without a second question.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::cleanPath(dialog.selectedFiles().constFirst());
}

} // namespace

bool QtUserDialogs::askYesNo(QWidget *parent, const QString &text)
{
    return QMessageBox::question(parent, windowTitle(), text, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

void QtUserDialogs::inform(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, windowTitle(), text);
}

void QtUserDialogs::showError(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, windowTitle(), text);
}

QString QtUserDialogs::openFile(QWidget *parent, const FileDialogRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString QtUserDialogs::saveFile(QWidget *parent, const FileDialogRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

void QtUserDialogs::openUrl(const QUrl &url)
{
    // The browser's answer is not reported back.
    QDesktopServices::openUrl(url);
}

} // namespace zelvar
