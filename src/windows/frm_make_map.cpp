// The "Generate Map" window.
#include "windows/frm_make_map.h"

#include "core/file_names.h"
#include "core/text_helpers.h"
#include "core/user_interaction.h"
#include "mapview/render/display_text.h"
#include "mapview/render/draw_options.h"
#include "mapview/render/map_bitmap.h"
#include "mapview/render/map_scene.h"
#include "mapview/render/map_viewport.h"
#include "windows/busy_cursor.h"
#include "windows/centre_window.h"
#include "windows/progress_dialog.h"
#include "windows/widget_makers.h"
#include "workspace/workspace.h"
#include "world/map.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

namespace korvane {

namespace {

constexpr const char* kDefaultFileName = "MAP1.BMP";
// Bitmaps chosen first; the names on disk may be in either case.
constexpr const char* kBitmapFilter = "Bitmap Files (*.bmp *.BMP)";
constexpr const char* kSaveFilters = "All Files (*);;Bitmap Files (*.bmp *.BMP)";

}  // namespace

TfrmMakeMap::TfrmMakeMap(Workspace& workspace, UserInteraction& ui, QWidget* parent)
    : QDialog(parent)
    , workspace_(workspace)
    , ui_(ui)
{
    setObjectName("frmMakeMap");
    setWindowTitle("Generate Map");
    setModal(true);
    BuildLayout();
    // Names are written beside their icons, numbers beside their gates: neither stands alone.
    CoupleSwitches(chkTownIcons, chkTownNames);
    CoupleSwitches(chkGates, chkGateNos);

    const TrecINI& settings = workspace_.Settings;
    const std::string& dir = settings.MapDir.empty() ? workspace_.ProgramDir() : settings.MapDir;
    txtFilename->setText(ToDisplayText(QualifyFileName(kDefaultFileName, dir)));

    connect(cmdBrowse, &QPushButton::clicked, this, &TfrmMakeMap::cmdBrowseClick);
    connect(cmdSelAllMap, &QPushButton::clicked, this, &TfrmMakeMap::cmdSelAllMapClick);
    connect(cmdMakeMap, &QPushButton::clicked, this, &TfrmMakeMap::cmdMakeMapClick);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    CentreWindow(parent, this);
}

void TfrmMakeMap::BuildLayout()
{
    auto* lblFilename = new QLabel("Map Filename (.BMP)", this);
    txtFilename = Named<QLineEdit>("txtFilename", this);
    txtFilename->setMinimumWidth(320);
    lblFilename->setBuddy(txtFilename);
    cmdBrowse = DialogButton("cmdBrowse", "&Browse", this);
    auto* lblTitle = new QLabel("Map Title", this);
    txtTitle = Named<QLineEdit>("txtTitle", this);
    lblTitle->setBuddy(txtTitle);

    auto* files = new QGridLayout;
    files->addWidget(lblFilename, 0, 0);
    files->addWidget(txtFilename, 0, 1);
    files->addWidget(cmdBrowse, 0, 2);
    files->addWidget(lblTitle, 1, 0);
    files->addWidget(txtTitle, 1, 1, 1, 2);

    auto* coordinates = Named<QGroupBox>("pnlCoords", "Co-ordinates to Map", this);
    auto* rectangle = new QGridLayout(coordinates);
    rectangle_ = RectangleBoxes::Add(rectangle, coordinates);
    int row = 4;
    txtScale = NumberBox("txtScale", coordinates);
    auto* lblScale = new QLabel("Scale", coordinates);
    lblScale->setBuddy(txtScale);
    rectangle->addWidget(lblScale, row, 0);
    rectangle->addWidget(txtScale, row, 1);
    rectangle->addWidget(new QLabel("1 (small) to10 (large)", coordinates), row++, 2);
    rectangle->setRowMinimumHeight(row++, 6);
    cmdSelAllMap = DialogButton("cmdSelAllMap", "Whole Map", coordinates);
    rectangle->addWidget(cmdSelAllMap, row++, 0, 1, 3, Qt::AlignLeft);
    rectangle->setColumnStretch(2, 1);
    rectangle->setRowStretch(row, 1);

    auto* show = Named<QGroupBox>("pnlShow", "Show", this);
    chkHexCoords = Named<QCheckBox>("chkHexCoords", " Hex Co-ordinates", show);
    chkTownIcons = Named<QCheckBox>("chkTownIcons", " Pop. Center Icons", show);
    chkTownNames = Named<QCheckBox>("chkTownNames", " Pop. Center Names", show);
    chkGates = Named<QCheckBox>("chkGates", " Gates (excl. #)", show);
    chkGateNos = Named<QCheckBox>("chkGateNos", " Gate Numbers", show);
    chkShafts = Named<QCheckBox>("chkShafts", " Shafts", show);
    chkOther = Named<QCheckBox>("chkOther", " Other", show);
    chkShowUnconfirmed = Named<QCheckBox>("chkShowUnconfirmed", " Indicate Unconfirmed", show);
    optOverworld = Named<QRadioButton>("optOverworld", " Overworld Data", show);
    optOverworld->setChecked(true);
    optunderworld = Named<QRadioButton>("optunderworld", " Underworld Data", show);
    auto* switches = new QVBoxLayout(show);
    for (QWidget* part : std::initializer_list<QWidget*>{chkHexCoords, chkTownIcons, chkTownNames, chkGates, chkGateNos,
                                                         chkShafts, chkOther, chkShowUnconfirmed})
        switches->addWidget(part);
    switches->addSpacing(6);
    switches->addWidget(optOverworld);
    switches->addWidget(optunderworld);
    switches->addStretch();

    auto* panels = new QHBoxLayout;
    panels->addWidget(coordinates, 1);
    panels->addWidget(show, 1);

    cmdMakeMap = DialogButton("cmdMakeMap", "Create Map", this);
    cmdClose = DialogButton("cmdClose", "Close", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdMakeMap);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addLayout(panels);
    layout->addLayout(buttons);
    adjustSize();
}

void TfrmMakeMap::Preset(const MapViewPreset& preset)
{
    const std::pair<QCheckBox*, int> switches[] = {
        {chkHexCoords, doHexCoords},
        {chkTownIcons, doTownIcons},
        {chkTownNames, doTownNames},
        {chkGates, doGates},
        {chkShafts, doShafts},
        {chkOther, doOther},
        {chkShowUnconfirmed, doUnconfirmed},
    };
    for (const auto& [box, bit] : switches)
        box->setChecked((preset.options & bit) != 0);
    (preset.level == TMap::kUnderworld ? optunderworld : optOverworld)->setChecked(true);
    rectangle_.Show(preset.left, preset.top, preset.right, preset.bottom);
    txtScale->setText(QString::number(preset.scale));
}

void TfrmMakeMap::cmdSelAllMapClick()
{
    rectangle_.ShowWholeMap();
}

void TfrmMakeMap::cmdBrowseClick()
{
    const std::string start = FileDialogStart(FromUserText(txtFilename->text()), workspace_.ProgramDir());
    QString filter = kBitmapFilter;
    // The question about an existing file is asked when the map is made, in the window's words.
    const QString chosen = QFileDialog::getSaveFileName(this, "Save Map", ToDisplayText(start), kSaveFilters, &filter,
                                                        QFileDialog::DontConfirmOverwrite);
    if (!chosen.isEmpty())
        txtFilename->setText(chosen);
}

void TfrmMakeMap::cmdMakeMapClick()
{
    MapBitmapFields fields;
    fields.fileName = TypedFileName(FromUserText(txtFilename->text()), workspace_.ProgramDir());
    fields.title = FromUserText(txtTitle->text());
    const RectangleBoxes& r = rectangle_;
    fields.left = FromUserText(r.txtLeft->text());
    fields.top = FromUserText(r.txtTop->text());
    fields.right = FromUserText(r.txtRight->text());
    fields.bottom = FromUserText(r.txtBottom->text());
    fields.scale = FromUserText(txtScale->text());
    fields.hexCoords = chkHexCoords->isChecked();
    fields.townIcons = chkTownIcons->isChecked();
    fields.townNames = chkTownNames->isChecked();
    fields.unconfirmed = chkShowUnconfirmed->isChecked();
    fields.gates = chkGates->isChecked();
    fields.gateNumbers = chkGateNos->isChecked();
    fields.shafts = chkShafts->isChecked();
    fields.other = chkOther->isChecked();
    fields.underworld = optunderworld->isChecked();

    MapBitmapField focus = MapBitmapField::None;
    const std::optional<MapBitmapRequest> request = CheckMapBitmapFields(fields, ui_, focus);
    // The rectangle as it will be drawn, corrected into the grid, even when something else is refused.
    r.txtLeft->setText(ToDisplayText(fields.left));
    r.txtTop->setText(ToDisplayText(fields.top));
    r.txtRight->setText(ToDisplayText(fields.right));
    r.txtBottom->setText(ToDisplayText(fields.bottom));
    if (!request) {
        const std::pair<MapBitmapField, QLineEdit*> boxes[] = {
            {MapBitmapField::FileName, txtFilename},
            {MapBitmapField::Left, r.txtLeft},
            {MapBitmapField::Top, r.txtTop},
            {MapBitmapField::Scale, txtScale},
        };
        for (const auto& [field, box] : boxes) {
            if (field == focus)
                box->setFocus();
        }
        return;
    }

    MapScene scene(workspace_);
    FileResult written;
    {
        const BusyCursor busy;
        ProgressDialog progress(this, "Writing the map " + ToDisplayText(request->fileName) + " ...");
        written = MakeMapBitmap(scene, *request, QDate::currentDate(), 0, &progress);
        // The player stopped it and knows; the old file, if any, is still there.
        if (progress.WasCancelled())
            return;
    }
    // A map that could not be written must not pass for one that was.
    if (!written)
        ui_.Error("Unable to write the map bitmap " + written.Text());
}

}  // namespace korvane
