#pragma once

#include <QMainWindow>

#include <memory>

class QAction;
class QFileDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QStandardItemModel;
class QTimer;
class QToolButton;
class QTreeView;
class TPtInfo;

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
    int ThumbnailSize = 80;

    // Controls, by their layout names.
    QWidget *PanelToolBar = nullptr;
    QLabel *ImageIcon = nullptr;
    QLabel *lblChangeIcon = nullptr;
    QToolButton *SpeedButtonMusicAdd = nullptr;
    QToolButton *SpeedButtonBuild = nullptr;
    QWidget *PanelClient = nullptr;
    QWidget *PanelMusicList = nullptr;
    QTreeView *VDT1 = nullptr;
    QLineEdit *EditGrid = nullptr;
    QFileDialog *OpenDialogMusic = nullptr;
    QFileDialog *OpenImageDialog = nullptr;
    QFileDialog *OpenLrcDialog = nullptr;
    QTimer *TimerVersion = nullptr;
    QMenuBar *MainMenu1 = nullptr;
    QAction *MenuNVersion = nullptr;
    QMenu *PopupMenuMusic = nullptr;

    // Menu items of the main menu.
    QAction *MenuAlbumBuild = nullptr;
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

public slots:
    void SpeedButtonExitClick();
    void FormResize();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void FormCreate();
    void FormClose();
    void CreateMenus();
    void CreatePopupMenu();
    void CreateToolbar();
    void CreateClientArea();
    void CreateDialogs();
    void WriteDefaultAlbumIcon();

    std::unique_ptr<TPtInfo> m_settings;
    QStandardItemModel *m_rows = nullptr;
};
