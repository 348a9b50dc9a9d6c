#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace zelvar {

// Every label (a wrapped one word by word, a long word at its break opportunities), check box,
// radio button, push button, edit, read-only memo (word by word, with no scroll bar to reach the
// rest) and group-box title in sight shows its whole text at the size the window gives it: nothing
// is cut at the right or the bottom.
inline void ExpectWholeTexts(const QWidget *window)
{
    const auto check
        = [window](const QWidget *widget, const QString &text, QSize needed, QSize room) {
              // A parent that is smaller than the widget cuts it too: the room lost there counts.
              QRect shown = widget->rect();
              for (const QWidget *inner = widget; inner != window && inner->parentWidget();
                   inner = inner->parentWidget()) {
                  shown.translate(inner->pos());
                  shown &= inner->parentWidget()->rect();
              }
              room -= widget->size() - shown.size();
              EXPECT_GE(room.width(), needed.width())
                  << widget->objectName().toStdString() << " cuts \"" << text.toStdString() << "\"";
              EXPECT_GE(room.height(), needed.height())
                  << widget->objectName().toStdString() << " cuts \"" << text.toStdString() << "\"";
          };
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            if (label->text().isEmpty() || !label->pixmap().isNull())
                continue;
            const QSize room = label->contentsRect().size();
            if (label->wordWrap()) {
                int widestWord = 0;
                // Blanks and the invisible break opportunities of long words end a word.
                static const QRegularExpression kBreaks(QString::fromUtf8("[ \u200B]"));
                for (const QString &word : label->text().split(kBreaks))
                    widestWord = std::max(widestWord, label->fontMetrics().horizontalAdvance(word));
                check(label,
                      label->text(),
                      QSize(widestWord, label->heightForWidth(label->width())),
                      QSize(room.width(), label->height()));
                continue;
            }
            const QRect text
                = label->fontMetrics().boundingRect(QRect(), Qt::AlignLeft, label->text());
            check(label, label->text(), text.size(), room);
        } else if (qobject_cast<const QCheckBox *>(widget)
                   || qobject_cast<const QRadioButton *>(widget)) {
            const auto *button = static_cast<const QAbstractButton *>(widget);
            if (!button->text().isEmpty())
                check(button, button->text(), button->minimumSizeHint(), button->size());
        } else if (const auto *push = qobject_cast<const QPushButton *>(widget)) {
            if (push->text().isEmpty())
                continue;
            // The text is drawn inside the style's frame.
            const int inner
                = 2 * push->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, push);
            const int icon = push->icon().isNull() ? 0 : push->iconSize().width() + 4;
            QString shown = push->text();
            shown.remove(QLatin1Char('&'));
            check(push,
                  push->text(),
                  QSize(push->fontMetrics().horizontalAdvance(shown) + icon + inner,
                        push->fontMetrics().height()),
                  push->size());
        } else if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
            if (edit->text().isEmpty())
                continue;
            const QMargins margins = edit->textMargins();
            const int room = edit->contentsRect().width() - margins.left() - margins.right()
                             - 4; // the edit's own inner margin
            check(edit,
                  edit->text(),
                  QSize(edit->fontMetrics().horizontalAdvance(edit->text()), 0),
                  QSize(room, 1));
        } else if (const auto *memo = qobject_cast<const QPlainTextEdit *>(widget)) {
            const QString text = memo->toPlainText();
            if (text.isEmpty())
                continue;
            const int margin = static_cast<int>(memo->document()->documentMargin());
            const QSize room = memo->viewport()->size() - QSize(2 * margin, 2 * margin);
            const QRect needed = memo->fontMetrics().boundingRect(
                QRect(0, 0, room.width(), INT_MAX), Qt::TextWordWrap, text);
            check(memo, text, needed.size(), room);
        } else if (const auto *box = qobject_cast<const QGroupBox *>(widget)) {
            if (!box->title().isEmpty())
                check(box,
                      box->title(),
                      QSize(box->minimumSizeHint().width(), 0),
                      QSize(box->width(), 1));
        }
    }
}

} // namespace zelvar
