#include "engine/ui/objectwindow.h"

#include "engine/model/numbertext.h"
#include "engine/ui/objecthelp.h"
#include "services/elidedlabel.h"
#include "services/session.h"
#include "services/uitext.h"
#include "services/userdialogs.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace zelvar {

ObjectWindow::ObjectWindow(Session &session,
                           int slot,
                           const char *slotNamePrefix,
                           const char *helpPage,
                           QWidget *parent,
                           UserDialogs *dialogs)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ownDialogs(dialogs ? nullptr : std::make_unique<QtUserDialogs>())
    , m_slot(slot)
    , m_helpPage(helpPage)
    , m_session(session)
    , m_dialogs(dialogs ? *dialogs : *m_ownDialogs)
{
    setObjectName(QString::fromLatin1(slotNamePrefix) + toQString(FormatFixed(slot, 0, 0)));
}

ObjectWindow::~ObjectWindow() = default;

void ObjectWindow::followPlant()
{
    connect(&m_session, &Session::plantReplaced, this, [this] {
        if (!leaveIfRemoved())
            showObject();
    });
    connect(&m_session, &Session::plantChanged, this, &ObjectWindow::leaveIfRemoved);
    connect(&m_session, &Session::mainWindowRefreshed, this, &ObjectWindow::leaveIfRemoved);
    const auto showValues = [this] {
        if (!leaveIfRemoved())
            showLiveValues();
    };
    connect(&m_session, &Session::ticked, this, showValues);
    connect(&m_session, &Session::batchRunEnded, this, showValues);
    // The list re-applies the objects over the new ranges (scales, texts in engineering units);
    // a paused plant has no tick to show them.
    connect(&m_session, &Session::variableListRefreshed, this, [this] {
        if (!leaveIfRemoved())
            showObject();
    });
}

bool ObjectWindow::leaveIfRemoved()
{
    if (m_leaving)
        return true;
    if (objectPresent())
        return false;
    m_leaving = true;
    hide();
    deleteLater();
    return true;
}

void ObjectWindow::addHeader(QVBoxLayout *column)
{
    auto *panel1 = named(new QFrame(this), "Panel1");
    panel1->setFrameShape(QFrame::StyledPanel);
    auto *panelRow = new QHBoxLayout(panel1);
    // The title takes the window's width, never sets it.
    m_label9 = named(new ElidedLabel(panel1), "Label9");
    panelRow->addWidget(m_label9);
    column->addWidget(panel1);
}

void ObjectWindow::addButtons(QVBoxLayout *column)
{
    auto *buttons = new QHBoxLayout;
    m_btnatualiza = named(new QPushButton(QStringLiteral("Atualizar"), this), "btnatualiza");
    m_sairButton = named(new QToolButton(this), "SairButton");
    m_sairButton->setIcon(QIcon(QStringLiteral(":/pictures/menu/sair.png")));
    m_sairButton->setToolTip(QStringLiteral("Sair"));
    m_speedButton1 = named(new QToolButton(this), "SpeedButton1");
    m_speedButton1->setText(QStringLiteral("?"));
    buttons->addWidget(m_btnatualiza);
    buttons->addStretch();
    buttons->addWidget(m_speedButton1);
    buttons->addWidget(m_sairButton);
    column->addLayout(buttons);
    connect(m_btnatualiza, &QPushButton::clicked, this, &ObjectWindow::btnatualizaClick);
    connect(m_sairButton, &QToolButton::clicked, this, &ObjectWindow::SairButtonClick);
    connect(m_speedButton1, &QToolButton::clicked, this, &ObjectWindow::SpeedButton1Click);
}

void ObjectWindow::enableButtons(bool applyEnabled, bool exitEnabled)
{
    m_btnatualiza->setEnabled(applyEnabled);
    m_sairButton->setEnabled(exitEnabled);
}

bool ObjectWindow::reportMessages(const std::vector<std::string> &messages)
{
    if (messages.empty())
        return false;
    const QPointer<ObjectWindow> alive(this);
    for (const std::string &message : messages) {
        m_dialogs.inform(this, toQString(message));
        if (!alive)
            break;
    }
    return true;
}

void ObjectWindow::SairButtonClick()
{
    // The close handling does the rest.
    close();
}

void ObjectWindow::SpeedButton1Click()
{
    m_dialogs.openUrl(ObjectHelpPageUrl(m_session.HelpFolder, QString::fromLatin1(m_helpPage)));
}

bool ObjectWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !leaveIfRemoved())
        FormActivate();
    return QWidget::event(event);
}

void ObjectWindow::showEvent(QShowEvent *event)
{
    // Placed as it first shows, at the size it takes once active (a recorder folds its settings
    // away then), which follows at once; later it opens where it was left.
    if (!m_placed && !event->spontaneous()) {
        if (!leaveIfRemoved())
            FormActivate();
        if (layout() != nullptr)
            layout()->activate();
        PlaceBelowMainMenu(this);
        m_placed = true;
    }
    QWidget::showEvent(event);
    showLiveValues();
}

QLineEdit *ObjectWindow::newEdit(QWidget *parent, const char *objectName, const char *hint)
{
    auto *edit = named(new QLineEdit(parent), objectName);
    if (hint)
        edit->setToolTip(QString::fromUtf8(hint));
    return edit;
}

QLineEdit *ObjectWindow::newTextEdit(QWidget *parent, const char *objectName)
{
    QLineEdit *edit = newEdit(parent, objectName);
    BoundToMemoryText(edit);
    return edit;
}

} // namespace zelvar
