#pragma once

#include <QComboBox>

#include <functional>

namespace zelvar {

// A list that says when it is about to open, so that it can be refilled first and show what
// is there now.
class DropDownList : public QComboBox
{
public:
    DropDownList(QWidget *parent, std::function<void()> dropDown);

    void showPopup() override;

private:
    std::function<void()> m_dropDown;
};

} // namespace zelvar
