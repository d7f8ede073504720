#pragma once

#include "app/song_grid.h"

#include "album/album_document.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QFileDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QTimer;
class QToolButton;
class QTreeView;
class TPtInfo;
class TCellEditor;
class TFormShowPic;

// The album window: menus, song grid, toolbar, file dialogs and the update
// timer. Every user action starts here.
class TFormMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFormMain(QWidget *parent = nullptr);
    ~TFormMain() override;

    // Places the two toolbar buttons symmetrically about the middle.
    void LayoutToolbar();

    // Counts resize notifications; the first one after creation does nothing.
    int ResizeCount = 0;
    // True while the cell edit box holds the keyboard focus.
    bool Editing = false;
    // The name settled by the last build of this run; empty at start-up and
    // after the list is cleared.
    QString AlbumName;

    // Controls, by their layout names.
    QWidget *PanelToolBar = nullptr;
    QLabel *ImageIcon = nullptr;
    QLabel *lblChangeIcon = nullptr;
    QToolButton *SpeedButtonMusicAdd = nullptr;
    QToolButton *SpeedButtonBuild = nullptr;
    QWidget *PanelClient = nullptr;
    QWidget *PanelMusicList = nullptr;
    SongGrid *VDT1 = nullptr; // the song grid; also the album list
    QLineEdit *EditGrid = nullptr;
    QFileDialog *OpenDialogMusic = nullptr;
    QFileDialog *OpenImageDialog = nullptr;
    QFileDialog *OpenLrcDialog = nullptr;
    QTimer *TimerVersion = nullptr;
    QMenuBar *MainMenu1 = nullptr;
    QAction *MenuNVersion = nullptr;
    QMenu *PopupMenuMusic = nullptr;

    // Menu items of the main menu.
    QAction *MenuAlbumOpen = nullptr;
    QAction *MenuAlbumSave = nullptr;
    QAction *MenuAlbumSaveAs = nullptr;
    QAction *MenuAlbumBuild = nullptr;
    QAction *MenuAlbumKeyBackup = nullptr;
    QAction *MenuAlbumAbout = nullptr;
    QAction *MenuAlbumExit = nullptr;
    QAction *MenuSongAdd = nullptr;
    QAction *MenuSongDelete = nullptr;
    QAction *MenuPictureAdd = nullptr;
    QAction *MenuPictureDelete = nullptr;
    QAction *MenuLyricsOpen = nullptr;
    QAction *MenuLyricsDelete = nullptr;

    // Items of the grid's context menu.
    QAction *PopupSongAdd = nullptr;
    QAction *PopupSongDelete = nullptr;
    QAction *PopupPictureAdd = nullptr;
    QAction *PopupPictureDelete = nullptr;
    QAction *PopupLyricsAdd = nullptr;
    QAction *PopupLyricsDelete = nullptr;
    QAction *PopupMoveUp = nullptr;
    QAction *PopupMoveDown = nullptr;
    QAction *PopupClearAll = nullptr;

    // Tick counter of the update notice.
    int VersionTickCount = 0;

    // The album file the list was last saved to or opened from; empty until
    // then. Its dialogs are kept, so they remember the last folder.
    QString AlbumFile;
    QFileDialog *OpenAlbumDialog = nullptr;
    QFileDialog *SaveAlbumDialog = nullptr;

public slots:
    void SpeedButtonExitClick();
    void FormResize();

    // Update notice (form_main_update.cpp).
    void TimerVersionTimer();
    void StartUpdateCheck();
    void WmNewVersion(int wParam);
    void MenuNVersionClick();
    // "关于": the about dialog (form_main_about.cpp).
    void N18Click();
    // Add songs: "加入歌曲", "添加(&A)" (form_main_songs.cpp).
    void SpeedButtonMusicAddClick();
    // Build: "生成", "生成(&B)" (form_main_build.cpp).
    void SpeedButtonBuildClick();
    // "备份签名密钥...": a copy of the signing key (form_main_key.cpp).
    void MenuAlbumKeyBackupClick();
    // Pictures and lyrics of the rows (form_main_attach.cpp).
    void NPicAddClick();
    void NPicDelClick();
    void NAddLrcClick();
    void NDelLrcClick();
    void VDT1NodeDblClick(int column);
    // The album icon (form_main_icon.cpp).
    void ImageIconDblClick();
    // Files dropped on the window (form_main_drop.cpp).
    void WMDropFiles(const QStringList &files);
    // Moving and removing rows (form_main_rows.cpp).
    void N22Click();
    void N25Click();
    bool VDT1KeyDown(int key);
    void SpeedButtonMusicDelClick();
    void N19Click();
    // Album files: "打开专辑(&O)...", "保存专辑(&S)", "专辑另存为..."
    // (form_main_album_file.cpp). The saves return whether the file was written.
    void MenuAlbumOpenClick();
    bool MenuAlbumSaveClick();
    bool MenuAlbumSaveAsClick();

public:
    // Replaces the list with the album of the file; false (the person was
    // told why) when it cannot be opened, and the list stays as it was.
    bool OpenAlbumFile(const QString &path);
    // Writes the album to the file; false (the person was told) on failure.
    bool SaveAlbumFile(const QString &path);
    // Whether the album differs from what was last saved or opened (from the
    // empty album before that).
    bool AlbumHasChanges() const;
    // The album may have changed: the title follows once control returns to
    // the event loop.
    void NoteAlbumChange();

public:
    // The picture preview window (form_show_pic.h) and the in-place cell
    // editor over EditGrid (cell_editor.h).
    TFormShowPic *FormShowPic = nullptr;
    TCellEditor *CellEditor = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void FormCreate();
    void FormClose();
    void CreateMenus();
    void CreatePopupMenu();
    void CreateToolbar();
    void CreateClientArea();
    void CreateDialogs();
    void ConnectUpdateAndAbout();
    void ConnectSongCommands();
    void ConnectBuildCommands();
    void ConnectAttachCommands();
    void ConnectAlbumIcon();
    void ConnectRowCommands();
    void ConnectCellEditor();
    void ConnectAlbumFileCommands();
    void MoveFocusedSong(bool down);
    AlbumDocument CurrentAlbum() const;
    void ShowAlbumIcon(const QString &path);
    void ShowAlbumTitle();

    std::unique_ptr<TPtInfo> m_settings;
    AlbumDocument m_savedAlbum; // as last saved or opened
    bool m_titlePending = false;
};
