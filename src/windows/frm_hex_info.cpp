// The "Hex Details" window.
#include "windows/frm_hex_info.h"

#include "core/text_helpers.h"
#include "core/user_interaction.h"
#include "mapview/render/display_text.h"
#include "windows/centre_window.h"
#include "windows/fixed_width_font.h"
#include "windows/free_text_validator.h"
#include "windows/widget_makers.h"
#include "world/hex_details.h"
#include "world/map.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvane {

namespace {

constexpr int kNumberColumns = 10;
constexpr int kTextColumns = 30;
constexpr int kListColumns = 36;
constexpr int kListRows = 10;

QLineEdit* Edit(const char* name, int columns, QWidget* parent)
{
    auto* edit = Named<QLineEdit>(name, parent);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * columns);
    return edit;
}

QLineEdit* NumberEdit(const char* name, QWidget* parent)
{
    QLineEdit* edit = Edit(name, kNumberColumns, parent);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(edit->minimumWidth());
    return edit;
}

QComboBox* Combo(const char* name, QWidget* parent)
{
    auto* combo = Named<QComboBox>(name, parent);
    // Province lists grow with every report; the window keeps its size all the same.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(18);
    combo->setMaxVisibleItems(20);
    return combo;
}

QToolButton* SpeedButton(const char* name, const char* caption, QWidget* parent)
{
    auto* button = Named<QToolButton>(name, parent);
    button->setText(caption);
    button->setCheckable(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

void FillCombo(QComboBox* combo, const NameList& names)
{
    combo->clear();
    for (const std::string& name : names.Names())
        combo->addItem(ToDisplayText(name));
}

void ChooseIn(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

}  // namespace

TfrmHexInfo::TfrmHexInfo(TMap& map, int level, int x, int y, UserInteraction& ui, QWidget* parent)
    : QDialog(parent)
    , map_(map)
    , level_(level)
    , x_(x)
    , y_(y)
    , ui_(ui)
    , cell_(map.Cell(level, x, y))
{
    setObjectName("frmHexInfo");
    setWindowTitle("Hex Details");
    setModal(true);
    CreateControls();
    LayOutControls();
    ConnectControls();
    LoadCell();
    adjustSize();
    CentreWindow(parent, this);
}

void TfrmHexInfo::CreateControls()
{
    pnlCoords = ValuePanel("pnlCoords", this);
    pnlCoords->setAlignment(Qt::AlignCenter);

    pnlShowNormal = Named<QWidget>("pnlShowNormal", this);
    lstTerrain = Combo("lstTerrain", pnlShowNormal);
    lstProvince = Combo("lstProvince", pnlShowNormal);
    lstRaces = Combo("lstRaces", pnlShowNormal);
    auto* freeText = new FreeTextValidator(this);
    txtPopCenter = Edit("txtPopCenter", kTextColumns, pnlShowNormal);
    txtPopCenter->setValidator(freeText);
    txtPopCenter->installEventFilter(this);
    pnlPopCenterType = Named<QWidget>("pnlPopCenterType", pnlShowNormal);
    optPopCity = Named<QRadioButton>("optPopCity", "City", pnlPopCenterType);
    optPopTown = Named<QRadioButton>("optPopTown", "Town", pnlPopCenterType);
    optPopVillage = Named<QRadioButton>("optPopVillage", "Village", pnlPopCenterType);
    // The settlement kinds and the market views are each one exclusive group, whatever
    // widgets hold them.
    popCenterTypes_ = new QButtonGroup(this);
    for (QRadioButton* type : {optPopCity, optPopTown, optPopVillage})
        popCenterTypes_->addButton(type);
    txtNativeCount = NumberEdit("txtNativeCount", pnlShowNormal);
    txtSilver = NumberEdit("txtSilver", pnlShowNormal);
    txtWages = NumberEdit("txtWages", pnlShowNormal);
    pnlMaxWages = ValuePanel("pnlMaxWages", pnlShowNormal);
    pnlMaxWages->setToolTip("Maximum wages available");
    txtEntertain = NumberEdit("txtEntertain", pnlShowNormal);
    txtGate = NumberEdit("txtGate", pnlShowNormal);
    chkShaft = Named<QCheckBox>("chkShaft", " Shaft", pnlShowNormal);
    txtOther = Edit("txtOther", kTextColumns, pnlShowNormal);
    txtOther->setValidator(freeText);
    txtComments = Edit("txtComments", kTextColumns, pnlShowNormal);
    txtComments->setValidator(freeText);
    txtFacNo = Edit("txtFacNo", kNumberColumns, pnlShowNormal);
    txtFacNo->hide();
    pnlLastWeather = ValuePanel("pnlLastWeather", pnlShowNormal);
    pnlNextWeather = ValuePanel("pnlNextWeather", pnlShowNormal);
    cmdShowWanted = SpeedButton("cmdShowWanted", "&Wanted", pnlShowNormal);
    cmdShowForSale = SpeedButton("cmdShowForSale", "For &Sale", pnlShowNormal);
    cmdShowProducts = SpeedButton("cmdShowProducts", "&Products", pnlShowNormal);
    auto* markets = new QButtonGroup(this);
    for (QToolButton* view : {cmdShowWanted, cmdShowForSale, cmdShowProducts})
        markets->addButton(view);
    lstProds = Named<QListWidget>("lstProds", pnlShowNormal);
    // The views' columns are padded with spaces, which only line up in a fixed-pitch font.
    lstProds->setFont(FixedWidthFont());
    lstProds->setSelectionMode(QAbstractItemView::NoSelection);
    lstProds->setFocusPolicy(Qt::NoFocus);
    const QFontMetrics fixed(lstProds->font());
    lstProds->setMinimumSize(fixed.horizontalAdvance(QString(kListColumns, u'0')) + 24, kListRows * fixed.height());

    pnlShowUnder = Named<QWidget>("pnlShowUnder", this);
    chkPathway = Named<QCheckBox>("chkPathway", pnlShowUnder);
    lblCellType = Named<QLabel>("lblCellType", pnlShowUnder);
    lblCellType->hide();

    chkUnsure = Named<QCheckBox>("chkUnsure", "In&formation Unconfirmed", this);
    lblLastUpdate = Named<QLabel>("lblLastUpdate", this);
    cmdShowUnits = DialogButton("cmdShowUnits", "&Unit Details", this);
    cmdSave = Named<QPushButton>("cmdSave", "Save", this);
    cmdClose = DialogButton("cmdClose", "Close", this);
    // Enter saves once there is something to save; before that it does nothing.
    cmdSave->setDefault(true);
}

void TfrmHexInfo::LayOutControls()
{
    auto* fields = new QGridLayout;
    int row = 0;
    auto addRow = [&fields, &row, this](const char* caption, QWidget* field, QWidget* beside = nullptr) {
        if (caption)
            fields->addWidget(new QLabel(caption, pnlShowNormal), row, 0);
        fields->addWidget(field, row, 1, 1, beside ? 1 : 2);
        if (beside)
            fields->addWidget(beside, row, 2);
        ++row;
    };
    // Figures keep a figure's width, with what belongs to them beside.
    auto addNumberRow = [&fields, &row, this](const char* caption, QLineEdit* number, QWidget* beside = nullptr) {
        fields->addWidget(new QLabel(caption, pnlShowNormal), row, 0);
        auto* line = new QHBoxLayout;
        line->addWidget(number);
        if (beside)
            line->addWidget(beside);
        line->addStretch();
        fields->addLayout(line, row, 1, 1, 2);
        ++row;
    };
    auto* types = new QHBoxLayout(pnlPopCenterType);
    types->setContentsMargins(0, 0, 0, 0);
    types->addWidget(optPopCity);
    types->addWidget(optPopTown);
    types->addWidget(optPopVillage);
    types->addStretch();
    addRow("Terrain", lstTerrain);
    addRow("Province", lstProvince);
    addRow("Pop. Center", txtPopCenter);
    addRow(nullptr, pnlPopCenterType);
    addRow("Natives", lstRaces, txtNativeCount);
    addNumberRow("Taxable Silver", txtSilver);
    addNumberRow("Wages", txtWages, pnlMaxWages);
    addNumberRow("Entertain", txtEntertain);
    addNumberRow("Gate", txtGate, chkShaft);
    addRow("Other", txtOther);
    addRow("Comments", txtComments);
    fields->setColumnStretch(1, 1);
    fields->setRowStretch(row, 1);

    auto* weather = new QGroupBox(" Recent weather:", pnlShowNormal);
    auto* weatherRow = new QHBoxLayout(weather);
    weatherRow->addWidget(new QLabel("Last", weather));
    weatherRow->addWidget(pnlLastWeather, 1);
    weatherRow->addWidget(new QLabel("Next", weather));
    weatherRow->addWidget(pnlNextWeather, 1);

    auto* marketButtons = new QHBoxLayout;
    marketButtons->setSpacing(0);
    marketButtons->addWidget(cmdShowWanted);
    marketButtons->addWidget(cmdShowForSale);
    marketButtons->addWidget(cmdShowProducts);
    auto* market = new QVBoxLayout;
    market->addWidget(weather);
    market->addLayout(marketButtons);
    market->addWidget(lstProds, 1);

    auto* normal = new QHBoxLayout(pnlShowNormal);
    normal->setContentsMargins(0, 0, 0, 0);
    normal->addLayout(fields, 1);
    normal->addSpacing(8);
    normal->addLayout(market);

    auto* under = new QHBoxLayout(pnlShowUnder);
    under->setContentsMargins(0, 0, 0, 0);
    under->addWidget(chkPathway);
    under->addWidget(lblCellType);
    under->addStretch();

    auto* coords = new QHBoxLayout;
    coords->addWidget(new QLabel("Co-ordinates", this));
    coords->addWidget(pnlCoords);
    coords->addStretch();
    pnlCoords->setMinimumWidth(pnlCoords->fontMetrics().horizontalAdvance(" 000 , 000 ") + 16);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdShowUnits);
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(coords);
    layout->addWidget(pnlShowNormal, 1);
    layout->addWidget(pnlShowUnder);
    layout->addWidget(chkUnsure);
    layout->addWidget(lblLastUpdate);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

void TfrmHexInfo::ConnectControls()
{
    for (QComboBox* list : {lstTerrain, lstProvince, lstRaces})
        connect(list, &QComboBox::currentIndexChanged, this, &TfrmHexInfo::DataChange);
    for (QLineEdit* edit :
         {txtPopCenter, txtNativeCount, txtSilver, txtWages, txtEntertain, txtGate, txtOther, txtComments, txtFacNo})
        connect(edit, &QLineEdit::textChanged, this, &TfrmHexInfo::DataChange);
    for (QCheckBox* box : {chkShaft, chkUnsure, chkPathway})
        connect(box, &QCheckBox::toggled, this, &TfrmHexInfo::DataChange);
    connect(txtPopCenter, &QLineEdit::textChanged, this, &TfrmHexInfo::txtPopCenterChange);
    for (QRadioButton* type : {optPopCity, optPopTown, optPopVillage})
        connect(type, &QRadioButton::toggled, this, &TfrmHexInfo::optPopCenterTypeClick);
    connect(cmdShowWanted, &QToolButton::clicked, this, [this] { ShowMarket(Market::Wanted); });
    connect(cmdShowForSale, &QToolButton::clicked, this, [this] { ShowMarket(Market::ForSale); });
    connect(cmdShowProducts, &QToolButton::clicked, this, [this] { ShowMarket(Market::Products); });
    connect(cmdShowUnits, &QPushButton::clicked, this, &TfrmHexInfo::cmdShowUnitsClick);
    connect(cmdSave, &QPushButton::clicked, this, &TfrmHexInfo::cmdSaveClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmHexInfo::reject);
}

void TfrmHexInfo::FillLists()
{
    FillCombo(lstTerrain, map_.TerrainList);
    FillCombo(lstProvince, map_.RegionList);
    FillCombo(lstRaces, map_.RaceList);
}

void TfrmHexInfo::LoadCell()
{
    loading_ = true;
    pathwayMode_ = false;
    hexSaved_ = false;
    FillLists();
    pnlCoords->setText(QString::fromStdString(HexCoordText(level_, x_, y_)));
    const int kind = PathwayKind(level_, x_, y_);
    if (!cell_) {
        pnlShowNormal->setEnabled(false);
        pnlShowUnder->hide();
        chkUnsure->setEnabled(false);
    } else {
        const HexDetails details = HexDetailsOf(map_, *cell_);
        if (kind != 0)
            LoadPathway(details, kind);
        else
            LoadHex(details);
    }
    UpdateUnitsButton();
    cmdSave->setEnabled(false);
    loading_ = false;
}

void TfrmHexInfo::LoadPathway(const HexDetails& details, int kind)
{
    pathwayMode_ = true;
    pathwayKind_ = kind;
    pnlShowNormal->hide();
    pnlShowUnder->show();
    cmdShowUnits->hide();  // rock between hexes holds no units
    lblCellType->setText(QString::number(kind));
    chkPathway->setText(QString::fromStdString(PathwayCaption(kind)));
    chkPathway->setChecked(cell_->Pathway[static_cast<std::size_t>(kind - 1)]);
    chkUnsure->setChecked(details.Unconfirmed);
    lblLastUpdate->setText(ToDisplayText(details.LastUpdate));
}

void TfrmHexInfo::LoadHex(const HexDetails& details)
{
    pnlShowNormal->show();
    pnlShowUnder->hide();
    cmdShowUnits->show();
    ShowDetails(details);
    ShowMarket(Market::Products);
}

void TfrmHexInfo::ShowDetails(const HexDetails& details)
{
    ChooseIn(lstTerrain, details.Terrain);
    ChooseIn(lstProvince, details.Province);
    ChooseIn(lstRaces, details.Race);
    txtPopCenter->setText(ToDisplayText(details.PopCenter));
    txtPopCenterChange();
    CheckPopCenterType(details.PopCenterType);
    txtNativeCount->setText(ToDisplayText(details.NativeCount));
    txtSilver->setText(ToDisplayText(details.Silver));
    txtWages->setText(ToDisplayText(details.Wages));
    pnlMaxWages->setText(ToDisplayText(details.MaxWages));
    txtEntertain->setText(ToDisplayText(details.Entertainment));
    txtGate->setText(ToDisplayText(details.Gate));
    chkShaft->setChecked(details.Shaft);
    txtOther->setText(ToDisplayText(details.Other));
    txtComments->setText(ToDisplayText(details.Comments));
    txtFacNo->setText(ToDisplayText(details.FactionNo));
    chkUnsure->setChecked(details.Unconfirmed);
    pnlLastWeather->setText(ToDisplayText(details.WeatherWas));
    pnlNextWeather->setText(ToDisplayText(details.WeatherNext));
    lblLastUpdate->setText(ToDisplayText(details.LastUpdate));
}

HexDetails TfrmHexInfo::ShownDetails() const
{
    HexDetails details;
    details.Terrain = lstTerrain->currentIndex();
    details.Province = lstProvince->currentIndex();
    details.Race = lstRaces->currentIndex();
    details.PopCenter = FromUserText(txtPopCenter->text());
    details.PopCenterType = CheckedPopCenterType();
    details.NativeCount = FromUserText(txtNativeCount->text());
    details.Silver = FromUserText(txtSilver->text());
    details.Wages = FromUserText(txtWages->text());
    details.Entertainment = FromUserText(txtEntertain->text());
    details.Gate = FromUserText(txtGate->text());
    details.FactionNo = FromUserText(txtFacNo->text());
    details.Shaft = chkShaft->isChecked();
    details.Other = FromUserText(txtOther->text());
    details.Comments = FromUserText(txtComments->text());
    details.Unconfirmed = chkUnsure->isChecked();
    return details;
}

void TfrmHexInfo::CheckPopCenterType(int type)
{
    // An exclusive group only ever moves the mark; "none" needs it freed for a moment.
    popCenterTypes_->setExclusive(false);
    int kind = kCity;
    for (QRadioButton* button : {optPopCity, optPopTown, optPopVillage})
        button->setChecked(kind++ == type);
    popCenterTypes_->setExclusive(true);
}

int TfrmHexInfo::CheckedPopCenterType() const
{
    if (optPopCity->isChecked())
        return kCity;
    if (optPopTown->isChecked())
        return kTown;
    return optPopVillage->isChecked() ? kVillage : kNoPopCenter;
}

void TfrmHexInfo::SaveCell()
{
    if (!cell_)
        return;
    if (pathwayMode_)
        StorePathway(*cell_, pathwayKind_, chkPathway->isChecked(), chkUnsure->isChecked(), map_.TerrainIndex("solid"));
    else
        StoreHexDetails(ShownDetails(), *cell_);
    hexSaved_ = true;
}

void TfrmHexInfo::UpdateUnitsButton()
{
    cmdShowUnits->setEnabled(showUnits && cell_ && cell_->Units.Count() > 0);
}

void TfrmHexInfo::showEvent(QShowEvent* event)
{
    // The opener sets showUnits after construction.
    UpdateUnitsButton();
    QDialog::showEvent(event);
}

bool TfrmHexInfo::eventFilter(QObject* watched, QEvent* event)
{
    // Entering the settlement name selects it, so that typing replaces it; after the click that
    // gave the focus, or that click would place the cursor instead.
    if (watched == txtPopCenter && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtPopCenter, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

void TfrmHexInfo::DataChange()
{
    if (!loading_ && cell_)
        cmdSave->setEnabled(true);
}

void TfrmHexInfo::txtPopCenterChange()
{
    pnlPopCenterType->setEnabled(!TrimmedView(FromUserText(txtPopCenter->text())).empty());
}

void TfrmHexInfo::optPopCenterTypeClick(bool checked)
{
    if (!checked || loading_)
        return;
    // A settlement of a known kind whose name nobody has read still is a settlement.
    if (TrimmedView(FromUserText(txtPopCenter->text())).empty())
        txtPopCenter->setText("Unknown");
    DataChange();
}

void TfrmHexInfo::ShowMarket(Market market)
{
    QToolButton* button = market == Market::Wanted ? cmdShowWanted
        : market == Market::ForSale                ? cmdShowForSale
                                                   : cmdShowProducts;
    button->setChecked(true);
    lstProds->clear();
    if (!cell_)
        return;
    const std::vector<std::string> lines = market == Market::Wanted ? ListWanted(*cell_, map_.ProductList)
        : market == Market::ForSale                                 ? ListForSale(*cell_, map_.ProductList)
                                                                    : ListProducts(*cell_, map_.ProductList);
    for (const std::string& line : lines)
        lstProds->addItem(ToDisplayText(line));
}

void TfrmHexInfo::cmdShowUnitsClick()
{
    if (showUnits)
        showUnits(this);
}

void TfrmHexInfo::cmdSaveClick()
{
    SaveCell();
    accept();
}

void TfrmHexInfo::reject()
{
    if (cmdSave->isEnabled()) {
        switch (ui_.AskYesNoCancel("Do you wish to save your changes ?")) {
        case Answer::Cancel:
            return;
        case Answer::Yes:
            cmdSaveClick();
            return;
        case Answer::No:
            break;
        }
    }
    QDialog::reject();
}

}  // namespace korvane
