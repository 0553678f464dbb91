// The gate and city list window.
#include "windows/frm_map_list.h"

#include "core/settings.h"
#include "mapview/render/display_text.h"
#include "windows/centre_window.h"
#include "windows/fixed_width_font.h"
#include "windows/widget_makers.h"
#include "world/place_lists.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace korvane {

namespace {

constexpr int kItemBytesRole = Qt::UserRole;
constexpr int kVisibleRows = 16;
constexpr int kMinListWidth = 220;
constexpr int kMaxListWidth = 520;

/// Alphabetical, ignoring case, as a player reads a list of names; the gate items' padded
/// numbers order the same way. Texts equal but for case keep a fixed order.
bool ItemBefore(const QString& a, const QString& b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

std::int32_t& PosX(TrecINI& settings, MapListMode mode)
{
    return mode == MapListMode::Gates ? settings.GateListPosX : settings.CityListPosX;
}

std::int32_t& PosY(TrecINI& settings, MapListMode mode)
{
    return mode == MapListMode::Gates ? settings.GateListPosY : settings.CityListPosY;
}

}  // namespace

TfrmMapList::TfrmMapList(MapListMode mode, const QString& caption, const std::vector<std::string>& items,
                         TrecINI& settings, std::function<void(int x, int y)> centreOn, QWidget* parent)
    : QDialog(parent)
    , mode_(mode)
    , settings_(settings)
    , centreOn_(std::move(centreOn))
{
    setObjectName("frmMapList");
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);

    lstItems = Named<QListWidget>("lstItems", this);
    lstItems->setSelectionMode(QAbstractItemView::SingleSelection);
    // Gate numbers are padded with spaces to line up, which only a fixed-pitch font shows.
    if (mode == MapListMode::Gates)
        lstItems->setFont(FixedWidthFont());

    std::vector<std::pair<QString, const std::string*>> shown;
    shown.reserve(items.size());
    for (const std::string& item : items)
        shown.emplace_back(ToDisplayText(item), &item);
    std::stable_sort(shown.begin(), shown.end(),
                     [](const auto& a, const auto& b) { return ItemBefore(a.first, b.first); });
    int widest = 0;
    for (const auto& [text, bytes] : shown) {
        auto* entry = new QListWidgetItem(text, lstItems);
        // The stored bytes, not the shown text, are what the position is read from.
        entry->setData(kItemBytesRole, QByteArray::fromStdString(*bytes));
        widest = std::max(widest, lstItems->fontMetrics().horizontalAdvance(text));
    }
    const int chrome = 2 * lstItems->frameWidth() + lstItems->verticalScrollBar()->sizeHint().width() + 12;
    lstItems->setMinimumWidth(std::clamp(widest + chrome, kMinListWidth, kMaxListWidth));
    lstItems->setMinimumHeight(kVisibleRows * lstItems->fontMetrics().height());

    cmdGoto = Named<QPushButton>("cmdGoto", "Goto ...", this);
    cmdGoto->setEnabled(false);
    // Enter jumps to the selected place; the window stays open for the next one.
    cmdGoto->setDefault(true);
    cmdClose = Named<QPushButton>("cmdClose", "Close", this);
    cmdClose->setAutoDefault(false);

    connect(lstItems, &QListWidget::itemSelectionChanged, this, &TfrmMapList::lstItemsSelectionChange);
    connect(cmdGoto, &QPushButton::clicked, this, &TfrmMapList::cmdGotoClick);
    // Escape reaches reject() as well, so both leave through done().
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdGoto);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstItems);
    layout->addLayout(buttons);

    adjustSize();
    PlaceWindow(parent);
}

void TfrmMapList::PlaceWindow(QWidget* parent)
{
    const QPoint kept(PosX(settings_, mode_), PosY(settings_, mode_));
    // A position on a screen that is gone would open the window out of reach.
    if (kept.x() >= 0 && kept.y() >= 0 && QGuiApplication::screenAt(kept))
        move(kept);
    else
        CentreWindow(parent, this);
}

void TfrmMapList::done(int result)
{
    PosX(settings_, mode_) = x();
    PosY(settings_, mode_) = y();
    QDialog::done(result);
}

void TfrmMapList::lstItemsSelectionChange()
{
    cmdGoto->setEnabled(!lstItems->selectedItems().isEmpty());
}

void TfrmMapList::cmdGotoClick()
{
    const QList<QListWidgetItem*> selected = lstItems->selectedItems();
    if (selected.isEmpty() || !centreOn_)
        return;
    const QByteArray bytes = selected.front()->data(kItemBytesRole).toByteArray();
    if (const auto position = ListItemPosition(bytes.toStdString()))
        centreOn_(position->first, position->second);
}

}  // namespace korvane
