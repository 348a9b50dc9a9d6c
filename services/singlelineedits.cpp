#include "services/singlelineedits.h"

#include "engine/model/textlines.h"
#include "services/applicationfilter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QValidator>

namespace zelvar {

namespace {

// A validator may rewrite what is entered before the edit takes it and reports it, so the
// windows only ever see the mended text. Each character becomes one blank, so the cursor
// stays where it was.
class SingleLineValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        const std::string text = input.toStdString();
        if (HoldsLineBreaking(text))
            input = QString::fromStdString(SingleLineText(text));
        return Acceptable;
    }
};

// An edit gets the validator on the first event that can come before a user's entry, so one
// filter on the application reaches every edit, whichever window made it.
class SingleLineGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::PolishRequest:
        case QEvent::Polish:
        case QEvent::Show:
        case QEvent::FocusIn:
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::InputMethod:
        case QEvent::MouseButtonPress:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::Drop:
            if (auto *edit = qobject_cast<QLineEdit *>(watched); edit && !edit->validator())
                edit->setValidator(&m_validator);
            break;
        default:
            break;
        }
        return false;
    }

private:
    SingleLineValidator m_validator;
};

} // namespace

void GuardSingleLineEdits()
{
    InstallApplicationFilterOnce<SingleLineGuard>();
}

} // namespace zelvar
