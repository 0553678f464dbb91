// The main map window's wheel, drag and keyboard handling.
#include "mapview/windows/frm_map.h"

#include "mapview/render/display_text.h"
#include "mapview/render/hex_geometry.h"
#include "workspace/workspace.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextEdit>
#include <QWheelEvent>

#include <cmath>
#include <tuple>

namespace korvane {

namespace {

// Bare keys are the map's shortcuts only while no edit box has the focus: typing "u" or
// pressing Home in a box must reach the box.
class EditKeyGuard : public QObject
{
public:
    explicit EditKeyGuard(QWidget* window)
        : QObject(window)
        , window_(window)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != window_ || !TakesTyping(*widget))
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsBareMapKey(key->key(), key->modifiers())) {
            event->accept();  // the box gets the key as a key press, the shortcut does not fire
            return true;
        }
        return false;
    }

private:
    static bool TakesTyping(const QWidget& widget)
    {
        return qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QAbstractSpinBox*>(&widget) ||
               qobject_cast<const QTextEdit*>(&widget) || qobject_cast<const QPlainTextEdit*>(&widget) ||
               qobject_cast<const QComboBox*>(&widget) || qobject_cast<const QAbstractItemView*>(&widget);
    }

    QWidget* window_;
};

// Columns or y units moved by one arrow key with Shift.
constexpr int kFarScroll = 10;

}  // namespace

void TfrmMAP::ConnectKeys()
{
    qApp->installEventFilter(new EditKeyGuard(this));
    // A click on the map gives it the keys, so that the space bar pans instead of pressing a button.
    w_.paintMap->setFocusPolicy(Qt::ClickFocus);
    w_.chkWheelZooms->setChecked(workspace_.Settings.WheelZooms);
    connect(w_.chkWheelZooms, &QCheckBox::toggled, this, [this](bool on) { workspace_.Settings.WheelZooms = on; });
    connect(m_.mnuViewZoomIn, &QAction::triggered, this, [this] { ZoomBy(1); });
    connect(m_.mnuViewZoomOut, &QAction::triggered, this, [this] { ZoomBy(-1); });
    connect(m_.mnuViewLevel, &QAction::triggered, this, [this] {
        (w_.optShowUnderworld->isChecked() ? w_.optShowOverworld : w_.optShowUnderworld)->setChecked(true);
    });
    connect(m_.mnuViewNextTurn, &QAction::triggered, this, [this] { StepTurn(TurnButton::Up1); });
    connect(m_.mnuViewPreviousTurn, &QAction::triggered, this, [this] { StepTurn(TurnButton::Down1); });
    const std::tuple<QAction*, int, int> scrolls[] = {
        {m_.mnuScrollLeft, -1, 0},
        {m_.mnuScrollRight, 1, 0},
        {m_.mnuScrollUp, 0, -1},
        {m_.mnuScrollDown, 0, 1},
        {m_.mnuScrollLeftFar, -kFarScroll, 0},
        {m_.mnuScrollRightFar, kFarScroll, 0},
        {m_.mnuScrollUpFar, 0, -kFarScroll},
        {m_.mnuScrollDownFar, 0, kFarScroll},
    };
    for (const auto& [action, columns, rows] : scrolls)
        connect(action, &QAction::triggered, this, [this, columns = columns, rows = rows] { ScrollView(columns, rows); });
}

void TfrmMAP::ShowStatusMessage(const std::string& text)
{
    statusBar()->showMessage(ToDisplayText(text), 5000);
}

void TfrmMAP::ScrollView(int columns, int rows)
{
    // Through the bars, which know how far the view may go and repaint it.
    w_.scrollH->setValue(w_.scrollH->value() + columns);
    w_.scrollV->setValue(w_.scrollV->value() + rows);
}

void TfrmMAP::ZoomBy(int steps)
{
    // Larger hexes sit higher on the zoom bar ("In" at the top).
    w_.scrollScale->setValue(w_.scrollScale->value() - steps);
}

void TfrmMAP::MapWheel(const QPoint& at, int delta, Qt::KeyboardModifiers modifiers)
{
    const int notches = wheel_.Add(delta);
    if (notches == 0)
        return;
    const int lines = QApplication::wheelScrollLines();
    if (modifiers & Qt::ShiftModifier) {
        ScrollView(-notches * lines, 0);
    } else if ((modifiers & Qt::ControlModifier) || !workspace_.Settings.WheelZooms) {
        ScrollView(0, -notches * lines);
    } else {
        ZoomViewportAt(view_, view_.Zoom + notches, at.x(), at.y(), w_.paintMap->width(), w_.paintMap->height());
        SyncScrollBars();
        RepaintMap();
        PointAt(at.x(), at.y());
    }
}

bool TfrmMAP::MapGesture(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Wheel: {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        // A sideways wheel (or a Shift turn the platform made sideways) scrolls sideways too.
        const QPoint angle = wheel->angleDelta();
        const bool sideways = angle.y() == 0 && angle.x() != 0;
        MapWheel(wheel->position().toPoint(), sideways ? angle.x() : angle.y(),
                 sideways ? wheel->modifiers() | Qt::ShiftModifier : wheel->modifiers());
        return true;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Space || key->isAutoRepeat())
            return false;
        spaceHeld_ = event->type() == QEvent::KeyPress;
        if (!panning_)
            w_.paintMap->setCursor(spaceHeld_ ? Qt::OpenHandCursor : Qt::ArrowCursor);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool pan = mouse->button() == Qt::MiddleButton || (mouse->button() == Qt::LeftButton && spaceHeld_);
        if (!pan)
            return false;
        panning_ = true;
        panStart_ = mouse->position().toPoint();
        panLeft_ = view_.ViewLeft;
        panTop_ = view_.ViewTop;
        w_.paintMap->setCursor(Qt::ClosedHandCursor);
        return true;
    }
    case QEvent::MouseMove: {
        if (!panning_)
            return false;
        const QPoint moved = static_cast<QMouseEvent*>(event)->position().toPoint() - panStart_;
        const HexGeometry hex = HexGeometry::ForZoom(view_.Zoom);
        // The map follows the pointer: dragging right brings the columns on the left into view.
        const int left = panLeft_ - static_cast<int>(std::lround(double(moved.x()) / hex.C));
        const int top = panTop_ - static_cast<int>(std::lround(double(moved.y()) / hex.Hh));
        ScrollView(left - view_.ViewLeft, top - view_.ViewTop);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (!panning_)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() & (Qt::MiddleButton | Qt::LeftButton))
            return true;  // the other button still holds the drag
        panning_ = false;
        w_.paintMap->setCursor(spaceHeld_ ? Qt::OpenHandCursor : Qt::ArrowCursor);
        return true;
    }
    case QEvent::FocusOut:
        // The space bar's release goes elsewhere once the map lost the keys.
        spaceHeld_ = false;
        return false;
    default:
        return false;
    }
}

}  // namespace korvane
