// TfrmFind ("Find ..."): the small search box of the faction window.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace korvane {

class TfrmFactions;

class TfrmFind : public QDialog
{
    Q_OBJECT

public:
    /// A modeless window of `owner`, kept above it and living as long as it. Not placed:
    /// the owner puts it where it belongs.
    explicit TfrmFind(TfrmFactions& owner);

    /// "&Search": searches the owner's list for the text of "Search for"; pressing it again
    /// with the same text finds the next match.
    void cmdSearchClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    TfrmFactions& owner_;
    QLineEdit* txtSrch;
    QPushButton* cmdSearch;
    QPushButton* cmdClose;
};

}  // namespace korvane
