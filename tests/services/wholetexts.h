#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace zelvar {

// Every label, check box, radio button and read-only edit in sight shows its whole text at
// the size the window gives it: nothing is cut at the right or the bottom.
inline void ExpectWholeTexts(const QWidget *window)
{
    const auto check = [](const QWidget *widget, const QString &text, QSize needed, QSize room) {
        EXPECT_GE(room.width(), needed.width())
            << widget->objectName().toStdString() << " cuts \"" << text.toStdString() << "\"";
        EXPECT_GE(room.height(), needed.height())
            << widget->objectName().toStdString() << " cuts \"" << text.toStdString() << "\"";
    };
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull())
                continue;
            const QRect text
                = label->fontMetrics().boundingRect(QRect(), Qt::AlignLeft, label->text());
            check(label, label->text(), text.size(), label->contentsRect().size());
        } else if (qobject_cast<const QCheckBox *>(widget)
                   || qobject_cast<const QRadioButton *>(widget)) {
            const auto *button = static_cast<const QAbstractButton *>(widget);
            if (!button->text().isEmpty())
                check(button, button->text(), button->minimumSizeHint(), button->size());
        } else if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
            if (!edit->isReadOnly() || edit->text().isEmpty())
                continue;
            const QMargins margins = edit->textMargins();
            const int room = edit->contentsRect().width() - margins.left() - margins.right()
                             - 4; // the edit's own inner margin
            check(edit,
                  edit->text(),
                  QSize(edit->fontMetrics().horizontalAdvance(edit->text()), 0),
                  QSize(room, 1));
        }
    }
}

} // namespace zelvar
