// TfrmBulkTurnImport: the "Bulk Turn Import" window, where the player picks turn reports from a
// folder, puts them in order and imports them in one go.
#pragma once

#include "workspace/bulk_import_run.h"

#include <QDialog>
#include <QList>

#include <string>
#include <vector>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QTreeView;

namespace korvane {

class UserInteraction;
class Workspace;

class TfrmBulkTurnImport : public QDialog
{
    Q_OBJECT

public:
    /// The window over `parent`, listing the text files of the import folder; reports go into
    /// `workspace`, messages and the import's questions through `ui`. Both outlive it.
    TfrmBulkTurnImport(Workspace& workspace, UserInteraction& ui, QWidget* parent = nullptr);

    /// The folder the folder tree shows: its files are listed, and the selection is imported from it.
    const QString& Directory() const { return directory_; }
    /// Shows another folder; a different one empties the selection. Ignored while importing.
    void SetDirectory(const QString& path);

    /// Imports `files` (full names) in their order, as "Import" does with the selection: the
    /// status line and progress bar follow each file, the first report that fails stops the run
    /// with a warning, and Cancel stops it between two reports, keeping those done. Works whether
    /// or not the window is shown. Refused (after saying why, nothing imported, the outcome
    /// Failed) without the player's faction number or when the map database was refused.
    BulkImportOutcome ImportFiles(const std::vector<std::string>& files);

    /// Reports were imported that the map database on disk does not hold yet: closing saves them,
    /// and stays set when that save failed.
    bool DataChanged() const { return dataChanged_; }
    /// Closing wrote the map database: the whole map in memory, so the main window's earlier
    /// unsaved changes are saved as well. Once the window is closed, the main window's flag
    /// becomes `DatabaseSaved() ? false : (itsFlag || DataChanged())`.
    bool DatabaseSaved() const { return databaseSaved_; }

    /// Every way of closing (Close, Escape, the window frame, reject() on a hidden window):
    /// during an import it asks the import to stop instead; otherwise the map database is saved
    /// first when reports were imported.
    void done(int result) override;

private:
    void CreateControls();
    void LayOutControls();
    void ConnectControls();
    void FillDrives();
    void StartInImportDir();

    void lstDrivesChange(int index);
    void lstDirsChange(const QModelIndex& current);
    void lstFiltersChange();
    void FillFiles();
    void cmdAddClick();
    /// Adds the names not chosen yet to the end of the selection.
    void AddFiles(const QList<QListWidgetItem*>& files);
    void cmdRemoveClick();
    void RemoveEntry(QListWidgetItem* entry);
    void MoveSelected(int step);
    void cmdImportClick();
    void cmdCancelClick();
    void UpdateButtons();
    void UpdateFileCount();

    /// The choosing controls and the Close button are locked while an import runs.
    void SetImporting(bool importing);
    void ShowOutcome(const BulkImportOutcome& outcome, const std::vector<std::string>& files);
    void SaveOnClose();

    Workspace& workspace_;
    UserInteraction& ui_;
    QString directory_;
    bool dataChanged_ = false;
    bool databaseSaved_ = false;
    bool importing_ = false;
    bool cancelRequested_ = false;
    bool followDirectory_ = false;  // the folder tree keeps the folder shown in view
    QFileSystemModel* dirsModel_;

    QWidget* pnlChoose;
    QComboBox* lstDrives;
    QLineEdit* txtDirectory;
    QTreeView* lstDirs;
    QComboBox* lstFilters;
    QListWidget* lstFiles;
    QListWidget* lstSelFiles;
    QLabel* lblFileCount;
    QPushButton* cmdAdd;
    QPushButton* cmdRemove;
    QPushButton* cmdMoveUp;
    QPushButton* cmdMoveDn;
    QLabel* pnlStatus;
    QProgressBar* prgImport;
    QPushButton* cmdCancel;
    QPushButton* cmdImport;
    QPushButton* cmdClose;
};

}  // namespace korvane
