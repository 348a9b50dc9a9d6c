#include "services/userdialogs.h"

#include "services/widgethelpers.h"
#include "services/windowsonscreen.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

#include <algorithm>

namespace zelvar {

namespace {

QString windowTitle()
{
    return QApplication::applicationDisplayName();
}

// Every box and file dialog belongs to the program window the user works in; being modal, it is
// kept in front of every window and given the focus once shown (KeepModalWindowsInFront).
int runInFront(QDialog &dialog, QWidget *parent)
{
    dialog.setParent(DialogOwner(parent), dialog.windowFlags());
    return dialog.exec();
}

// The toolkit's box wraps its text to a width of its own and lets what does not fit run past the
// screen's bottom. Once it has sized itself, this one widens until the wrapped text fits the
// screen's height, and stays within the screen.
class ScreenMessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        fitToScreen();
    }

private:
    void fitToScreen()
    {
        const QScreen *shownOn = screen();
        if (shownOn == nullptr || !layout() || !layout()->hasHeightForWidth())
            return;
        const QRect area = shownOn->availableGeometry();
        const QSize decoration = FrameDecoration(this);
        const int widest = area.width() - decoration.width();
        const int tallest = area.height() - decoration.height();
        constexpr int kWidthStep = 40;
        int width = this->width();
        int height = heightForWidth(width);
        while (height > tallest && width < widest) {
            width = std::min(widest, width + kWidthStep);
            height = heightForWidth(width);
        }
        if (width != this->width() || height > tallest) {
            const QPoint centre = frameGeometry().center();
            setFixedSize(width, std::min(height, tallest));
            QRect frame = frameGeometry();
            frame.moveCenter(centre);
            move(frame.topLeft());
        }
        KeepWithinScreen(this);
    }
};

QMessageBox::StandardButton runMessageBox(QWidget *parent,
                                          QMessageBox::Icon icon,
                                          const QString &text,
                                          QMessageBox::StandardButtons buttons)
{
    ScreenMessageBox box(icon, windowTitle(), WrappableText(text), buttons);
    return static_cast<QMessageBox::StandardButton>(runInFront(box, parent));
}

QString
runFileDialog(QWidget *parent, const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(nullptr, request.title, request.folder, request.filter);
    // The toolkit's own dialog, so that it can be kept in front like the boxes.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptSave) {
        dialog.setFileMode(QFileDialog::AnyFile);
        // The save commands replace a chosen file without a second question.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (runInFront(dialog, parent) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::cleanPath(dialog.selectedFiles().constFirst());
}

} // namespace

QWidget *DialogOwner(QWidget *requested)
{
    // The active program window is the one in front; without one (the program is in the
    // background, or the active window is a menu), a visible stay-on-top window covers the
    // others.
    QWidget *active = QApplication::activeWindow();
    if (active && active->isVisible() && !(active->windowFlags() & Qt::Popup))
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible() && (window->windowFlags() & Qt::WindowStaysOnTopHint)
            && !(window->windowFlags() & Qt::Popup))
            return window;
    }
    return requested ? requested->window() : nullptr;
}

bool QtUserDialogs::askYesNo(QWidget *parent, const QString &text)
{
    return runMessageBox(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

void QtUserDialogs::inform(QWidget *parent, const QString &text)
{
    runMessageBox(parent, QMessageBox::Information, text, QMessageBox::Ok);
}

void QtUserDialogs::showError(QWidget *parent, const QString &text)
{
    runMessageBox(parent, QMessageBox::Critical, text, QMessageBox::Ok);
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
