// The makers of the named widgets every window is built from. Each takes the widget's
// objectName first, then what the widget shows, and its parent last; the parent may be left
// out for a widget a layout will take.
#pragma once

#include <QString>

#include <utility>

class QLabel;
class QPushButton;
class QWidget;

namespace korvane {

/// A new `W` named `name`, made with `args` as W's own constructor takes them (for Qt's
/// widgets: the caption if any, then the parent).
template <typename W, typename... Args>
W* Named(const QString& name, Args&&... args)
{
    W* widget = new W(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

/// A named button that Enter does not press on its own: in a window with text boxes, Enter
/// must never run, save or clear anything the player did not click.
QPushButton* DialogButton(const QString& name, const QString& caption, QWidget* parent = nullptr);

/// A sunken read-only panel showing a figure or a name, which the player can select and copy.
QLabel* ValuePanel(const QString& name, QWidget* parent = nullptr);

}  // namespace korvane
