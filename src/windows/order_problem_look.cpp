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

namespace {

bool IsDark(const QColor& colour)
{
    return colour.lightness() < 128;
}

}  // namespace

QColor ProblemTextColour(OrderSeverity severity, const QColor& background)
{
    const QColor colour = ProblemColour(severity);
    return IsDark(background) ? colour.lighter(severity == OrderSeverity::Error ? 190 : 160) : colour;
}

QColor ProblemBackground(OrderSeverity severity, const QColor& base)
{
    // A light tint, strong enough to see on a dark base too.
    const QColor tint = severity == OrderSeverity::Error ? QColor(0xFF, 0x30, 0x30) : QColor(0xFF, 0xB0, 0x00);
    const double share = IsDark(base) ? 0.30 : 0.16;
    const auto mix = [share](int from, int to) { return static_cast<int>(from + (to - from) * share + 0.5); };
    return QColor(mix(base.red(), tint.red()), mix(base.green(), tint.green()), mix(base.blue(), tint.blue()));
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
