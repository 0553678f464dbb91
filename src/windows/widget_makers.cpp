// Named buttons and value panels.
#include "windows/widget_makers.h"

#include <QLabel>
#include <QPushButton>

namespace korvane {

QPushButton* DialogButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = Named<QPushButton>(name, caption, parent);
    button->setAutoDefault(false);
    return button;
}

QLabel* ValuePanel(const QString& name, QWidget* parent)
{
    auto* panel = Named<QLabel>(name, parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return panel;
}

}  // namespace korvane
