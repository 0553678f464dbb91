// Named buttons.
#include "windows/dialog_button.h"

#include <QPushButton>

namespace korvane {

QPushButton* DialogButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace korvane
