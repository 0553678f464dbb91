// The "Export Data" window.
#include "windows/frm_export_data.h"

#include "core/file_names.h"
#include "core/text_helpers.h"
#include "core/user_interaction.h"
#include "mapview/render/display_text.h"
#include "mapview/render/draw_options.h"
#include "storage/exchange_file.h"
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

#include <string>
#include <tuple>

namespace korvane {

namespace {

// Exchange files chosen first; the names on disk may be in either case.
constexpr const char* kExchangeFilter = "Korvane Data Files (*.kvd *.KVD)";
constexpr const char* kExchangeFilters = "All Files (*);;Korvane Data Files (*.kvd *.KVD)";

}  // namespace

TfrmExportData::TfrmExportData(Workspace& workspace, UserInteraction& ui, QWidget* parent)
    : QDialog(parent)
    , workspace_(workspace)
    , ui_(ui)
{
    setObjectName("frmExportData");
    setWindowTitle("Export Data");
    setModal(true);
    BuildLayout();
    CoupleSwitches(chkGates, chkGateNos);
    cmdSelAllMapClick();

    connect(cmdBrowse, &QPushButton::clicked, this, &TfrmExportData::cmdBrowseClick);
    connect(cmdSelAllMap, &QPushButton::clicked, this, &TfrmExportData::cmdSelAllMapClick);
    connect(cmdExport, &QPushButton::clicked, this, &TfrmExportData::cmdExportClick);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    CentreWindow(parent, this);
}

void TfrmExportData::BuildLayout()
{
    auto* lblFilename = new QLabel("Export &Filename", this);
    txtFilename = Named<QLineEdit>("txtFilename", this);
    txtFilename->setMinimumWidth(320);
    lblFilename->setBuddy(txtFilename);
    cmdBrowse = DialogButton("cmdBrowse", "&Browse", this);
    auto* file = new QHBoxLayout;
    file->addWidget(lblFilename);
    file->addWidget(txtFilename, 1);
    file->addWidget(cmdBrowse);

    auto* coordinates = new QGroupBox("Co-ordinates to Export", this);
    auto* rectangle = new QGridLayout(coordinates);
    rectangle_ = RectangleBoxes::Add(rectangle, coordinates);
    int row = 4;
    rectangle->setRowMinimumHeight(row++, 6);
    cmdSelAllMap = DialogButton("cmdSelAllMap", "Whole Map", coordinates);
    rectangle->addWidget(cmdSelAllMap, row++, 0, 1, 3, Qt::AlignLeft);
    rectangle->setColumnStretch(2, 1);
    rectangle->setRowStretch(row, 1);

    auto* include = new QGroupBox("Include", this);
    auto* switches = new QVBoxLayout(include);
    const std::tuple<QCheckBox**, const char*, const char*> ticks[] = {
        {&chkTownNames, "chkTownNames", " Town Names"},
        {&chkGates, "chkGates", " Gates (excl. #)"},
        {&chkGateNos, "chkGateNos", " Gate Numbers"},
        {&chkShafts, "chkShafts", " Shafts"},
        {&chkOther, "chkOther", " Other"},
        {&chkComments, "chkComments", " Comments"},
    };
    for (const auto& [tick, name, caption] : ticks) {
        *tick = Named<QCheckBox>(name, caption, include);
        switches->addWidget(*tick);
    }
    switches->addSpacing(6);
    optOverworld = Named<QRadioButton>("optOverworld", " Overworld Data", include);
    optOverworld->setChecked(true);
    optunderworld = Named<QRadioButton>("optunderworld", " Underworld Data", include);
    switches->addWidget(optOverworld);
    switches->addWidget(optunderworld);
    switches->addStretch();

    auto* panels = new QHBoxLayout;
    panels->addWidget(coordinates, 1);
    panels->addWidget(include, 1);

    // Enter in a box must not export unasked.
    cmdExport = DialogButton("cmdExport", "E&xport", this);
    cmdClose = DialogButton("cmdClose", "Close", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(file);
    layout->addLayout(panels);
    layout->addLayout(buttons);
    adjustSize();
}

void TfrmExportData::Preset(const MapViewPreset& preset)
{
    const std::pair<QCheckBox*, int> switches[] = {
        {chkTownNames, doTownNames}, {chkGates, doGates}, {chkShafts, doShafts}, {chkOther, doOther}};
    for (const auto& [box, bit] : switches)
        box->setChecked((preset.options & bit) != 0);
    (preset.level == TMap::kUnderworld ? optunderworld : optOverworld)->setChecked(true);
    rectangle_.Show(preset.left, preset.top, preset.right, preset.bottom);
}

void TfrmExportData::cmdSelAllMapClick()
{
    rectangle_.ShowWholeMap();
}

void TfrmExportData::cmdBrowseClick()
{
    const std::string start = FileDialogStart(FromUserText(txtFilename->text()), workspace_.ProgramDir());
    QFileDialog dialog(this, "Export Data", ToDisplayText(start), kExchangeFilters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("KVD");
    dialog.selectNameFilter(kExchangeFilter);
    // The question about an existing file is asked on export, in the window's own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        txtFilename->setText(dialog.selectedFiles().front());
}

void TfrmExportData::cmdExportClick()
{
    const std::string fileName = TypedFileName(FromUserText(txtFilename->text()), workspace_.ProgramDir());
    if (fileName.empty()) {
        ui_.Error("Bad file name ... bad, BAD file name.");
        return;
    }
    if (FileExists(fileName) && !ui_.AskYesNo("File exist. Do you wish to overwrite it ?"))
        return;

    const RectangleBoxes& r = rectangle_;
    ExchangeExportOptions options;
    options.Left = StrToIntLenient(FromUserText(r.txtLeft->text()));
    options.Top = StrToIntLenient(FromUserText(r.txtTop->text()));
    options.Right = StrToIntLenient(FromUserText(r.txtRight->text()));
    options.Bottom = StrToIntLenient(FromUserText(r.txtBottom->text()));
    const bool inOrder = CheckExportRectangle(options, ui_);
    r.Show(options.Left, options.Top, options.Right, options.Bottom);
    if (!inOrder) {
        r.txtLeft->setFocus();
        return;
    }

    const std::pair<QCheckBox*, ExchangeExportBit> details[] = {
        {chkTownNames, kExportTownNames}, {chkGates, kExportGates}, {chkGateNos, kExportGateNumbers},
        {chkShafts, kExportShafts},       {chkOther, kExportOther}, {chkComments, kExportComments},
    };
    for (const auto& [box, bit] : details)
        options.Options |= box->isChecked() ? static_cast<std::uint32_t>(bit) : 0u;
    options.Level = optunderworld->isChecked() ? TMap::kUnderworld : TMap::kOverworld;

    ExchangeExportResult result;
    {
        const BusyCursor busy;
        ProgressDialog progress(this, "Exporting to " + ToDisplayText(fileName) + " ...");
        result = ExportExchange(workspace_.Map, fileName, options, ui_, &progress);
    }
    // A file that could not be written must not pass for an export that worked.
    if (!result.File && !result.File.AlreadySaid)
        ui_.Error("Unable to write the exchange file " + result.File.Text());
}

}  // namespace korvane
