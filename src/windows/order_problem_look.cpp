// The words and colours of the orders' problems.
#include "windows/order_problem_look.h"

#include <algorithm>

namespace korvane {

QString SeverityName(OrderSeverity severity)
{
    return severity == OrderSeverity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

QColor ProblemColour(OrderSeverity severity)
{
    return severity == OrderSeverity::Error ? QColor(0xC0, 0x10, 0x10) : QColor(0xA8, 0x5A, 0x00);
}

QColor ProblemBackground(OrderSeverity severity)
{
    return severity == OrderSeverity::Error ? QColor(0xFF, 0xDE, 0xDE) : QColor(0xFF, 0xF1, 0xC2);
}

bool HasError(const std::vector<OrderProblem>& problems)
{
    return std::any_of(problems.begin(), problems.end(),
                       [](const OrderProblem& problem) { return problem.Severity == OrderSeverity::Error; });
}

QString ProblemCount(int errors, int warnings)
{
    if (errors == 0 && warnings == 0)
        return QStringLiteral("No problems found");
    const auto count = [](int n, const char* one) { return QString::number(n) + " " + one + (n == 1 ? "" : "s"); };
    QStringList parts;
    if (errors > 0)
        parts << count(errors, "error");
    if (warnings > 0)
        parts << count(warnings, "warning");
    return parts.join(", ");
}

}  // namespace korvane
