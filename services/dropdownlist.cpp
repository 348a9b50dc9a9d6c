#include "services/dropdownlist.h"

namespace zelvar {

DropDownList::DropDownList(QWidget *parent, std::function<void()> dropDown)
    : QComboBox(parent)
    , m_dropDown(std::move(dropDown))
{}

void DropDownList::showPopup()
{
    if (m_dropDown)
        m_dropDown();
    QComboBox::showPopup();
}

} // namespace zelvar
