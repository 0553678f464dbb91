// The alliance window.
#include "windows/frm_alliances.h"

#include "core/settings.h"
#include "core/text_helpers.h"
#include "core/user_interaction.h"
#include "mapview/render/colour.h"
#include "mapview/render/display_text.h"
#include "people/alliance_list.h"
#include "people/faction_list.h"
#include "windows/centre_window.h"
#include "windows/fixed_width_font.h"
#include "windows/free_text_validator.h"
#include "windows/widget_makers.h"

#include <QDropEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {

namespace {

constexpr int kLineBytesRole = Qt::UserRole;
/// What an alliance without one is shown in: none selected, or before the player sets one.
constexpr std::int32_t kSilver = 0xC0C0C0;
constexpr int kMemberColumns = 36;

/// The faction number a member line starts with, however many digits it has.
std::int32_t MemberNumber(const QListWidgetItem& line)
{
    return StrToIntLenient(TrimSpaces(line.data(kLineBytesRole).toByteArray().toStdString()));
}

}  // namespace

TfrmAlliances::TfrmAlliances(TAllianceList& alliances, TFactionList& factions, const TrecINI& settings,
                             UserInteraction& ui, FactionPicker pickFaction, QWidget* parent)
    : QDialog(parent)
    , alliances_(alliances)
    , factions_(factions)
    , settings_(settings)
    , ui_(ui)
    , pickFaction_(std::move(pickFaction))
    , atOpening_(alliances, factions)
{
    setObjectName("frmAlliances");
    setWindowTitle("Alliances");
    setModal(true);
    BuildLayout();

    connect(lstAlliances, &QListWidget::itemSelectionChanged, this, &TfrmAlliances::lstAlliancesClick);
    connect(txtAlName, &QLineEdit::textEdited, this, &TfrmAlliances::EditChanged);
    connect(txtAlComment, &QLineEdit::textEdited, this, &TfrmAlliances::EditChanged);
    connect(cmdSetColour, &QPushButton::clicked, this, &TfrmAlliances::cmdSetColourClick);
    connect(cmdAddAlliance, &QPushButton::clicked, this, &TfrmAlliances::cmdAddAllianceClick);
    connect(cmdUpdateAlliance, &QPushButton::clicked, this, &TfrmAlliances::cmdUpdateAllianceClick);
    connect(cmdDeleteAlliance, &QPushButton::clicked, this, &TfrmAlliances::cmdDeleteAllianceClick);
    connect(lstFactions, &QListWidget::itemSelectionChanged, this,
            [this] { cmdRemoveFaction->setEnabled(!lstFactions->selectedItems().isEmpty()); });
    connect(cmdAddFaction, &QPushButton::clicked, this, &TfrmAlliances::cmdAddFactionClick);
    connect(cmdRemoveFaction, &QPushButton::clicked, this, &TfrmAlliances::cmdRemoveFactionClick);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmAlliances::cmdOKClick);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmAlliances::reject);

    RefreshAlliances(-1);
    adjustSize();
    CentreWindow(parent, this);
}

void TfrmAlliances::BuildLayout()
{
    lstAlliances = Named<QListWidget>("lstAlliances", this);
    lstAlliances->setSelectionMode(QAbstractItemView::SingleSelection);
    lstAlliances->setMinimumWidth(180);
    lstAlliances->setMaximumWidth(240);
    // Member lines are dropped here; the filter takes the drop before the list's own handling,
    // which would try to insert the lines as items.
    lstAlliances->setAcceptDrops(true);
    lstAlliances->viewport()->setAcceptDrops(true);
    lstAlliances->viewport()->installEventFilter(this);

    txtAlName = Named<QLineEdit>("txtAlName", this);
    txtAlName->setValidator(new FreeTextValidator(txtAlName));
    txtAlComment = Named<QLineEdit>("txtAlComment", this);
    txtAlComment->setValidator(new FreeTextValidator(txtAlComment));
    shapeAlCol = Named<QFrame>("shapeAlCol", this);
    shapeAlCol->setFrameStyle(QFrame::Box | QFrame::Plain);
    shapeAlCol->setFixedSize(48, 22);
    shapeAlCol->setAutoFillBackground(true);
    cmdSetColour = DialogButton("cmdSetColour", "Set", this);
    cmdAddAlliance = DialogButton("cmdAddAlliance", "Add", this);
    cmdUpdateAlliance = DialogButton("cmdUpdateAlliance", "Update", this);
    cmdDeleteAlliance = DialogButton("cmdDeleteAlliance", "Delete", this);

    lstFactions = Named<QListWidget>("lstFactions", this);
    lstFactions->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Numbers are right-aligned with blanks, which only a fixed-pitch font lines up.
    lstFactions->setFont(FixedWidthFont());
    lstFactions->setDragEnabled(true);
    lstFactions->setDragDropMode(QAbstractItemView::DragOnly);
    // A move would take the lines out of this list once dropped: members are shared, not moved.
    lstFactions->setDefaultDropAction(Qt::CopyAction);
    // Room for a four-digit number and a faction name of ordinary length without scrolling.
    lstFactions->setMinimumSize(kMemberColumns * lstFactions->fontMetrics().horizontalAdvance('0'),
                                8 * lstFactions->fontMetrics().height());
    pnlFacCount = Named<QLabel>("pnlFacCount", this);
    pnlFacCount->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlFacCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pnlFacCount->setMinimumWidth(40);
    cmdAddFaction = DialogButton("cmdAddFaction", "Add", this);
    cmdRemoveFaction = DialogButton("cmdRemoveFaction", "Remove", this);
    cmdOK = DialogButton("cmdOK", "&OK", this);
    cmdCancel = DialogButton("cmdCancel", "Cancel", this);

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(shapeAlCol);
    colourRow->addWidget(cmdSetColour);
    colourRow->addStretch();
    auto* details = new QFormLayout;
    details->addRow("&Name", txtAlName);
    details->addRow("Co&mment", txtAlComment);
    details->addRow("Colour", colourRow);
    auto* allianceButtons = new QHBoxLayout;
    allianceButtons->addStretch();
    allianceButtons->addWidget(cmdAddAlliance);
    allianceButtons->addWidget(cmdUpdateAlliance);
    allianceButtons->addWidget(cmdDeleteAlliance);
    auto* allianceBox = new QGroupBox("Alliance", this);
    auto* allianceLayout = new QVBoxLayout(allianceBox);
    allianceLayout->addLayout(details);
    allianceLayout->addLayout(allianceButtons);

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel("Members:", this));
    countRow->addWidget(pnlFacCount);
    auto* memberButtons = new QVBoxLayout;
    memberButtons->addLayout(countRow);
    memberButtons->addWidget(cmdAddFaction);
    memberButtons->addWidget(cmdRemoveFaction);
    memberButtons->addStretch();
    auto* membersBox = new QGroupBox("Member factions", this);
    auto* membersLayout = new QHBoxLayout(membersBox);
    membersLayout->addWidget(lstFactions, 1);
    membersLayout->addLayout(memberButtons);

    auto* right = new QVBoxLayout;
    right->addWidget(allianceBox);
    right->addWidget(membersBox, 1);
    auto* listLabel = new QLabel("&Alliances", this);
    listLabel->setBuddy(lstAlliances);
    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(lstAlliances, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* closeButtons = new QHBoxLayout;
    closeButtons->addStretch();
    closeButtons->addWidget(cmdOK);
    closeButtons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(closeButtons);
    setMinimumWidth(600);
}

void TfrmAlliances::RefreshAlliances(int selectRow)
{
    {
        const QSignalBlocker blocker(lstAlliances);
        lstAlliances->clear();
        for (const std::string& name : alliances_.ListNames())
            lstAlliances->addItem(ToDisplayText(name));
        if (selectRow >= 0 && selectRow < lstAlliances->count())
            lstAlliances->setCurrentRow(selectRow);
    }
    lstAlliancesClick();
}

int TfrmAlliances::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = lstAlliances->selectedItems();
    return selected.isEmpty() ? -1 : lstAlliances->row(selected.front());
}

TAlliance* TfrmAlliances::SelectedAlliance() const
{
    return alliances_.Items(SelectedRow());
}

void TfrmAlliances::lstAlliancesClick()
{
    ShowAlliance(SelectedAlliance());
}

void TfrmAlliances::ShowAlliance(const TAlliance* alliance)
{
    // The boxes stay open with no alliance selected: they are where a new alliance is named.
    txtAlName->setText(alliance ? ToDisplayText(alliance->Name) : QString());
    txtAlComment->setText(alliance ? ToDisplayText(alliance->Comments) : QString());
    SetSample(alliance ? alliance->Colour : kSilver);
    RefreshMembers(alliance);
    cmdUpdateAlliance->setEnabled(false);
    cmdDeleteAlliance->setEnabled(alliance != nullptr);
    cmdAddFaction->setEnabled(alliance != nullptr);
}

void TfrmAlliances::RefreshMembers(const TAlliance* alliance)
{
    lstFactions->clear();
    pnlFacCount->setText(alliance ? QString::number(alliance->MemberCount()) : QString());
    if (alliance) {
        for (const std::string& line : alliance->ListMembers(factions_)) {
            auto* item = new QListWidgetItem(ToDisplayText(line), lstFactions);
            item->setData(kLineBytesRole, QByteArray::fromStdString(line));
        }
    }
    cmdRemoveFaction->setEnabled(false);
}

void TfrmAlliances::SetSample(std::int32_t colour)
{
    sampleColour_ = colour;
    QPalette palette = shapeAlCol->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    shapeAlCol->setPalette(palette);
}

void TfrmAlliances::EditChanged()
{
    if (SelectedAlliance())
        cmdUpdateAlliance->setEnabled(true);
}

void TfrmAlliances::cmdSetColourClick()
{
    if (!chooseColour)
        return;
    const std::optional<QColor> chosen = chooseColour(ToQColor(sampleColour_), this);
    if (!chosen || FromQColor(*chosen) == sampleColour_)
        return;
    SetSample(FromQColor(*chosen));
    EditChanged();
}

void TfrmAlliances::cmdAddAllianceClick()
{
    std::string name = AllianceText(FromUserText(txtAlName->text()));
    if (name.empty()) {
        ui_.Info("Please provide a name for the new alliance. Thanks.");
        txtAlName->setFocus();
        return;
    }
    auto alliance = std::make_unique<TAlliance>();
    alliance->Name = std::move(name);
    alliance->Comments = AllianceText(FromUserText(txtAlComment->text()));
    alliance->Colour = sampleColour_;
    alliances_.Add(std::move(alliance));
    RefreshAlliances(alliances_.Count() - 1);
    changed_ = true;
}

void TfrmAlliances::cmdUpdateAllianceClick()
{
    const int row = SelectedRow();
    TAlliance* alliance = alliances_.Items(row);
    if (!alliance)
        return;
    std::string name = AllianceText(FromUserText(txtAlName->text()));
    if (name.empty()) {
        ui_.Info("The alliance must have a name, I'm afraid.");
        txtAlName->setFocus();
        return;
    }
    alliance->Name = std::move(name);
    alliance->Comments = AllianceText(FromUserText(txtAlComment->text()));
    alliance->Colour = sampleColour_;
    RefreshAlliances(row);
    changed_ = true;
}

void TfrmAlliances::cmdDeleteAllianceClick()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    DeleteAlliance(alliances_, row, factions_);
    // Nothing is selected afterwards, so a second press cannot take the next alliance too.
    RefreshAlliances(-1);
    changed_ = true;
}

void TfrmAlliances::cmdAddFactionClick()
{
    TAlliance* alliance = SelectedAlliance();
    if (!alliance || !pickFaction_)
        return;
    int topLine = pickerTopLine_;
    TFaction* faction = pickFaction_(topLine, this);
    if (!faction)
        return;
    JoinAlliance(*alliance, *faction);
    RefreshMembers(alliance);
    pickerTopLine_ = topLine;
    changed_ = true;
}

std::vector<std::int32_t> TfrmAlliances::SelectedMembers() const
{
    std::vector<std::int32_t> numbers;
    for (int row = 0; row < lstFactions->count(); ++row) {
        if (const QListWidgetItem* line = lstFactions->item(row); line->isSelected())
            numbers.push_back(MemberNumber(*line));
    }
    return numbers;
}

void TfrmAlliances::cmdRemoveFactionClick()
{
    TAlliance* alliance = SelectedAlliance();
    if (!alliance)
        return;
    for (const std::int32_t number : SelectedMembers()) {
        if (TFaction* faction = factions_.Find(number))
            LeaveAlliance(*alliance, *faction);
        else
            alliance->RemoveMember(number);  // the faction went from the registry meanwhile
        changed_ = true;
    }
    RefreshMembers(alliance);
}

void TfrmAlliances::DropMembersOn(int allianceRow)
{
    TAlliance* target = alliances_.Items(allianceRow);
    if (!target)
        return;
    for (const std::int32_t number : SelectedMembers()) {
        if (TFaction* faction = factions_.Find(number))
            JoinAlliance(*target, *faction);
    }
    changed_ = true;
    // The target is selected, not only its members listed: "Remove" and "Update" act on the
    // selected alliance, and must act on the one whose members are shown.
    RefreshAlliances(allianceRow);
}

bool TfrmAlliances::AcceptsDrop(QEvent* event) const
{
    const auto* drop = static_cast<QDropEvent*>(event);
    return drop->source() == lstFactions && lstAlliances->indexAt(drop->position().toPoint()).isValid();
}

bool TfrmAlliances::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != lstAlliances->viewport())
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
        // Accepted wherever it enters, so the moves over the lines that follow are offered.
        if (static_cast<QDropEvent*>(event)->source() == lstFactions)
            static_cast<QDropEvent*>(event)->acceptProposedAction();
        else
            event->ignore();
        return true;
    case QEvent::DragMove: {
        auto* move = static_cast<QDragMoveEvent*>(event);
        if (AcceptsDrop(event)) {
            move->setDropAction(Qt::CopyAction);
            move->accept();
        } else {
            move->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!AcceptsDrop(event)) {
            drop->ignore();
            return true;
        }
        const int row = lstAlliances->indexAt(drop->position().toPoint()).row();
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // After the drag has ended: the member list is rebuilt, and it is the list the drag
        // started from.
        QMetaObject::invokeMethod(
            this, [this, row] { DropMembersOn(row); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void TfrmAlliances::cmdOKClick()
{
    if (changed_ && !alliances_.SaveToFile(settings_.DataDir, settings_))
        ui_.Warning("Error saving Alliance information. Some or all Alliance data may be lost.");
    accept();
}

void TfrmAlliances::reject()
{
    if (changed_) {
        if (!ui_.AskYesNo("Are you sure you wish to cancel all your changes ?"))
            return;
        atOpening_.Restore(alliances_, factions_);
        changed_ = false;
    }
    QDialog::reject();
}

}  // namespace korvane
