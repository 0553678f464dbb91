// The main map window's wheel, drag and keyboard handling.
#include "mapview/windows/frm_map.h"

#include "mapview/render/display_text.h"
#include "workspace/workspace.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextEdit>

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
        return qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QAbstractSpinBox*>(&widget)
            || qobject_cast<const QTextEdit*>(&widget) || qobject_cast<const QPlainTextEdit*>(&widget)
            || qobject_cast<const QComboBox*>(&widget) || qobject_cast<const QAbstractItemView*>(&widget);
    }

    QWidget* window_;
};

// Columns or y units moved by one arrow key with Shift.
constexpr int kFarScroll = 10;

}  // namespace

void TfrmMAP::ConnectKeys()
{
    qApp->installEventFilter(new EditKeyGuard(this));
    connect(w_.chkWheelZooms, &QCheckBox::toggled, this, [this](bool on) { workspace_.Settings.WheelZooms = on; });
    connect(w_.chkOverviewKnownWorld, &QCheckBox::toggled, this, [this](bool on) {
        workspace_.Settings.OverviewKnownWorld = on;
        RefreshOverview();
    });
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
        connect(action, &QAction::triggered, this,
                [this, columns = columns, rows = rows] { ScrollView(columns, rows); });
}

void TfrmMAP::ShowStatusMessage(const std::string& text)
{
    statusBar()->showMessage(ToDisplayText(text), 5000);
}

void TfrmMAP::ScrollView(int columns, int rows)
{
    Canvas().ScrollBy(columns, rows);
}

void TfrmMAP::ZoomBy(int steps)
{
    // Larger hexes sit higher on the zoom bar ("In" at the top).
    w_.scrollScale->setValue(w_.scrollScale->value() - steps);
}

}  // namespace korvane
