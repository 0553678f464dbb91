// The bulk turn import window.
#include "windows/frm_bulk_turn_import.h"

#include "core/file_names.h"
#include "core/user_interaction.h"
#include "mapview/render/display_text.h"
#include "core/progress.h"
#include "windows/bulk_import_name_order.h"
#include "windows/busy_cursor.h"
#include "windows/centre_window.h"
#include "windows/widget_makers.h"
#include "workspace/workspace.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace korvane {

namespace {

constexpr int kListWidth = 200;
constexpr int kListHeight = 300;

/// The file part of a full name, as the status line shows it.
QString ShownName(const std::string& file)
{
    const std::size_t slash = file.find_last_of(kPathSeparator);
    return ToDisplayText(slash == std::string::npos ? file : file.substr(slash + 1));
}

/// The name the file system knows a folder or file by, as the program's byte strings hold it.
std::string FileSystemName(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

/// The folder itself when it exists, else the nearest folder above it that does: an import
/// folder not made yet still opens the window where it would be.
QString ExistingFolder(QString path)
{
    path = QDir::cleanPath(QDir(path).absolutePath());
    while (!QFileInfo(path).isDir() && !QDir(path).isRoot())
        path = QFileInfo(path).absolutePath();
    return path;
}

QLabel* Title(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

TfrmBulkTurnImport::TfrmBulkTurnImport(Workspace& workspace, UserInteraction& ui, QWidget* parent)
    : QDialog(parent)
    , workspace_(workspace)
    , ui_(ui)
{
    setObjectName("frmBulkTurnImport");
    setWindowTitle("Bulk Turn Import");
    setModal(true);
    CreateControls();
    LayOutControls();
    ConnectControls();
    StartInImportDir();
    UpdateFileCount();
    UpdateButtons();
    adjustSize();
    CentreWindow(parent, this);
}

void TfrmBulkTurnImport::CreateControls()
{
    pnlChoose = Named<QWidget>("pnlChoose", this);

    lstDrives = Named<QComboBox>("lstDrives", pnlChoose);
    FillDrives();

    dirsModel_ = new QFileSystemModel(this);
    dirsModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    dirsModel_->setRootPath(QDir::rootPath());
    lstDirs = Named<QTreeView>("lstDirs", pnlChoose);
    lstDirs->setModel(dirsModel_);
    lstDirs->setHeaderHidden(true);
    // Only the names: size, kind and date say nothing about a folder of reports.
    for (int column = 1; column < dirsModel_->columnCount(); ++column)
        lstDirs->hideColumn(column);
    lstDirs->setMinimumSize(kListWidth + 40, kListHeight);
    // The folder's full name, its end in view: that is the part that tells folders apart.
    txtDirectory = Named<QLineEdit>("txtDirectory", pnlChoose);
    txtDirectory->setReadOnly(true);
    txtDirectory->setFrame(false);
    txtDirectory->setFocusPolicy(Qt::NoFocus);
    txtDirectory->setStyleSheet("background: transparent");

    lstFilters = Named<QComboBox>("lstFilters", pnlChoose);
    // "*" rather than "*.*": a report saved from a mail without an extension is a file too.
    lstFilters->addItem("All files (*)", "*");
    lstFilters->addItem("Text Files (*.txt)", "*.txt");
    lstFilters->setCurrentIndex(1);

    lstFiles = Named<QListWidget>("lstFiles", pnlChoose);
    // A whole game's reports are picked at once with Shift or Ctrl, and added in list order.
    lstFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstFiles->setMinimumSize(kListWidth, kListHeight);

    lstSelFiles = Named<QListWidget>("lstSelFiles", pnlChoose);
    lstSelFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    lstSelFiles->setMinimumSize(kListWidth, kListHeight);
    lblFileCount = Named<QLabel>("lblFileCount", pnlChoose);

    cmdAdd = DialogButton("cmdAdd", "Add >", pnlChoose);
    cmdRemove = DialogButton("cmdRemove", "< Remove ", pnlChoose);
    cmdMoveUp = DialogButton("cmdMoveUp", "Move &Up", pnlChoose);
    cmdMoveDn = DialogButton("cmdMoveDn", "Move &Down", pnlChoose);

    pnlStatus = Named<QLabel>("pnlStatus", this);
    pnlStatus->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // A long file name is cut off rather than widening the window.
    pnlStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    pnlStatus->setMinimumHeight(pnlStatus->sizeHint().height() + 6);
    prgImport = Named<QProgressBar>("prgImport", this);
    prgImport->setRange(0, 1);
    prgImport->setValue(0);
    prgImport->setFormat(QString());  // empty until a run gives it files to count
    prgImport->setFixedWidth(160);
    cmdCancel = DialogButton("cmdCancel", "Cancel", this);
    cmdCancel->setEnabled(false);

    cmdImport = DialogButton("cmdImport", "I&mport", this);
    cmdClose = DialogButton("cmdClose", "Close", this);
}

void TfrmBulkTurnImport::LayOutControls()
{
    auto* addRemove = new QVBoxLayout;
    addRemove->addStretch();
    addRemove->addWidget(cmdAdd);
    addRemove->addWidget(cmdRemove);
    addRemove->addStretch();
    auto* order = new QVBoxLayout;
    order->addStretch();
    order->addWidget(cmdMoveUp);
    order->addWidget(cmdMoveDn);
    order->addStretch();

    auto* grid = new QGridLayout(pnlChoose);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(txtDirectory, 0, 0);
    grid->addWidget(Title("Files", lstFiles, pnlChoose), 0, 1);
    grid->addWidget(Title("Selected Files", lstSelFiles, pnlChoose), 0, 3);
    grid->addWidget(lstDirs, 1, 0);
    grid->addWidget(lstFiles, 1, 1);
    grid->addLayout(addRemove, 1, 2);
    grid->addWidget(lstSelFiles, 1, 3);
    grid->addLayout(order, 1, 4);
    grid->addWidget(lstDrives, 2, 0);
    grid->addWidget(lstFilters, 2, 1);
    grid->addWidget(lblFileCount, 2, 3);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* status = new QHBoxLayout;
    status->addWidget(pnlStatus, 1);
    status->addWidget(prgImport);
    status->addWidget(cmdCancel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pnlChoose, 1);
    layout->addLayout(status);
    layout->addLayout(buttons);
}

void TfrmBulkTurnImport::ConnectControls()
{
    connect(lstDrives, &QComboBox::activated, this, &TfrmBulkTurnImport::lstDrivesChange);
    connect(lstDirs->selectionModel(), &QItemSelectionModel::currentChanged, this, &TfrmBulkTurnImport::lstDirsChange);
    // The tree fills and sorts itself in the background, moving the folder shown down as the
    // folders above it arrive: it is kept in view until the player moves around the tree.
    const auto keepInView = [this] {
        if (followDirectory_)
            lstDirs->scrollTo(lstDirs->currentIndex(), QAbstractItemView::PositionAtCenter);
    };
    connect(dirsModel_, &QFileSystemModel::directoryLoaded, this, keepInView);
    connect(dirsModel_, &QFileSystemModel::layoutChanged, this, keepInView);
    connect(dirsModel_, &QFileSystemModel::rowsInserted, this, keepInView);
    const auto playerMoved = [this] { followDirectory_ = false; };
    connect(lstDirs->verticalScrollBar(), &QScrollBar::actionTriggered, this, playerMoved);
    connect(lstDirs, &QTreeView::expanded, this, playerMoved);
    connect(lstDirs, &QTreeView::collapsed, this, playerMoved);
    connect(lstFilters, &QComboBox::currentIndexChanged, this, &TfrmBulkTurnImport::lstFiltersChange);
    connect(lstFiles, &QListWidget::itemSelectionChanged, this, &TfrmBulkTurnImport::UpdateButtons);
    connect(lstFiles, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* file) { AddFiles({file}); });
    connect(lstSelFiles, &QListWidget::itemSelectionChanged, this, &TfrmBulkTurnImport::UpdateButtons);
    connect(lstSelFiles, &QListWidget::itemDoubleClicked, this, &TfrmBulkTurnImport::RemoveEntry);
    connect(cmdAdd, &QPushButton::clicked, this, &TfrmBulkTurnImport::cmdAddClick);
    connect(cmdRemove, &QPushButton::clicked, this, &TfrmBulkTurnImport::cmdRemoveClick);
    connect(cmdMoveUp, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(cmdMoveDn, &QPushButton::clicked, this, [this] { MoveSelected(1); });
    connect(cmdImport, &QPushButton::clicked, this, &TfrmBulkTurnImport::cmdImportClick);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmBulkTurnImport::cmdCancelClick);
    // Escape and the window frame reach done() as well, so every way out saves alike.
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmBulkTurnImport::FillDrives()
{
    // The mounted volumes play the part of drives: each is a place to start looking from.
    QStringList roots{QDir::rootPath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            roots << volume.rootPath();
    }
    roots.removeDuplicates();
    roots.sort();
    lstDrives->addItems(roots);
}

void TfrmBulkTurnImport::StartInImportDir()
{
    const TrecINI& settings = workspace_.Settings;
    const std::string importDir = QualifyFileName(settings.ImportDir, settings.ProgramDir());
    SetDirectory(ExistingFolder(QFile::decodeName(QByteArray::fromStdString(importDir))));
}

void TfrmBulkTurnImport::SetDirectory(const QString& path)
{
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    // The run reads its files from the folder it started in.
    if (importing_ || folder == directory_ || !QFileInfo(folder).isDir())
        return;
    directory_ = folder;
    // The selection holds names without their folder: they belong to the one left.
    lstSelFiles->clear();
    FillFiles();
    UpdateFileCount();
    {
        const QSignalBlocker quiet(lstDrives);
        lstDrives->setCurrentIndex(lstDrives->findText(QStorageInfo(directory_).rootPath()));
    }
    txtDirectory->setText(directory_);
    txtDirectory->setCursorPosition(directory_.size());
    const QModelIndex shown = dirsModel_->index(directory_);
    if (shown.isValid() && lstDirs->currentIndex() != shown) {
        for (QModelIndex above = shown.parent(); above.isValid(); above = above.parent())
            lstDirs->expand(above);
        lstDirs->setCurrentIndex(shown);
        lstDirs->scrollTo(shown, QAbstractItemView::PositionAtCenter);
        followDirectory_ = true;
    }
    UpdateButtons();
}

void TfrmBulkTurnImport::lstDrivesChange(int index)
{
    SetDirectory(lstDrives->itemText(index));
}

void TfrmBulkTurnImport::lstDirsChange(const QModelIndex& current)
{
    if (current.isValid())
        SetDirectory(dirsModel_->filePath(current));
}

void TfrmBulkTurnImport::lstFiltersChange()
{
    FillFiles();
    UpdateButtons();
}

void TfrmBulkTurnImport::FillFiles()
{
    lstFiles->clear();
    // Without QDir::CaseSensitive the pattern matches "REPORT.TXT" as well.
    QStringList names = QDir(directory_).entryList({lstFilters->currentData().toString()}, QDir::Files, QDir::NoSort);
    std::sort(names.begin(), names.end(), FileNameBefore);
    lstFiles->addItems(names);
}

void TfrmBulkTurnImport::cmdAddClick()
{
    QList<QListWidgetItem*> chosen = lstFiles->selectedItems();
    // In the list's order, however the player clicked them together.
    std::sort(chosen.begin(), chosen.end(),
              [this](QListWidgetItem* a, QListWidgetItem* b) { return lstFiles->row(a) < lstFiles->row(b); });
    AddFiles(chosen);
}

void TfrmBulkTurnImport::AddFiles(const QList<QListWidgetItem*>& files)
{
    for (const QListWidgetItem* file : files) {
        // Names on disk differ by case: only the same name is the same file.
        if (lstSelFiles->findItems(file->text(), Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
            lstSelFiles->addItem(file->text());
    }
    UpdateFileCount();
    UpdateButtons();
}

void TfrmBulkTurnImport::cmdRemoveClick()
{
    const QList<QListWidgetItem*> selected = lstSelFiles->selectedItems();
    if (!selected.isEmpty())
        RemoveEntry(selected.front());
}

void TfrmBulkTurnImport::RemoveEntry(QListWidgetItem* entry)
{
    delete lstSelFiles->takeItem(lstSelFiles->row(entry));
    // The neighbour that became current is not chosen for the next removal.
    lstSelFiles->clearSelection();
    UpdateFileCount();
    UpdateButtons();
}

void TfrmBulkTurnImport::MoveSelected(int step)
{
    const QList<QListWidgetItem*> selected = lstSelFiles->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = lstSelFiles->row(selected.front());
    const int target = row + step;
    if (target < 0 || target >= lstSelFiles->count())
        return;
    lstSelFiles->insertItem(target, lstSelFiles->takeItem(row));
    lstSelFiles->setCurrentRow(target);
    UpdateButtons();
}

void TfrmBulkTurnImport::UpdateButtons()
{
    const QList<QListWidgetItem*> chosen = lstSelFiles->selectedItems();
    const int row = chosen.isEmpty() ? -1 : lstSelFiles->row(chosen.front());
    cmdAdd->setEnabled(!lstFiles->selectedItems().isEmpty());
    cmdRemove->setEnabled(row >= 0);
    cmdMoveUp->setEnabled(row > 0);
    cmdMoveDn->setEnabled(row >= 0 && row + 1 < lstSelFiles->count());
    cmdImport->setEnabled(!importing_ && lstSelFiles->count() > 0);
}

void TfrmBulkTurnImport::UpdateFileCount()
{
    const int count = lstSelFiles->count();
    lblFileCount->setText(count == 1 ? QString("1 file selected") : QString("%1 files selected").arg(count));
}

void TfrmBulkTurnImport::cmdImportClick()
{
    if (importing_ || lstSelFiles->count() == 0)
        return;
    const QDir dir(directory_);
    std::vector<std::string> files;
    for (int row = 0; row < lstSelFiles->count(); ++row)
        files.push_back(FileSystemName(dir.filePath(lstSelFiles->item(row)->text())));
    const BulkImportOutcome outcome = ImportFiles(files);
    if (outcome.End == BulkImportEnd::Finished) {
        lstSelFiles->clear();
    } else if (outcome.End == BulkImportEnd::Cancelled) {
        // What is left is what the next Import goes on with.
        for (std::size_t done = 0; done < outcome.Imported; ++done)
            delete lstSelFiles->takeItem(0);
    }
    // A failed report stays in the list with all the others, to be removed or mended.
    UpdateFileCount();
    UpdateButtons();
}

void TfrmBulkTurnImport::cmdCancelClick()
{
    cancelRequested_ = true;
}

BulkImportOutcome TfrmBulkTurnImport::ImportFiles(const std::vector<std::string>& files)
{
    if (importing_ || !workspace_.CanImport(ImportKind::TurnFiles, ui_))
        return {.End = BulkImportEnd::Failed};
    const int total = static_cast<int>(files.size());
    SetImporting(true);
    prgImport->setRange(0, std::max(total, 1));
    prgImport->setFormat("%v/%m");
    BulkImportOutcome outcome;
    {
        const BusyCursor busy;
        ProgressFunction progress([&](std::int64_t done, std::int64_t) {
            if (done >= total)
                return true;  // the outcome is shown next
            prgImport->setValue(static_cast<int>(done));
            pnlStatus->setText(QString("Done: %1/%2  Importing: %3").arg(done).arg(total).arg(ShownName(files[done])));
            // Paints the line just set and lets a click on Cancel through before the next report.
            ui_.ProcessPendingMessages();
            return !cancelRequested_;
        });
        outcome = workspace_.ImportReports(files, ui_, &progress);
        if (outcome.Imported > 0)
            dataChanged_ = true;
    }
    SetImporting(false);
    ShowOutcome(outcome, files);
    return outcome;
}

void TfrmBulkTurnImport::SetImporting(bool importing)
{
    importing_ = importing;
    cancelRequested_ = false;
    pnlChoose->setEnabled(!importing);
    cmdClose->setEnabled(!importing);
    cmdCancel->setEnabled(importing);
    UpdateButtons();
}

void TfrmBulkTurnImport::ShowOutcome(const BulkImportOutcome& outcome, const std::vector<std::string>& files)
{
    const int imported = static_cast<int>(outcome.Imported);
    prgImport->setValue(imported);
    switch (outcome.End) {
    case BulkImportEnd::Finished:
        pnlStatus->setText(QString("%1 files imported sucessfully.").arg(imported));
        break;
    case BulkImportEnd::Cancelled:
        pnlStatus->setText(QString("Import cancelled: %1 of %2 files imported.").arg(imported).arg(files.size()));
        break;
    case BulkImportEnd::Failed:
        // Named first, so the line behind the warning already says which file it was.
        pnlStatus->setText("Error importing file " + ShownName(files[outcome.Imported]));
        ui_.Warning("Error importing turn file. Bulk import stopped.\r" + outcome.Failure.Text());
        break;
    }
}

void TfrmBulkTurnImport::done(int result)
{
    if (importing_) {
        // The report being read is finished first; the window closes when the player asks again.
        cancelRequested_ = true;
        return;
    }
    SaveOnClose();
    QDialog::done(result);
}

void TfrmBulkTurnImport::SaveOnClose()
{
    if (!dataChanged_)
        return;
    FileResult saved;
    {
        const BusyCursor busy;
        saved = workspace_.SaveDatabase();
    }
    if (!saved) {
        ui_.Error(DatabaseNotSavedMessage(saved));
        return;
    }
    dataChanged_ = false;
    databaseSaved_ = true;
}

}  // namespace korvane
