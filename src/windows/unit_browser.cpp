// The unit browsers' shared filter, lines, details, views and closing.
#include "windows/unit_browser.h"

#include "core/user_interaction.h"
#include "mapview/render/colour.h"
#include "mapview/render/display_text.h"
#include "orders/orders_in_world.h"
#include "people/faction.h"
#include "people/unit_list.h"
#include "storage/turn_files.h"
#include "storage/unit_list_files.h"
#include "windows/centre_window.h"
#include "windows/colour_square_delegate.h"
#include "windows/fixed_width_font.h"
#include "windows/frm_unit_summ.h"
#include "windows/order_problem_look.h"
#include "windows/widget_makers.h"
#include "workspace/workspace.h"

#include <QAbstractListModel>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStylePainter>
#include <QVBoxLayout>

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace korvane {

namespace {

constexpr std::int32_t kUnknownFactionColour = 0x808080;

struct FlagBox
{
    const char* name;
    const char* caption;
    std::uint32_t bit;
};

constexpr FlagBox kFlagBoxes[] = {
    {"chkAvoiding", " Avoiding", kFlagAvoiding},
    {"chkBehind", " Behind", kFlagBehind},
    {"chkRevealUnit", " Reveal Unit", kFlagRevealUnit},
    {"chkRevealFac", " Reveal Faction", kFlagRevealFaction},
    {"chkOnGuard", " On guard", kFlagGuard},
    {"chkHolding", " Holding", kFlagHolding},
    {"chkNoAid", " No aid", kFlagNoAid},
    {"chkTaxing", " Taxing", kFlagTaxing},
};

/// A value panel in the style's own frame, as the browser shows its figures.
QLabel* BrowserPanel(const char* name, QWidget* parent)
{
    QLabel* panel = ValuePanel(name, parent);
    panel->setFrameShape(QFrame::StyledPanel);
    return panel;
}

}  // namespace

/// The unit lines as the bytes they were built from, each with its unit's key. A world lists
/// tens of thousands of units: a line becomes screen text only when the view asks for it, which
/// it does for the lines in sight.
class UnitLinesModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    /// A line's unit number (Qt::UserRole) and faction number, and whether its unit's orders
    /// have an error, as item data; the error itself is the line's tooltip.
    static constexpr int kUnitRole = Qt::UserRole;
    static constexpr int kFactionRole = Qt::UserRole + 1;
    static constexpr int kOrderErrorRole = Qt::UserRole + 2;

    using OrderErrors = std::unordered_map<std::int32_t, QString>;

    void SetLines(std::vector<std::string> lines, std::vector<UnitLineKey> keys, OrderErrors errors)
    {
        beginResetModel();
        lines_ = std::move(lines);
        keys_ = std::move(keys);
        keys_.resize(lines_.size());
        errors_ = std::move(errors);
        endResetModel();
    }
    /// A unit's error, or none when `error` is empty.
    void SetOrderError(std::int32_t unit, const QString& error)
    {
        if (error.isEmpty())
            errors_.erase(unit);
        else
            errors_[unit] = error;
        if (!lines_.empty())
            emit dataChanged(index(0), index(rowCount() - 1), {kOrderErrorRole, Qt::ToolTipRole});
    }
    const UnitLineKey& Key(int row) const { return keys_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(lines_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const auto row = static_cast<std::size_t>(index.row());
        switch (role) {
        case Qt::DisplayRole:
            return ToDisplayText(lines_[row]);
        case kUnitRole:
            return keys_[row].Unit;
        case kFactionRole:
            return keys_[row].Faction;
        case kOrderErrorRole:
            return errors_.count(keys_[row].Unit) != 0;
        case Qt::ToolTipRole: {
            const auto error = errors_.find(keys_[row].Unit);
            return error == errors_.end() ? QVariant() : QVariant(error->second);
        }
        default:
            return {};
        }
    }

private:
    std::vector<std::string> lines_;
    std::vector<UnitLineKey> keys_;
    OrderErrors errors_;
};

namespace {

/// A drop-down list whose lines, shown and closed alike, carry their faction's colour square.
class FactionComboBox : public QComboBox
{
public:
    using ColourOf = std::function<QColor(int row)>;
    FactionComboBox(ColourOf colourOf, QWidget* parent)
        : QComboBox(parent)
        , colourOf_(std::move(colourOf))
    {
        setItemDelegate(
            new ColourSquareDelegate([this](const QModelIndex& index) { return colourOf_(index.row()); }, this));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        const QString text = option.currentText;
        option.currentText.clear();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
        if (currentIndex() < 0)
            return;
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        const int h = std::min(field.height(), fontMetrics().height() + 4);
        const QRect line(field.left(), field.center().y() - h / 2, field.width(), h);
        DrawColourSquare(painter, line, colourOf_(currentIndex()), false);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(line.adjusted(h, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    }

private:
    ColourOf colourOf_;
};

/// The unit lines: the faction's square, crossed when the orders are complete, then a red
/// "!" badge when they have an error, in a column of its own so that it catches the eye.
class UnitLineDelegate : public ColourSquareDelegate
{
public:
    using ColourSquareDelegate::ColourSquareDelegate;

protected:
    int MarkWidth(int lineHeight) const override { return lineHeight; }
    void DrawMark(QPainter& painter, const QRect& place, const QModelIndex& index) const override
    {
        if (!index.data(UnitLinesModel::kOrderErrorRole).toBool())
            return;
        const int size = place.height() - 4;
        const QRect badge(place.left() + (place.width() - size) / 2, place.top() + 2, size, size);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ProblemColour(OrderSeverity::Error));
        painter.drawEllipse(badge);
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(std::max(6, size - 3));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(badge, Qt::AlignCenter, QStringLiteral("!"));
        painter.restore();
    }
};

}  // namespace

TUnitBrowser::TUnitBrowser(Workspace& workspace, const OrderVocabulary& vocabulary, UserInteraction& ui,
                           QWidget* parent)
    : QDialog(parent)
    , workspace_(workspace)
    , vocabulary_(vocabulary)
    , ui_(ui)
{
    setModal(true);
    BuildWidgets();
    resize(760, 640);
    CentreWindow(parent, this);
}

TUnitBrowser::~TUnitBrowser() = default;

void TUnitBrowser::BuildWidgets()
{
    const auto factionColour = [this](std::int32_t faction) {
        const TFaction* known = workspace_.Factions.Find(faction);
        return ToQColor(known ? known->Colour : kUnknownFactionColour);
    };

    lstFactions = Named<FactionComboBox>(
        "lstFactions", [this, factionColour](int row) { return factionColour(lstFactions->itemData(row).toInt()); },
        this);
    lstFactions->setFont(FixedWidthFont());
    lstFactions->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lstFactions->setMinimumContentsLength(28);
    connect(lstFactions, &QComboBox::currentIndexChanged, this, [this] { ChangeSelection(); });

    lines_ = new UnitLinesModel(this);
    lstUnits = Named<QListView>("lstUnits", this);
    lstUnits->setModel(lines_);
    lstUnits->setFont(FixedWidthFont());
    // Every line is as high as the next: the view need not measure tens of thousands of them.
    lstUnits->setUniformItemSizes(true);
    lstUnits->setSelectionMode(QAbstractItemView::SingleSelection);
    lstUnits->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstUnits->setItemDelegate(new UnitLineDelegate(
        [this, factionColour](const QModelIndex& index) {
            return factionColour(index.data(UnitLinesModel::kFactionRole).toInt());
        },
        [this](const QModelIndex& index) {
            const TUnit* record = workspace_.Map.UnitFileList.Find(index.data(UnitLinesModel::kUnitRole).toInt());
            return record && record->OrdersDone;
        },
        lstUnits));
    connect(lstUnits->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { lstUnitsClick(current.isValid() ? current.row() : -1); });
    connect(lstUnits, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        SelectLine(index.row());
        cmdOrdersClick();
    });

    pnlManCount = BrowserPanel("pnlManCount", this);
    pnlManCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pnlManCount->setMinimumWidth(90);

    cmdShowMine = DialogButton("cmdShowMine", "Mine", this);
    cmdOrders = DialogButton("cmdOrders", "Orders", this);
    cmdSummary = DialogButton("cmdSummary", "Summary", this);
    // No default button: Enter on a unit line must not close the browser.
    cmdClose = DialogButton("cmdClose", "Close", this);
    connect(cmdShowMine, &QPushButton::clicked, this, &TUnitBrowser::cmdShowMineClick);
    connect(cmdOrders, &QPushButton::clicked, this, &TUnitBrowser::cmdOrdersClick);
    connect(cmdSummary, &QPushButton::clicked, this, &TUnitBrowser::cmdSummaryClick);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    filterRow_ = new QHBoxLayout;
    auto* factionCaption = new QLabel("Faction", this);
    filterRow_->addWidget(factionCaption);
    filterRow_->addWidget(lstFactions, 1);
    filterRow_->addWidget(cmdShowMine);

    buttonRow_ = new QHBoxLayout;
    buttonRow_->addWidget(cmdOrders);
    buttonRow_->addWidget(cmdSummary);

    auto* closeRow = new QHBoxLayout;
    closeRow->addLayout(buttonRow_);
    closeRow->addStretch();
    closeRow->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow_);
    layout->addWidget(lstUnits, 3);
    layout->addLayout(BuildDetails(), 2);
    layout->addLayout(closeRow);
    ShowUnitDetails(nullptr);
}

QLayout* TUnitBrowser::BuildDetails()
{
    pnlSilver = BrowserPanel("pnlSilver", this);
    pnlSilver->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pnlCombSpell = BrowserPanel("pnlCombSpell", this);
    pnlDesc = BrowserPanel("pnlDesc", this);
    pnlDesc->setWordWrap(true);
    pnlDesc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pnlLastSeen = BrowserPanel("pnlLastSeen", this);
    pnlLastSeen->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* texts = new QGridLayout;
    texts->addWidget(new QLabel("Silver", this), 0, 0);
    texts->addWidget(pnlSilver, 0, 1);
    texts->addWidget(new QLabel("Last Seen Turn", this), 0, 2);
    texts->addWidget(pnlLastSeen, 0, 3);
    texts->addWidget(new QLabel("Combat Spell", this), 1, 0);
    texts->addWidget(pnlCombSpell, 1, 1, 1, 3);
    texts->addWidget(new QLabel("Description", this), 2, 0, Qt::AlignTop);
    texts->addWidget(pnlDesc, 2, 1, 1, 3);
    texts->setColumnStretch(1, 1);
    texts->setColumnStretch(3, 1);
    texts->setRowStretch(2, 1);

    auto* flags = new QGridLayout;
    int at = 0;
    for (const FlagBox& flag : kFlagBoxes) {
        auto* box = Named<QCheckBox>(flag.name, flag.caption, this);
        box->setEnabled(false);
        flagBoxes_.emplace_back(box, flag.bit);
        flags->addWidget(box, at % 4, at / 4);
        ++at;
    }
    texts->addLayout(flags, 3, 0, 1, 4);

    cmdSkills = DialogButton("cmdSkills", "Skills", this);
    cmdEquipment = DialogButton("cmdEquipment", "Equipment", this);
    cmdTroops = DialogButton("cmdTroops", "Troops", this);
    cmdCanStudy = DialogButton("cmdCanStudy", "Can Study", this);
    views_ = new QButtonGroup(this);
    auto* viewButtons = new QHBoxLayout;
    for (QPushButton* button : {cmdSkills, cmdEquipment, cmdTroops, cmdCanStudy}) {
        button->setCheckable(true);
        views_->addButton(button);
        viewButtons->addWidget(button);
    }
    connect(views_, &QButtonGroup::buttonClicked, this, [this] { RefreshView(); });
    lstMisc = Named<QListWidget>("lstMisc", this);
    lstMisc->setFont(FixedWidthFont());
    lstMisc->setSelectionMode(QAbstractItemView::NoSelection);

    auto* views = new QVBoxLayout;
    views->addLayout(viewButtons);
    views->addWidget(lstMisc, 1);

    auto* details = new QHBoxLayout;
    details->addLayout(texts, 1);
    details->addLayout(views, 1);
    return details;
}

void TUnitBrowser::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The opener hands in the order window and the map's functions after the browser was made
    // and loaded: the unit chosen then is shown again with them.
    if (!shown_) {
        shown_ = true;
        ShowUnitDetails(selectedUnit_);
    }
}

void TUnitBrowser::FillFactions(const TUnitList& units)
{
    const QSignalBlocker quiet(lstFactions);
    lstFactions->clear();
    std::vector<std::int32_t> codes;
    const std::vector<std::string> lines = units.ListFactions(false, workspace_.Factions, &codes);
    // Each choice keeps its filter code, which is what is read back.
    for (std::size_t i = 0; i < lines.size(); ++i)
        lstFactions->addItem(ToDisplayText(lines[i]), codes[i]);
    lstFactions->setCurrentIndex(lstFactions->count() > 0 ? 0 : -1);
}

int TUnitBrowser::FactionCode() const
{
    // Nothing chosen filters nothing.
    return lstFactions->currentIndex() < 0 ? 0 : lstFactions->currentData().toInt();
}

void TUnitBrowser::ChooseFaction(int position)
{
    {
        const QSignalBlocker quiet(lstFactions);
        lstFactions->setCurrentIndex(position);
    }
    ChangeSelection();
}

void TUnitBrowser::ShowUnitLines(std::vector<std::string> lines, std::vector<UnitLineKey> keys, std::int64_t men)
{
    // Only the player's own units are checked, each once while the browser is open.
    UnitLinesModel::OrderErrors errors;
    std::unordered_set<std::int32_t> checked;
    for (const UnitLineKey& key : keys) {
        if (!checked.insert(key.Unit).second)
            continue;
        if (const QString& error = FirstOrderError(key.Unit); !error.isEmpty())
            errors.emplace(key.Unit, error);
    }
    lines_->SetLines(std::move(lines), std::move(keys), std::move(errors));
    pnlManCount->setText(men == 1 ? QStringLiteral("1 man ") : QString::number(men) + " men ");
}

int TUnitBrowser::LineCount() const
{
    return lines_->rowCount();
}

const UnitLineKey& TUnitBrowser::KeyAt(int row) const
{
    return lines_->Key(row);
}

int TUnitBrowser::SelectedLine() const
{
    const QModelIndex current = lstUnits->currentIndex();
    return current.isValid() && lstUnits->selectionModel()->isSelected(current) ? current.row() : -1;
}

void TUnitBrowser::SelectLine(int row)
{
    if (row < 0 || row >= LineCount()) {
        lstUnits->setCurrentIndex({});
        lstUnitsClick(-1);
        return;
    }
    const QModelIndex index = lines_->index(row);
    if (lstUnits->currentIndex() == index) {
        lstUnitsClick(row);  // chosen again: shown again
    } else {
        lstUnits->setCurrentIndex(index);  // shown through the view's change of line
    }
    lstUnits->scrollTo(index);
}

void TUnitBrowser::lstUnitsClick(int row)
{
    TUnit* unit = row >= 0 && row < LineCount() ? FindUnit(KeyAt(row).Unit) : nullptr;
    UnitLineSelected(row);
    ShowUnitDetails(unit);
}

bool TUnitBrowser::IsOwnUnit(const TUnit& unit) const
{
    // With no faction of the player's own every unit is someone else's.
    return workspace_.Settings.FactionNo > 0 && unit.Faction == workspace_.Settings.FactionNo;
}

const QString& TUnitBrowser::FirstOrderError(std::int32_t unitNumber)
{
    const auto [known, added] = orderErrors_.try_emplace(unitNumber);
    if (!added)
        return known->second;
    const TUnit* record = workspace_.Map.UnitFileList.Find(unitNumber);
    if (!record || !IsOwnUnit(*record) || record->Orders.empty())
        return known->second;
    std::string text;
    for (const std::string& order : record->Orders)
        text.append(order).push_back('\n');
    for (const OrderProblem& problem :
         CheckUnitOrdersInWorld(text, unitNumber, workspace_.Map, workspace_.Settings, vocabulary_)) {
        if (problem.Severity == OrderSeverity::Error) {
            known->second = ToDisplayText("Orders, line " + std::to_string(problem.Line) + ": " + problem.Message);
            break;
        }
    }
    return known->second;
}

void TUnitBrowser::ShowUnitDetails(TUnit* unit)
{
    selectedUnit_ = unit;
    pnlSilver->setText(unit ? QString::number(unit->Silver) : QString());
    pnlCombSpell->setText(unit ? " " + ToDisplayText(workspace_.SkillList.SingularAt(unit->CombatSpell)) : QString());
    pnlDesc->setText(unit ? " " + ToDisplayText(unit->Description.Str()) : QString());
    pnlLastSeen->setText(unit ? QString::number(unit->Turn) : QString());
    for (QPushButton* button : {cmdSkills, cmdEquipment, cmdTroops, cmdCanStudy})
        button->setEnabled(unit != nullptr);
    cmdOrders->setEnabled(unit && IsOwnUnit(*unit) && openOrders);
    for (const auto& [box, bit] : flagBoxes_)
        box->setChecked(unit && unit->HasFlag(bit));
    if (unit && !views_->checkedButton())
        cmdSkills->setChecked(true);
    RefreshView();
    UnitShown(unit);
}

void TUnitBrowser::RefreshView()
{
    lstMisc->clear();
    const TUnit* unit = selectedUnit_;
    if (!unit)
        return;
    std::vector<std::string> lines;
    if (cmdSkills->isChecked())
        lines = unit->ListSkills(workspace_.SkillList);
    else if (cmdEquipment->isChecked())
        lines = unit->ListEquipment(workspace_.EquipmentList);
    else if (cmdTroops->isChecked())
        lines = unit->ListTroops(workspace_.TroopList);
    else if (cmdCanStudy->isChecked())
        lines = unit->ListCanStudy(workspace_.SkillList);
    for (const std::string& line : lines)
        lstMisc->addItem(ToDisplayText(line));
}

void TUnitBrowser::cmdOrdersClick()
{
    if (!selectedUnit_ || !IsOwnUnit(*selectedUnit_) || !openOrders)
        return;
    // Counted from the call: an opener that finds no unit calls `closed` before it returns.
    ++openOrderWindows_;
    // An order window may outlive the browser that opened it.
    QPointer<TUnitBrowser> self(this);
    const std::int32_t unit = selectedUnit_->Number;
    openOrders(unit, this, [self, unit] {
        if (self)
            self->OrderWindowClosed(unit);
    });
}

void TUnitBrowser::OrderWindowClosed(std::int32_t unitNumber)
{
    openOrderWindows_ = std::max(0, openOrderWindows_ - 1);
    // The orders-done cross and the error mark may have changed.
    orderErrors_.erase(unitNumber);
    lines_->SetOrderError(unitNumber, FirstOrderError(unitNumber));
    lstUnits->viewport()->update();
}

void TUnitBrowser::cmdShowMineClick()
{
    const std::int32_t own = workspace_.Settings.FactionNo;
    if (own <= 0)
        return;
    if (const int position = lstFactions->findData(own); position >= 0)
        ChooseFaction(position);
}

void TUnitBrowser::cmdSummaryClick()
{
    TfrmUnitSumm summary(workspace_, SummaryCell(), this);
    summary.exec();
}

void TUnitBrowser::done(int result)
{
    Closing();
    // Order windows opened from here go with the browser: closed first, so that what they
    // hold is stored in the units and written with the rest.
    CloseOwnedWindows(*this);
    SaveTurnOrders();
    QDialog::done(result);
}

void TUnitBrowser::SaveTurnOrders()
{
    const TrecINI& settings = workspace_.Settings;
    const std::string file = settings.DataPath(TurnFileName(settings.OrdersStem, settings.CurrentTurn));
    // A file that could not be read was named then and is not written over in this run.
    if (workspace_.Refused.Contains(file))
        return;
    if (!SaveOrdersFile(workspace_.Map.UnitFileList, file, false))
        ui_.Error("Unable to write to " + file);
}

}  // namespace korvane
