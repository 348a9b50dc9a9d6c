#include "workspace/ui/savedindicator.h"

#include "services/pictures.h"
#include "services/uitext.h"

#include <QAction>
#include <QMenuBar>
#include <QToolButton>

namespace zelvar {

SavedIndicator::SavedIndicator(QMenuBar *menuBar, QWidget *actionOwner)
    : QObject(actionOwner)
    , m_menuBar(menuBar)
{
    m_action = new QAction(actionOwner);
    m_action->setObjectName(QStringLiteral("Salvar1"));
    actionOwner->addAction(m_action);

    m_button = new QToolButton(menuBar);
    m_button->setObjectName(QStringLiteral("Salvar1Button"));
    m_button->setDefaultAction(m_action);
    m_button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_button->setAutoRaise(true);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setIconSize(QSize(16, 16));
    menuBar->setCornerWidget(m_button, Qt::TopLeftCorner);

    SetSaved(true, Language::Portuguese);
}

void SavedIndicator::SetSaved(bool saved, Language language)
{
    m_imageIndex = saved ? kSavedImage : kChangedImage;
    m_action->setIcon(LoadIcon(saved ? QStringLiteral("pictures/saved.png")
                                     : QStringLiteral("pictures/changed.png")));
    m_action->setText(saved ? trText(language, "To salvo!", "I´m saved!")
                            : trText(language, "Salve me!", "Save me!"));
    m_action->setProperty("imageIndex", m_imageIndex);
    m_button->adjustSize();
}

void SavedIndicator::SetVisible(bool visible)
{
    m_action->setVisible(visible);
    m_button->setVisible(visible);
    m_menuBar->adjustSize();
    m_menuBar->updateGeometry();
}

bool SavedIndicator::IsVisible() const
{
    return m_action->isVisible();
}

} // namespace zelvar
