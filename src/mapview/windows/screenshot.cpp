// Capturing the main window into a picture file.
#include "mapview/windows/screenshot.h"

#include "mapview/windows/frm_map.h"

#include <QFile>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace korvane {

void CaptureAfterFirstPaint(TfrmMAP& window, const std::string& fileName, std::function<void(bool)> done,
                            int patienceMs)
{
    // Whichever comes first, the first paint or the end of patience, takes the picture; the
    // other finds the shared flag set and does nothing.
    auto taken = std::make_shared<bool>(false);
    QPointer<TfrmMAP> target(&window);
    auto capture = [target, fileName, done = std::move(done), taken] {
        if (*taken || !target)
            return;
        *taken = true;
        done(target->grab().save(QFile::decodeName(QByteArray::fromStdString(fileName))));
    };
    // Queued: the picture is taken after the paint that announced itself has finished.
    QObject::connect(&window, &TfrmMAP::MapPainted, &window, capture,
                     static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    QTimer::singleShot(patienceMs, &window, capture);
}

}  // namespace korvane
