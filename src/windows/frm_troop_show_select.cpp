// The "Show Troops" window.
#include "windows/frm_troop_show_select.h"

#include "core/settings.h"
#include "core/text_helpers.h"
#include "core/user_interaction.h"
#include "mapview/render/colour.h"
#include "mapview/render/display_text.h"
#include "people/alliance_list.h"
#include "people/faction_list.h"
#include "people/show_troop_collection.h"
#include "windows/colour_square_delegate.h"
#include "windows/widget_makers.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace korvane {

namespace {

constexpr std::int32_t kUnknownColour = 0x808080;
// An entry line keeps its number beside its text: a number longer than the column, or a
// name, must not change which faction or alliance the line stands for.
constexpr int kEntryRole = Qt::UserRole;

std::string EntryOf(const QListWidgetItem& line)
{
    return line.data(kEntryRole).toByteArray().toStdString();
}

std::string EntryOf(const QModelIndex& line)
{
    return line.data(kEntryRole).toByteArray().toStdString();
}

void AddEntryLine(QListWidget& list, const std::string& entry, const std::string& text)
{
    auto* line = new QListWidgetItem(ToDisplayText(text), &list);
    line->setData(kEntryRole, QByteArray::fromStdString(entry));
}

}  // namespace

std::string DisplayListItem(const std::string& entry, bool allianceBased, const TFactionList& factions,
                            const TAllianceList& alliances)
{
    const std::string number = TrimSpaces(entry);
    // Right-aligned in 4 columns; a longer number keeps every digit.
    std::string item = number.size() < 4 ? PadLeft(number, ' ', 4) : number;
    const std::int32_t key = StrToIntLenient(number);
    if (allianceBased) {
        if (const TAlliance* alliance = alliances.Find(key))
            item += " - " + alliance->Name;
    } else if (const TFaction* faction = factions.Find(key)) {
        item += " - " + faction->Name;
    }
    return item;
}

TfrmTroopShowSelect::TfrmTroopShowSelect(TShowTroopCollection& lists, TFactionList& factions, TAllianceList& alliances,
                                         TrecINI& settings, UserInteraction& ui, QWidget* owner)
    : QWidget(owner, Qt::Tool)
    , lists_(lists)
    , factions_(factions)
    , alliances_(alliances)
    , settings_(settings)
    , ui_(ui)
{
    setObjectName("frmTroopShowSelect");
    setWindowTitle("Show Troops");

    lstLists = Named<QComboBox>("lstLists", this);
    cmdAddList = DialogButton("cmdAddList", "Add New", this);
    cmdDelList = DialogButton("cmdDelList", "Delete", this);
    optShowAllies = Named<QRadioButton>("optShowAllies", " Alliance Based", this);
    optShowFacts = Named<QRadioButton>("optShowFacts", " Faction Based (empty = all)", this);
    lstSels = Named<QListWidget>("lstSels", this);
    lstSels->setItemDelegate(new ColourSquareDelegate(
        [this](const QModelIndex& index) { return ToQColor(ItemColour(EntryOf(index))); }, lstSels));
    cmdAdd = DialogButton("cmdAdd", "Add", this);
    cmdRemove = DialogButton("cmdRemove", "Remove", this);
    cmdColour = DialogButton("cmdColour", "Colour", this);

    auto* top = new QHBoxLayout;
    top->addWidget(lstLists, 1);
    top->addWidget(cmdAddList);
    top->addWidget(cmdDelList);
    auto* kinds = new QVBoxLayout;
    kinds->addWidget(optShowAllies);
    kinds->addWidget(optShowFacts);
    auto* entryButtons = new QHBoxLayout;
    entryButtons->addWidget(cmdAdd);
    entryButtons->addWidget(cmdRemove);
    entryButtons->addWidget(cmdColour);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(kinds);
    layout->addWidget(lstSels, 1);
    layout->addLayout(entryButtons);
    resize(320, 360);

    connect(lstLists, &QComboBox::activated, this, [this] { ListChosen(); });
    connect(cmdAddList, &QPushButton::clicked, this, &TfrmTroopShowSelect::AskNewList);
    connect(cmdDelList, &QPushButton::clicked, this, &TfrmTroopShowSelect::DeleteList);
    connect(optShowAllies, &QRadioButton::clicked, this, [this] { MakeAllianceBased(true); });
    connect(optShowFacts, &QRadioButton::clicked, this, [this] { MakeAllianceBased(false); });
    connect(cmdAdd, &QPushButton::clicked, this, &TfrmTroopShowSelect::AddEntry);
    connect(cmdRemove, &QPushButton::clicked, this, &TfrmTroopShowSelect::RemoveEntry);
    connect(cmdColour, &QPushButton::clicked, this, &TfrmTroopShowSelect::ChangeColour);

    RefreshLists();
}

void TfrmTroopShowSelect::FillLists()
{
    std::vector<std::string> names = lists_.Names();
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return UpperCase(a) < UpperCase(b); });
    lstLists->clear();
    for (const std::string& name : names)
        lstLists->addItem(ToDisplayText(name));
}

void TfrmTroopShowSelect::RefreshLists()
{
    FillLists();
    SelectList(settings_.UnitList);
}

void TfrmTroopShowSelect::SelectList(const std::string& name)
{
    int index = name.empty() ? -1 : lstLists->findText(ToDisplayText(TrimSpaces(name)));
    if (index < 0 && lstLists->count() > 0)
        index = 0;
    lstLists->setCurrentIndex(index);
    ListChosen();
}

void TfrmTroopShowSelect::ListChosen()
{
    const bool chosen = lstLists->currentIndex() >= 0;
    EnableEditing(chosen);
    if (!chosen) {
        edited_.clear();
        lstSels->clear();
        return;
    }
    edited_ = FromUserText(lstLists->currentText());
    ShowList();
    settings_.UnitList = edited_;
    emit MapChanged();
}

void TfrmTroopShowSelect::EnableEditing(bool enabled)
{
    for (QWidget* control : std::initializer_list<QWidget*>{optShowAllies, optShowFacts, lstSels, cmdAdd, cmdRemove,
                                                            cmdColour, cmdDelList})
        control->setEnabled(enabled);
}

void TfrmTroopShowSelect::ShowList()
{
    lstSels->clear();
    const TShowTroopsList* list = lists_.GetList(edited_);
    if (!list)
        return;
    for (const std::string& entry : list->Entries)
        AddEntryLine(*lstSels, TrimSpaces(entry), DisplayListItem(entry, list->AllianceBased, factions_, alliances_));
    (list->AllianceBased ? optShowAllies : optShowFacts)->setChecked(true);
}

bool TfrmTroopShowSelect::AllianceBasedShown() const
{
    return optShowAllies->isChecked();
}

void TfrmTroopShowSelect::StoreList(bool allianceBased)
{
    std::vector<std::string> entries;
    for (int i = 0; i < lstSels->count(); ++i)
        entries.push_back(EntryOf(*lstSels->item(i)));
    lists_.SetList(edited_, allianceBased, std::move(entries));
    settings_.UnitList = edited_;
    emit MapChanged();
}

void TfrmTroopShowSelect::AskNewList()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, "New Display List", "Display selection name", QLineEdit::Normal,
                                               QString(), &ok);
    if (ok)
        AddNewList(FromUserText(name));
}

void TfrmTroopShowSelect::AddNewList(const std::string& typed)
{
    const std::string name = TrimSpaces(typed);
    if (name.empty())
        return;
    if (lists_.Exists(name)) {
        ui_.Warning("List of that name already exists. Unable to create new list.");
        return;
    }
    if (name.find(',') != std::string::npos) {
        ui_.Warning("A list name may not contain a comma. Unable to create new list.");
        return;
    }
    lists_.SetList(name, false, {});
    FillLists();
    SelectList(name);
    emit ListsChanged();
}

void TfrmTroopShowSelect::DeleteList()
{
    if (edited_.empty())
        return;
    if (lists_.Count() <= 1) {
        ui_.Warning("You may not delete the last list.");
        return;
    }
    lists_.DeleteList(edited_);
    FillLists();
    SelectList({});
    emit ListsChanged();
}

void TfrmTroopShowSelect::MakeAllianceBased(bool allianceBased)
{
    if (edited_.empty() || lists_.IsAllianceBased(edited_) == allianceBased)
        return;
    if (lstSels->count() > 0) {
        const std::string question = std::string("Are you sure you wish to clear this list and ")
            + (allianceBased ? "recreate it as an Alliance based list ?" : "recreate it as a Faction based list ?");
        if (!ui_.AskYesNo(question)) {
            (allianceBased ? optShowFacts : optShowAllies)->setChecked(true);
            return;
        }
    }
    lstSels->clear();
    (allianceBased ? optShowAllies : optShowFacts)->setChecked(true);
    StoreList(allianceBased);
}

void TfrmTroopShowSelect::AddEntry()
{
    if (edited_.empty())
        return;
    const bool allianceBased = AllianceBasedShown();
    std::int32_t number = 0;
    if (allianceBased) {
        const TAlliance* alliance = pickAlliance ? pickAlliance(this) : nullptr;
        if (!alliance)
            return;
        number = alliance->Number;
    } else {
        const TFaction* faction = pickFaction ? pickFaction(pickerTopLine_, this) : nullptr;
        if (!faction)
            return;
        number = faction->Number;
    }
    const std::string entry = IntToStr(number);
    bool listed = false;
    for (int i = 0; i < lstSels->count() && !listed; ++i)
        listed = EntryOf(*lstSels->item(i)) == entry;
    if (!listed)
        AddEntryLine(*lstSels, entry, DisplayListItem(entry, allianceBased, factions_, alliances_));
    StoreList(allianceBased);
}

void TfrmTroopShowSelect::RemoveEntry()
{
    const int row = lstSels->currentRow();
    if (edited_.empty() || row < 0)
        return;
    delete lstSels->takeItem(row);
    StoreList(AllianceBasedShown());
}

std::int32_t TfrmTroopShowSelect::ItemColour(const std::string& entry) const
{
    const std::int32_t number = StrToIntLenient(entry);
    if (AllianceBasedShown()) {
        const TAlliance* alliance = alliances_.Find(number);
        return alliance ? alliance->Colour : kUnknownColour;
    }
    const TFaction* faction = factions_.Find(number);
    return faction ? faction->Colour : kUnknownColour;
}

void TfrmTroopShowSelect::ChangeColour()
{
    const QListWidgetItem* selected = lstSels->currentItem();
    if (!selected)
        return;
    const std::int32_t number = StrToIntLenient(EntryOf(*selected));
    std::int32_t* colour = nullptr;
    if (AllianceBasedShown()) {
        if (TAlliance* alliance = alliances_.Find(number))
            colour = &alliance->Colour;
    } else if (TFaction* faction = factions_.Find(number)) {
        colour = &faction->Colour;
    }
    if (!colour)
        return;
    const std::optional<QColor> chosen = chooseColour(ToQColor(*colour), this);
    if (!chosen || FromQColor(*chosen) == *colour)
        return;
    *colour = FromQColor(*chosen);
    lstSels->viewport()->update();
    emit MapChanged();
}

void TfrmTroopShowSelect::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
    emit Hidden();
}

}  // namespace korvane
