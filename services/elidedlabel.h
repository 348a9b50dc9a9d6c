#pragma once

#include <QLabel>

namespace zelvar {

// A title on one line that never widens its window: it takes the width the layout gives it and
// a text too long for that ends in "…", the whole text showing as its tool tip. text() is the
// whole text.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The text as it is drawn.
    QString shownText() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace zelvar
