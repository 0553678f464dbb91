// TfrmImportData ("Import Korvane Data"): another player's exchange file merged into the map,
// and the map database saved straight after.
#pragma once

#include <QDialog>

#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace korvane {

class UserInteraction;
class Workspace;

class TfrmImportData : public QDialog
{
    Q_OBJECT

public:
    /// A modal window over the workspace's world, centred over `parent`, with no file name yet.
    TfrmImportData(Workspace& workspace, UserInteraction& ui, QWidget* parent = nullptr);

    /// Puts a file name into the box, as when a file is dropped onto the main window.
    void Preset(const std::string& fileName);

    /// "&Browse": an open dialog starting at the current file name.
    void cmdBrowseClick();
    /// "I&mport": merges the file named into the map and saves the map database. Refused
    /// while the map database could not be loaded at the start: the map is not the player's.
    void cmdImportClick();

    /// Some file was merged into the map while the window was open.
    bool Imported() const { return imported_; }
    /// The map differs from the saved database: the save after the last import failed. Only
    /// meaningful once Imported().
    bool DataChanged() const { return dataChanged_; }

private:
    void BuildLayout();

    Workspace& workspace_;
    UserInteraction& ui_;
    bool imported_ = false;
    bool dataChanged_ = false;

    QLineEdit* txtFilename;
    QPushButton* cmdBrowse;
    QCheckBox* chkBelieveIt;
    QCheckBox* chkOverride;
    QPushButton* cmdImport;
    QPushButton* cmdClose;
};

}  // namespace korvane
