// Pictures and lyrics of the rows: the add and remove commands of the context
// menu and the lyrics menu, and the double click on the picture and lyrics
// cells.
#include "app/form_main.h"

#include "app/error_box.h"
#include "app/form_show_pic.h"
#include "app/song_grid.h"

#include "album/song_grid_rules.h"
#include "intake/attach_files.h"

#include <QAction>
#include <QFileDialog>

namespace {
// The files chosen in an open dialog, or none when it was cancelled.
QStringList ChooseFiles(QFileDialog *dialog)
{
    return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles() : QStringList();
}

// Empties one field of every selected row, from the last to the first.
void ClearSelectedField(IAlbumList &list, QString TOrbData::*field)
{
    const QList<AlbumRow *> selected = list.Selected();
    if (selected.isEmpty())
        return;
    UpdateBracket bracket(list);
    for (qsizetype i = selected.size() - 1; i >= 0; --i) {
        (list.Record(selected[i]).*field).clear();
        list.RowChanged(selected[i]);
    }
}
} // namespace

void TFormMain::ConnectAttachCommands()
{
    FormShowPic = new TFormShowPic(this);
    connect(PopupPictureAdd, &QAction::triggered, this, &TFormMain::NPicAddClick);
    connect(PopupPictureDelete, &QAction::triggered, this, &TFormMain::NPicDelClick);
    connect(PopupLyricsAdd, &QAction::triggered, this, &TFormMain::NAddLrcClick);
    connect(MenuLyricsOpen, &QAction::triggered, this, &TFormMain::NAddLrcClick);
    connect(PopupLyricsDelete, &QAction::triggered, this, &TFormMain::NDelLrcClick);
    connect(MenuLyricsDelete, &QAction::triggered, this, &TFormMain::NDelLrcClick);
    connect(VDT1, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { VDT1NodeDblClick(index.column()); });
}

void TFormMain::NPicAddClick()
{
    RunShowingErrors(this, [this] {
        if (!VDT1->Focused())
            return;
        const QStringList files = ChooseFiles(OpenImageDialog);
        if (!files.isEmpty())
            AttachPictures(*VDT1, files);
    });
}

void TFormMain::NAddLrcClick()
{
    // A lyrics file that exists but cannot be read ends the batch; the
    // lyrics attached before it stay.
    RunShowingErrors(this, [this] {
        if (!VDT1->Focused())
            return;
        const QStringList files = ChooseFiles(OpenLrcDialog);
        if (!files.isEmpty())
            AttachLyrics(*VDT1, files);
    });
}

void TFormMain::NPicDelClick()
{
    RunShowingErrors(this, [this] { ClearSelectedField(*VDT1, &TOrbData::PictureFile); });
}

void TFormMain::NDelLrcClick()
{
    RunShowingErrors(this, [this] { ClearSelectedField(*VDT1, &TOrbData::LyricsText); });
}

void TFormMain::VDT1NodeDblClick(int column)
{
    AlbumRow *row = VDT1->Focused();
    if (column == ColumnPicture) {
        if (row && row->Data.Thumbnail && !row->Data.PictureFile.isEmpty()) {
            FormShowPic->PicturePath = row->Data.PictureFile;
            RunShowingErrors(this, [this] {
                FormShowPic->ShowPicture();
                FormShowPic->show();
            });
        } else {
            NPicAddClick();
        }
    } else if (column == ColumnLyrics) {
        if (!row || row->Data.LyricsText.isEmpty())
            NAddLrcClick();
    }
}
