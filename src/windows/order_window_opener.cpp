// Closing the order windows a window opened.
#include "windows/order_window_opener.h"

#include <QWidget>

namespace korvane {

void CloseOwnedWindows(QWidget& owner)
{
    for (QWidget* child : owner.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() && child->isVisible())
            child->close();
    }
}

}  // namespace korvane
