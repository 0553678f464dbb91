// The "Import Korvane Data" window.
#include "windows/frm_import_data.h"

#include "core/file_names.h"
#include "core/text_helpers.h"
#include "core/user_interaction.h"
#include "mapview/render/display_text.h"
#include "storage/exchange_file.h"
#include "windows/busy_cursor.h"
#include "windows/centre_window.h"
#include "windows/map_rectangle_boxes.h"
#include "windows/progress_dialog.h"
#include "windows/widget_makers.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {

namespace {

constexpr const char* kExchangeFilter = "Korvane Data Files (*.kvd *.KVD)";
constexpr const char* kExchangeFilters = "All Files (*);;Korvane Data Files (*.kvd *.KVD)";

}  // namespace

TfrmImportData::TfrmImportData(Workspace& workspace, UserInteraction& ui, QWidget* parent)
    : QDialog(parent)
    , workspace_(workspace)
    , ui_(ui)
{
    setObjectName("frmImportData");
    setWindowTitle("Import Korvane Data");
    setModal(true);
    BuildLayout();
    connect(cmdBrowse, &QPushButton::clicked, this, &TfrmImportData::cmdBrowseClick);
    connect(cmdImport, &QPushButton::clicked, this, &TfrmImportData::cmdImportClick);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    CentreWindow(parent, this);
}

void TfrmImportData::BuildLayout()
{
    auto* lblFilename = new QLabel("Import &Filename", this);
    txtFilename = Named<QLineEdit>("txtFilename", this);
    txtFilename->setMinimumWidth(320);
    lblFilename->setBuddy(txtFilename);
    // Enter in the name box must not import unasked.
    cmdBrowse = DialogButton("cmdBrowse", "&Browse", this);
    chkBelieveIt = Named<QCheckBox>("chkBelieveIt", " Regard all imported data as unconfirmed", this);
    chkBelieveIt->setChecked(true);
    chkOverride = Named<QCheckBox>("chkOverride", " Override existing map data (if any)", this);
    cmdImport = DialogButton("cmdImport", "I&mport", this);
    cmdClose = DialogButton("cmdClose", "Close", this);

    auto* file = new QHBoxLayout;
    file->addWidget(lblFilename);
    file->addWidget(txtFilename, 1);
    file->addWidget(cmdBrowse);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(file);
    layout->addSpacing(6);
    layout->addWidget(chkBelieveIt);
    layout->addWidget(chkOverride);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    adjustSize();
    setFixedHeight(height());
}

void TfrmImportData::Preset(const std::string& fileName)
{
    txtFilename->setText(ToDisplayText(fileName));
}

void TfrmImportData::cmdBrowseClick()
{
    const std::string start = FileDialogStart(FromUserText(txtFilename->text()), workspace_.ProgramDir());
    QString filter = kExchangeFilter;
    const QString chosen = QFileDialog::getOpenFileName(this, "Import Korvane Data", ToDisplayText(start),
                                                        kExchangeFilters, &filter);
    if (!chosen.isEmpty())
        txtFilename->setText(chosen);
}

void TfrmImportData::cmdImportClick()
{
    const std::string fileName = TrimSpaces(FromUserText(txtFilename->text()));
    if (!FileExists(fileName)) {
        ui_.AskYesNo("Import file does not exist. Shall I fake it ?");  // either answer ends here
        return;
    }
    if (!workspace_.CanImport(ImportKind::ExchangeFile, ui_))
        return;

    ExchangeImportOptions options;
    options.Confirmed = !chkBelieveIt->isChecked();
    options.Override = chkOverride->isChecked();
    FileResult saved;
    {
        const BusyCursor busy;
        ProgressDialog progress(this, "Importing " + ToDisplayText(fileName) + " ...");
        // Cancelled part-way, what was merged is kept and saved like a whole file.
        if (!ImportExchange(workspace_.Map, fileName, options, ui_, &progress).Imported)
            return;
        imported_ = true;
        saved = workspace_.SaveDatabase();
    }
    dataChanged_ = !saved;
    if (!saved)
        ui_.Error(DatabaseNotSavedMessage(saved));
}

}  // namespace korvane
