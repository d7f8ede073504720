// Moving and removing rows: "上移", "下移", the Left and Right keys in the
// grid, "删除歌曲" / "删除(&D)" and "清空全部".
#include "app/form_main.h"

#include "app/cell_editor_events.h"
#include "app/error_box.h"
#include "app/song_grid.h"

#include "album/move_song_row.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>

void TFormMain::ConnectRowCommands()
{
    connect(PopupMoveUp, &QAction::triggered, this, &TFormMain::N22Click);
    connect(PopupMoveDown, &QAction::triggered, this, &TFormMain::N25Click);
    connect(PopupSongDelete, &QAction::triggered, this, &TFormMain::SpeedButtonMusicDelClick);
    connect(MenuSongDelete, &QAction::triggered, this, &TFormMain::SpeedButtonMusicDelClick);
    connect(PopupClearAll, &QAction::triggered, this, &TFormMain::N19Click);
    InstallEventHook(VDT1, [this](QEvent *event) {
        return event->type() == QEvent::KeyPress && VDT1KeyDown(static_cast<QKeyEvent *>(event)->key());
    });
}

void TFormMain::MoveFocusedSong(bool down)
{
    // The arrow key goes to the grid as if pressed, so the focus and the
    // selection follow the song the way the key moves them.
    RunShowingErrors(this, [this, down] {
        MoveSongRow(*VDT1, VDT1->Focused(), down, [this](bool keyDown) {
            QKeyEvent press(QEvent::KeyPress, keyDown ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
            QCoreApplication::sendEvent(VDT1, &press);
        });
    });
}

void TFormMain::N22Click()
{
    MoveFocusedSong(false);
}

void TFormMain::N25Click()
{
    MoveFocusedSong(true);
}

bool TFormMain::VDT1KeyDown(int key)
{
    if (key == Qt::Key_Left)
        MoveFocusedSong(false);
    else if (key == Qt::Key_Right)
        MoveFocusedSong(true);
    else
        return false;
    return true;
}

void TFormMain::SpeedButtonMusicDelClick()
{
    RunShowingErrors(this, [this] {
        if (VDT1->SelectedCount() > 0)
            VDT1->DeleteSelected();
    });
}

void TFormMain::N19Click()
{
    RunShowingErrors(this, [this] {
        VDT1->DeleteAll();
        // The next build asks for a name again; the album icon stays.
        AlbumName.clear();
    });
}
