// The add command: "加入歌曲" on the toolbar, "添加(&A)" in the song menu and
// "加入歌曲" in the grid's context menu.
#include "app/form_main.h"

#include "app/error_box.h"
#include "app/song_grid.h"

#include "intake/add_songs.h"

#include <QAction>
#include <QFileDialog>
#include <QToolButton>

void TFormMain::ConnectSongCommands()
{
    connect(SpeedButtonMusicAdd, &QToolButton::clicked, this, &TFormMain::SpeedButtonMusicAddClick);
    connect(MenuSongAdd, &QAction::triggered, this, &TFormMain::SpeedButtonMusicAddClick);
    connect(PopupSongAdd, &QAction::triggered, this, &TFormMain::SpeedButtonMusicAddClick);
}

void TFormMain::SpeedButtonMusicAddClick()
{
    RunShowingErrors(this, [this] {
        if (OpenDialogMusic->exec() != QDialog::Accepted)
            return;
        // On an error the brackets close first: the rows added before it show.
        UpdateBracket bracket(*VDT1);
        QStringList files = OpenDialogMusic->selectedFiles();
        AddSongFiles(*VDT1, files);
    });
}
