// TfrmOptions ("Faction Information"): the player's faction number, and the faction points and
// unclaimed silver the last turn report gave.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace korvane {

class TrecINI;
class UserInteraction;

class TfrmOptions : public QDialog
{
    Q_OBJECT

public:
    TfrmOptions(TrecINI& settings, UserInteraction& ui, QWidget* parent = nullptr);

    /// "OK": stores a faction number of 1 to 1000 and closes accepted; any other is refused.
    void Confirm();

private:
    TrecINI& settings_;
    UserInteraction& ui_;
    QLineEdit* txtFacNo_;
};

/// TfrmAbout ("About ..."): the program's name, what it is, its version.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);
};

}  // namespace korvane
