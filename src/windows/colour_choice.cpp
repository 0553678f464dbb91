// The standard colour dialog.
#include "windows/colour_choice.h"

#include <QColorDialog>

namespace korvane {

std::optional<QColor> AskColourWithDialog(const QColor& initial, QWidget* parent)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
}

}  // namespace korvane
