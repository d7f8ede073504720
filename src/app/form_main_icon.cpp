// The album icon: chosen with the picture dialog, shown in the toolbar and
// used as the launcher icon by the next build.
#include "app/form_main.h"

#include "app/cell_editor_events.h"
#include "app/error_box.h"

#include "album/album_globals.h"
#include "album/default_album_icon.h"

#include <QFileDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

void TFormMain::ConnectAlbumIcon()
{
    // A double click on the icon and a single click on the label beside it.
    InstallEventHook(ImageIcon, [this](QEvent *event) {
        if (event->type() != QEvent::MouseButtonDblClick
            || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        ImageIconDblClick();
        return true;
    });
    InstallEventHook(lblChangeIcon, [this](QEvent *event) {
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton
            || !lblChangeIcon->rect().contains(mouse->position().toPoint()))
            return false;
        ImageIconDblClick();
        return true;
    });
}

void TFormMain::ImageIconDblClick()
{
    RunShowingErrors(this, [this] {
        if (OpenImageDialog->exec() != QDialog::Accepted)
            return;
        const QStringList chosen = OpenImageDialog->selectedFiles();
        if (chosen.isEmpty())
            return;
        const QString path = chosen.first();
        // Decoded before anything changes, so an unreadable choice keeps the
        // icon that was shown and the file the build would use.
        const QImage icon = LoadAlbumIconImage(path);
        ImageIcon->setPixmap(QPixmap::fromImage(icon));
        AlbumIconFile = path;
        NoteAlbumChange();
    });
}
