// Files dropped on the main window: local file URLs, sorted into songs,
// pictures and lyrics; folders and other files are ignored.
#include "app/form_main.h"

#include "app/error_box.h"
#include "app/song_grid.h"

#include "intake/dropped_files.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {
// The whole local paths of the dropped URLs; other URLs are left out.
QStringList DroppedPaths(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}
} // namespace

void TFormMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TFormMain::dragMoveEvent(QDragMoveEvent *event)
{
    event->acceptProposedAction();
}

void TFormMain::dropEvent(QDropEvent *event)
{
    const QStringList paths = DroppedPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    // Handled once the drag has finished, so that an error box does not
    // hold the dragging application.
    QMetaObject::invokeMethod(this, [this, paths] { WMDropFiles(paths); }, Qt::QueuedConnection);
}

void TFormMain::WMDropFiles(const QStringList &files)
{
    // On an error the update bracket closes first: what was added before shows.
    RunShowingErrors(this, [this, &files] { AddDroppedFiles(*VDT1, files); });
}
