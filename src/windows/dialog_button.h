// The push buttons of the program's windows.
#pragma once

class QPushButton;
class QString;
class QWidget;

namespace korvane {

/// A named button that Enter does not press on its own: in a window with text boxes, Enter
/// must never run, save or clear anything the player did not click.
QPushButton* DialogButton(const QString& caption, const QString& name, QWidget* parent);

}  // namespace korvane
