// Album files: "打开专辑(&O)..." (Ctrl+O), "保存专辑(&S)" (Ctrl+S) and
// "专辑另存为...", and the window title that names the album file and marks
// unsaved changes. Closing the window asks nothing, as before.
#include "app/form_main.h"

#include "app/error_box.h"
#include "app/file_dialogs.h"
#include "app/form_show_pic.h"
#include "app/song_grid.h"

#include "album/album_file.h"
#include "album/album_globals.h"
#include "album/album_opening.h"
#include "album/default_album_icon.h"
#include "media/picture_loader.h"
#include "platform/app_error.h"
#include "platform/app_folder.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace {
const QString kAlbumFilter = QStringLiteral("专辑文件(*.pelorin)|*.pelorin|所有文件(*.*)|*.*");

QFileDialog *MakeAlbumDialog(QWidget *parent, QFileDialog::AcceptMode mode)
{
    auto *dialog = new QFileDialog(parent);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilters(QtNameFilters(kAlbumFilter));
    dialog->setDefaultSuffix(QStringLiteral("pelorin"));
    dialog->setSizeGripEnabled(true);
    return dialog;
}

void ShowInformationBox(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, ApplicationTitle(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}
} // namespace

void TFormMain::ConnectAlbumFileCommands()
{
    OpenAlbumDialog = MakeAlbumDialog(this, QFileDialog::AcceptOpen);
    SaveAlbumDialog = MakeAlbumDialog(this, QFileDialog::AcceptSave);
    MenuAlbumOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    MenuAlbumSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(MenuAlbumOpen, &QAction::triggered, this, &TFormMain::MenuAlbumOpenClick);
    connect(MenuAlbumSave, &QAction::triggered, this, &TFormMain::MenuAlbumSaveClick);
    connect(MenuAlbumSaveAs, &QAction::triggered, this, &TFormMain::MenuAlbumSaveAsClick);

    // Every change of a row passes through the grid's model.
    QAbstractItemModel *model = VDT1->model();
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model, signal, this, &TFormMain::NoteAlbumChange);
    connect(model, &QAbstractItemModel::dataChanged, this, &TFormMain::NoteAlbumChange);
    connect(model, &QAbstractItemModel::modelReset, this, &TFormMain::NoteAlbumChange);
    connect(model, &QAbstractItemModel::layoutChanged, this, &TFormMain::NoteAlbumChange);
}

AlbumDocument TFormMain::CurrentAlbum() const
{
    return CaptureAlbum(*VDT1, AlbumName, AlbumIconFile);
}

bool TFormMain::AlbumHasChanges() const
{
    return CurrentAlbum() != m_savedAlbum;
}

void TFormMain::NoteAlbumChange()
{
    // A batch of a thousand rows asks once, not a thousand times.
    if (m_titlePending)
        return;
    m_titlePending = true;
    QTimer::singleShot(0, this, [this] {
        m_titlePending = false;
        ShowAlbumTitle();
    });
}

void TFormMain::ShowAlbumTitle()
{
    // Without an album file the title stays the program's, as it always was.
    if (AlbumFile.isEmpty()) {
        setWindowTitle(ApplicationTitle());
        return;
    }
    const QString mark = AlbumHasChanges() ? QStringLiteral("*") : QString();
    setWindowTitle(QFileInfo(AlbumFile).fileName() + mark + QStringLiteral(" - ") + ApplicationTitle());
}

void TFormMain::ShowAlbumIcon(const QString &path)
{
    AlbumIconFile = path;
    if (QDir::cleanPath(path) != QDir::cleanPath(DefaultAlbumIconPath())) {
        try {
            ImageIcon->setPixmap(QPixmap::fromImage(DisplayImage(LoadPicture(path))));
            return;
        } catch (const AppError &) {
            // A picture that no longer decodes: the build would fail on it.
            AlbumIconFile = DefaultAlbumIconFile();
        }
    }
    // As at start-up, the toolbar shows the built-in picture for the default.
    ImageIcon->setPixmap(QPixmap::fromImage(DefaultAlbumIcon()));
}

void TFormMain::MenuAlbumOpenClick()
{
    if (AlbumHasChanges()) {
        QMessageBox box(QMessageBox::Question, ApplicationTitle(),
                        QStringLiteral("当前专辑的修改还没有保存，要先保存么?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
        box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
        box.setEscapeButton(QMessageBox::Cancel);
        const int answer = box.exec();
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !MenuAlbumSaveClick()))
            return;
    }
    if (OpenAlbumDialog->exec() != QDialog::Accepted || OpenAlbumDialog->selectedFiles().isEmpty())
        return;
    OpenAlbumFile(OpenAlbumDialog->selectedFiles().first());
}

bool TFormMain::OpenAlbumFile(const QString &path)
{
    PlacedAlbum placed;
    try {
        // Read whole before the list is touched: a bad file changes nothing.
        const AlbumDocument album = ReadAlbumFile(path);
        placed = PlaceAlbum(*VDT1, album);
    } catch (const AppError &error) {
        ShowErrorBox(this, error.message());
        return false;
    }
    AlbumName = placed.albumName;
    ShowAlbumIcon(placed.albumIcon);
    AlbumFile = QFileInfo(path).absoluteFilePath();
    m_savedAlbum = CurrentAlbum();
    ShowAlbumTitle();
    const QString message = PlacedAlbumMessage(placed);
    if (!message.isEmpty())
        ShowInformationBox(this, message);
    return true;
}

bool TFormMain::MenuAlbumSaveClick()
{
    return AlbumFile.isEmpty() ? MenuAlbumSaveAsClick() : SaveAlbumFile(AlbumFile);
}

bool TFormMain::MenuAlbumSaveAsClick()
{
    if (!AlbumFile.isEmpty())
        SaveAlbumDialog->selectFile(AlbumFile);
    else
        SaveAlbumDialog->selectFile((AlbumName.isEmpty() ? QStringLiteral("专辑") : AlbumName)
                                    + QStringLiteral(".pelorin"));
    if (SaveAlbumDialog->exec() != QDialog::Accepted || SaveAlbumDialog->selectedFiles().isEmpty())
        return false;
    return SaveAlbumFile(SaveAlbumDialog->selectedFiles().first());
}

bool TFormMain::SaveAlbumFile(const QString &path)
{
    const AlbumDocument album = CurrentAlbum();
    try {
        WriteAlbumFile(path, album);
    } catch (const AppError &error) {
        ShowErrorBox(this, error.message());
        return false;
    }
    AlbumFile = QFileInfo(path).absoluteFilePath();
    m_savedAlbum = album;
    ShowAlbumTitle();
    return true;
}
