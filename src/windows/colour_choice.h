// Asking the player for a colour: the standard colour dialog, or a stand-in in tests.
#pragma once

#include <QColor>

#include <functional>
#include <optional>

class QWidget;

namespace korvane {

/// Asks the player for a colour, preset to `initial`; nullopt when cancelled.
using ColourChooser = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;
/// The standard colour dialog.
std::optional<QColor> AskColourWithDialog(const QColor& initial, QWidget* parent);

}  // namespace korvane
