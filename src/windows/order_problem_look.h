// How an order's problem looks wherever it is shown: its word and its colours, one pair for
// errors and another for warnings, the same in the order window, the browsers and the list
// shown before the orders file is written.
#pragma once

#include "orders/order_check.h"

#include <QColor>
#include <QString>

#include <vector>

namespace korvane {

/// "error" or "warning".
QString SeverityName(OrderSeverity severity);
/// The colour of its marks: the badge, the wavy underline.
QColor ProblemColour(OrderSeverity severity);
/// Its colour for text on `background`: lightened on a dark one, so that it stays readable
/// whatever the desktop's colours.
QColor ProblemTextColour(OrderSeverity severity, const QColor& background);
/// The background of a line that has it: `base` tinted with its colour.
QColor ProblemBackground(OrderSeverity severity, const QColor& base);
/// Whether any of the problems is an error.
bool HasError(const std::vector<OrderProblem>& problems);
/// "2 errors, 1 warning"; "No problems found" for none.
QString ProblemCount(int errors, int warnings);

}  // namespace korvane
