// The faction window: list, details, search, import and picking.
#include "windows/frm_factions.h"

#include "core/file_names.h"
#include "core/settings.h"
#include "core/user_interaction.h"
#include "mapview/render/colour.h"
#include "mapview/render/display_text.h"
#include "people/faction_line.h"
#include "people/faction_list.h"
#include "people/registry_fields.h"
#include "windows/centre_window.h"
#include "windows/fixed_width_font.h"
#include "windows/frm_find.h"
#include "windows/widget_makers.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace korvane {

namespace {

// The sample's colour while no faction is shown.
constexpr std::int32_t kSilver = 0xC0C0C0;
// Room for a long address after the padded number and name, and for a useful stretch of list.
constexpr int kListColumns = 64;
constexpr int kVisibleRows = 20;
// The find window overlaps the faction window's top by this much, leaving the list in view.
constexpr int kFindOverlap = 20;
constexpr const char* kFactionFileFilter = "Text Files (*.txt *.TXT);;All Files (*)";

/// The text of a detail box as the registry stores it: trimmed, and safe to write to the file.
std::string StoredText(const QLineEdit* box)
{
    return StorableText(FromUserText(box->text()));
}

}  // namespace

TfrmFactions::TfrmFactions(TFactionList& factions, const TrecINI& settings, UserInteraction& ui, QWidget* parent)
    : QDialog(parent)
    , factions_(factions)
    , settings_(settings)
    , ui_(ui)
{
    setObjectName("frmFactions");
    setWindowTitle("Factions");
    setModal(true);
    BuildWidgets();
    RefreshList();
    ShowFaction(nullptr);
    adjustSize();
    CentreWindow(parent, this);
}

void TfrmFactions::BuildWidgets()
{
    lstFactions = Named<QListWidget>("lstFactions", this);
    lstFactions->setSelectionMode(QAbstractItemView::SingleSelection);
    // The number and name are padded to columns, which only a fixed-pitch font lines up.
    lstFactions->setFont(FixedWidthFont());
    // One line per scroll step, so the scroll position is the first visible line.
    lstFactions->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    lstFactions->setUniformItemSizes(true);
    const QFontMetrics metrics = lstFactions->fontMetrics();
    lstFactions->setMinimumWidth(kListColumns * metrics.horizontalAdvance(QLatin1Char('M'))
                                 + lstFactions->verticalScrollBar()->sizeHint().width()
                                 + 2 * lstFactions->frameWidth());
    lstFactions->setMinimumHeight(kVisibleRows * metrics.height());

    cmdImport = DialogButton("cmdImport", "Import Faction File", this);
    cmdFind = DialogButton("cmdFind", "&Find", this);
    cmdClose = DialogButton("cmdClose", "OK", this);
    cmdCancel = DialogButton("cmdCancel", "Cancel", this);
    cmdCancel->setVisible(false);

    // The selection, not the current line: a list taking the focus makes its first line
    // current without selecting it, and that must not show or pick a faction.
    connect(lstFactions, &QListWidget::itemSelectionChanged, this,
            [this] { lstFactionsSelectionChange(SelectedRow()); });
    connect(lstFactions, &QListWidget::itemDoubleClicked, this, [this] {
        if (PickMode)
            accept();
    });
    connect(cmdImport, &QPushButton::clicked, this, &TfrmFactions::cmdImportClick);
    connect(cmdFind, &QPushButton::clicked, this, &TfrmFactions::cmdFindClick);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmFactions::cmdCancelClick);

    auto* top = new QHBoxLayout;
    top->addWidget(lstFactions, 1);
    top->addLayout(BuildDetails());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdFind);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
}

QLayout* TfrmFactions::BuildDetails()
{
    pnlFacNo = Named<QLabel>("pnlFacNo", this);
    pnlFacNo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlFacNo->setFixedSize(10 * pnlFacNo->fontMetrics().horizontalAdvance(QLatin1Char('0')),
                           QLineEdit().sizeHint().height());
    pnlFacNo->setMargin(2);
    txtFacName = Named<QLineEdit>("txtFacName", this);
    txtPlayer = Named<QLineEdit>("txtPlayer", this);
    txtEMail = Named<QLineEdit>("txtEMail", this);
    txtComments = Named<QLineEdit>("txtComments", this);
    for (QLineEdit* box : {txtFacName, txtPlayer, txtEMail, txtComments}) {
        box->setMinimumWidth(240);
        connect(box, &QLineEdit::textChanged, this, [this] { cmdSave->setEnabled(true); });
    }

    shapeCol = Named<QLabel>("shapeCol", this);
    shapeCol->setFrameStyle(QFrame::Box | QFrame::Plain);
    shapeCol->setAutoFillBackground(true);
    shapeCol->setFixedSize(48, txtFacName->sizeHint().height());
    cmdSetColour = DialogButton("cmdSetColour", "Set", this);
    connect(cmdSetColour, &QPushButton::clicked, this, &TfrmFactions::cmdSetColourClick);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(shapeCol);
    colourRow->addWidget(cmdSetColour);
    colourRow->addStretch();

    cmdSave = DialogButton("cmdSave", "Save", this);
    // Enter in a detail box saves what was typed; with nothing changed it does nothing.
    cmdSave->setDefault(true);
    connect(cmdSave, &QPushButton::clicked, this, &TfrmFactions::cmdSaveClick);
    auto* saveRow = new QHBoxLayout;
    saveRow->addStretch();
    saveRow->addWidget(cmdSave);

    auto* form = new QFormLayout;
    form->addRow("Number", pnlFacNo);
    form->addRow("&Name", txtFacName);
    form->addRow("&Player", txtPlayer);
    form->addRow("&E-Mail", txtEMail);
    form->addRow("C&omments", txtComments);
    form->addRow("Colour", colourRow);

    auto* details = new QVBoxLayout;
    details->addLayout(form);
    details->addLayout(saveRow);
    details->addStretch();
    return details;
}

void TfrmFactions::RefreshList()
{
    const QSignalBlocker quiet(lstFactions);
    lstFactions->clear();
    for (int i = 0; i < factions_.Count(); ++i)
        lstFactions->addItem(ToDisplayText(FactionLine(*factions_.Items(i))));
}

void TfrmFactions::lstFactionsSelectionChange(int row)
{
    const QListWidgetItem* item = lstFactions->item(row);
    const std::int32_t number = item ? FactionLineNumber(FromUserText(item->text())) : 0;
    ShowFaction(number < 1 ? nullptr : factions_.Find(number));
    // Edits of the faction shown before are dropped with it; the same line keeps them savable.
    if (row != shownRow_)
        cmdSave->setEnabled(false);
    shownRow_ = row;
}

void TfrmFactions::ShowFaction(const TFaction* faction)
{
    shownNumber_ = faction ? faction->Number : -1;
    pnlFacNo->setText(faction ? QString::number(faction->Number) : QString());
    for (const auto& [box, text] : {std::pair{txtFacName, faction ? &faction->Name : nullptr},
                                    {txtPlayer, faction ? &faction->Player : nullptr},
                                    {txtEMail, faction ? &faction->EMail : nullptr},
                                    {txtComments, faction ? &faction->Comments : nullptr}}) {
        // Filling the boxes is no change of the player's.
        const QSignalBlocker quiet(box);
        box->setText(text ? ToDisplayText(*text) : QString());
        box->setCursorPosition(0);
        box->setEnabled(faction != nullptr);
    }
    SetSampleColour(faction ? faction->Colour : kSilver);
    cmdSetColour->setEnabled(faction != nullptr);
    if (!faction)
        cmdSave->setEnabled(false);
}

void TfrmFactions::SetSampleColour(std::int32_t colour)
{
    sampleColour_ = colour;
    QPalette palette = shapeCol->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    shapeCol->setPalette(palette);
}

void TfrmFactions::cmdSetColourClick()
{
    if (!chooseColour || shownNumber_ < 1)
        return;
    const std::optional<QColor> chosen = chooseColour(ToQColor(sampleColour_), this);
    if (!chosen || !chosen->isValid())
        return;
    const std::int32_t colour = FromQColor(*chosen);
    if (colour == sampleColour_)
        return;
    SetSampleColour(colour);
    cmdSave->setEnabled(true);
}

void TfrmFactions::cmdSaveClick()
{
    TFaction* faction = factions_.Find(shownNumber_);
    if (faction) {
        const TFaction before = *faction;
        faction->Name = StoredText(txtFacName);
        faction->Player = StoredText(txtPlayer);
        faction->EMail = StoredText(txtEMail);
        faction->Comments = StoredText(txtComments);
        faction->Colour = sampleColour_;
        if (faction->Name != before.Name || faction->Player != before.Player || faction->EMail != before.EMail
            || faction->Comments != before.Comments || faction->Colour != before.Colour)
            factionsChanged_ = true;
        // Rewritten in place, the line stays selected.
        if (QListWidgetItem* item = lstFactions->item(shownRow_))
            item->setText(ToDisplayText(FactionLine(*faction)));
        // The boxes show what is kept, trimmed, rather than what was typed.
        ShowFaction(faction);
    }
    cmdSave->setEnabled(false);
}

void TfrmFactions::cmdImportClick()
{
    const QString start = ToDisplayText(lastImportFile_.empty() ? QualifyFileName("IMPORT", settings_.ProgramDir())
                                                                : lastImportFile_);
    const QString chosen = QFileDialog::getOpenFileName(this, "Import Faction File", start, kFactionFileFilter);
    if (chosen.isEmpty())
        return;
    lastImportFile_ = FromUserText(chosen);
    if (const FileResult imported = factions_.ImportFactionList(lastImportFile_); !imported) {
        ui_.Warning(FactionListImportWarning(imported));
        return;
    }
    factionsChanged_ = true;
    // The faction shown may have a new name or address, and lines may have moved.
    const std::int32_t shown = shownNumber_;
    RefreshList();
    shownRow_ = -1;
    int row = -1;
    for (int i = 0; i < factions_.Count() && row < 0; ++i) {
        if (factions_.Items(i)->Number == shown)
            row = i;
    }
    if (row >= 0)
        SelectRow(row);
    else
        lstFactionsSelectionChange(-1);
}

void TfrmFactions::cmdFindClick()
{
    const bool first = !find_;
    if (first)
        find_ = new TfrmFind(*this);
    find_->show();
    if (first) {
        // Placed once shown, when its frame is known: centred over this window and just above
        // it, overlapping its title, so the list stays in view; never above the top of the
        // screen, where its own title bar could not be reached.
        CentreWindow(this, find_);
        const QScreen* screen = this->screen();
        const int screenTop = screen ? screen->availableGeometry().top() : 0;
        const int top = std::max(frameGeometry().top() - find_->frameGeometry().height() + kFindOverlap, screenTop);
        find_->move(find_->frameGeometry().left(), top);
    }
    find_->raise();
    find_->activateWindow();
}

void TfrmFactions::cmdCancelClick()
{
    lstFactions->clearSelection();
    reject();
}

int TfrmFactions::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = lstFactions->selectedItems();
    return selected.isEmpty() ? -1 : lstFactions->row(selected.front());
}

void TfrmFactions::SearchList(const std::string& text)
{
    const int count = lstFactions->count();
    const int selected = SelectedRow();
    const QString wanted = ToDisplayText(text);
    // The same text again steps past the line it found; a new text may match the line shown.
    const bool again = selected >= 0
        && QString::compare(wanted, ToDisplayText(lastSearchText_), Qt::CaseInsensitive) == 0;
    lastSearchText_ = text;
    if (wanted.isEmpty())
        return;
    const int start = std::max(selected, 0) + (again ? 1 : 0);
    const auto matches = [this, &wanted](int row) {
        return lstFactions->item(row)->text().contains(wanted, Qt::CaseInsensitive);
    };
    int found = -1;
    for (int row = start; row < count && found < 0; ++row) {
        if (matches(row))
            found = row;
    }
    for (int row = 0; row < std::min(start, count) && found < 0; ++row) {
        if (matches(row))
            found = row;
    }
    if (found >= 0)
        SelectRow(found);
}

void TfrmFactions::SelectRow(int row)
{
    lstFactions->setCurrentRow(row);
    lstFactions->scrollToItem(lstFactions->item(row));
}

TFaction* TfrmFactions::Pick(TFactionList& factions, const TrecINI& settings, UserInteraction& ui, int& topLine,
                             QWidget* parent)
{
    TfrmFactions picker(factions, settings, ui, parent);
    picker.PickMode = true;
    picker.SetTopLine(topLine);
    picker.exec();
    topLine = picker.TopLine();
    return picker.PickedFaction();
}

int TfrmFactions::TopLine() const
{
    return lstFactions->isVisible() ? lstFactions->verticalScrollBar()->value() : pendingTopLine_;
}

void TfrmFactions::SetTopLine(int line)
{
    pendingTopLine_ = std::max(line, 0);
    if (lstFactions->isVisible())
        lstFactions->verticalScrollBar()->setValue(pendingTopLine_);
}

void TfrmFactions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The opener sets PickMode after creating the window.
    cmdCancel->setVisible(PickMode);
    cmdClose->setDefault(PickMode);
    cmdSave->setDefault(!PickMode);
    // The list has its items laid out only now, so the scroll range is known.
    lstFactions->doItemsLayout();
    lstFactions->verticalScrollBar()->setValue(pendingTopLine_);
}

void TfrmFactions::done(int result)
{
    // Only "OK" or a double click picks: leaving by Escape or the frame is a cancel too.
    const int row = SelectedRow();
    pickedFaction_ = result == Accepted && row >= 0 ? factions_.Items(row) : nullptr;
    pendingTopLine_ = lstFactions->verticalScrollBar()->value();
    QDialog::done(result);
}

}  // namespace korvane
