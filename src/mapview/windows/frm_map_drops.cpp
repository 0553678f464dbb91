// Files dropped on the main window.
#include "mapview/windows/frm_map.h"

#include "core/user_interaction.h"
#include "mapview/render/display_text.h"
#include "people/faction_list.h"
#include "workspace/dropped_files.h"
#include "workspace/workspace.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace korvane {

namespace {

std::vector<std::string> LocalFiles(const QMimeData& data)
{
    std::vector<std::string> files;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile())
            files.push_back(FromUserText(url.toLocalFile()));
    }
    return files;
}

}  // namespace

void TfrmMAP::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData() && !LocalFiles(*event->mimeData()).empty())
        event->acceptProposedAction();
}

void TfrmMAP::dropEvent(QDropEvent* event)
{
    const std::vector<std::string> files = event->mimeData() ? LocalFiles(*event->mimeData())
                                                             : std::vector<std::string>();
    if (files.empty())
        return;
    event->acceptProposedAction();
    // The drag's source waits for the drop to return: the work starts once it has.
    QMetaObject::invokeMethod(
        this, [this, files] { DropFiles(files); }, Qt::QueuedConnection);
}

void TfrmMAP::DropFiles(const std::vector<std::string>& fileNames)
{
    std::vector<std::string> reports;
    std::vector<DroppedFile> others;
    for (DroppedFile& file : ClassifyDroppedFiles(fileNames)) {
        if (file.Kind == DroppedKind::TurnReport)
            reports.push_back(file.FileName);
        else
            others.push_back(std::move(file));
    }
    if (!reports.empty())
        BulkImport(reports);
    for (const DroppedFile& file : others) {
        switch (file.Kind) {
        case DroppedKind::ExchangeFile:
            OpenImportData(file.FileName);
            break;
        case DroppedKind::BattleFile:
            OpenCombats(file.FileName);
            break;
        case DroppedKind::FactionList:
            ImportFactionList(file.FileName);
            break;
        default:
            ui_.Warning(file.FileName
                        + " was not recognised: it is not a turn report, an exchange file, "
                          "a battle file or a faction list.");
            break;
        }
    }
}

}  // namespace korvane
