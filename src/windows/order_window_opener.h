// OrderWindowOpener: how a window that lists the player's units opens one's order window.
#pragma once

#include <cstdint>
#include <functional>

class QWidget;

namespace korvane {

/// Opens the order window for an own unit over `parent` without blocking; `closed` runs when
/// it closes (refresh, count), and must run at once when no window opened (the unit was not
/// found), so that the opener does not count a window that is not there.
using OrderWindowOpener = std::function<void(std::int32_t unitNumber, QWidget* parent, std::function<void()> closed)>;

/// Closes the windows of their own that `owner` has opened as its children and that are
/// shown (order windows), so that what they hold is stored before the owner goes on.
void CloseOwnedWindows(QWidget& owner);

}  // namespace korvane
