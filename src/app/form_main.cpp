#include "app/form_main.h"

#include "app/file_dialogs.h"

#include "album/album_globals.h"
#include "album/default_album_icon.h"
#include "platform/app_folder.h"
#include "settings/log.h"
#include "settings/pt_info.h"
#include "settings/random_id.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
constexpr int kClientWidth = 983;
constexpr int kClientHeight = 606;
constexpr int kToolbarHeight = 65;
constexpr int kIconSize = 48;
constexpr int kLabelHeight = 13;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 40;
constexpr int kMinimumLyricsWidth = 150;

QToolButton *MakeToolbarButton(QWidget *parent, const QString &caption)
{
    auto *button = new QToolButton(parent);
    button->setText(caption);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}
} // namespace

TFormMain::TFormMain(QWidget *parent)
    : QMainWindow(parent)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    setFont(font);
    setBackgroundRole(QPalette::Button);

    CreateMenus();
    CreateClientArea();
    CreateToolbar();
    CreatePopupMenu();
    CreateDialogs();
    TimerVersion = new QTimer(this);
    ConnectUpdateAndAbout();
    ConnectSongCommands();
    ConnectBuildCommands();
    ConnectAttachCommands();
    ConnectAlbumIcon();
    ConnectRowCommands();
    ConnectCellEditor();
    ConnectAlbumFileCommands();

    auto *central = new QWidget(this);
    auto *centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    centralLayout->addWidget(PanelClient, 1);
    centralLayout->addWidget(PanelToolBar);
    setCentralWidget(central);
    resize(kClientWidth, kClientHeight + MainMenu1->sizeHint().height());
    // Lay the controls out now, so creation sees the window's real sizes.
    layout()->activate();
    central->layout()->activate();
    PanelClient->layout()->activate();
    PanelMusicList->layout()->activate();
    if (QScreen *display = screen())
        move(display->availableGeometry().center() - frameGeometry().center());

    FormCreate();
}

TFormMain::~TFormMain()
{
    FormClose();
}

void TFormMain::CreateMenus()
{
    MainMenu1 = menuBar();
    QMenu *album = MainMenu1->addMenu(QStringLiteral("专辑(&F)"));
    MenuAlbumOpen = album->addAction(QStringLiteral("打开专辑(&O)..."));
    MenuAlbumSave = album->addAction(QStringLiteral("保存专辑(&S)"));
    MenuAlbumSaveAs = album->addAction(QStringLiteral("专辑另存为..."));
    album->addSeparator();
    MenuAlbumBuild = album->addAction(QStringLiteral("生成(&B)"));
    MenuAlbumKeyBackup = album->addAction(QStringLiteral("备份签名密钥..."));
    connect(MenuAlbumKeyBackup, &QAction::triggered, this, &TFormMain::MenuAlbumKeyBackupClick);
    MenuAlbumAbout = album->addAction(QStringLiteral("关于"));
    album->addSeparator();
    MenuAlbumExit = album->addAction(QStringLiteral("退出(&X)"));
    connect(MenuAlbumExit, &QAction::triggered, this, &TFormMain::SpeedButtonExitClick);

    QMenu *songs = MainMenu1->addMenu(QStringLiteral("歌曲(&M)"));
    MenuSongAdd = songs->addAction(QStringLiteral("添加(&A)"));
    MenuSongDelete = songs->addAction(QStringLiteral("删除(&D)"));

    // The picture menu's items carry no action by design.
    QMenu *pictures = MainMenu1->addMenu(QStringLiteral("图片(&P)"));
    MenuPictureAdd = pictures->addAction(QStringLiteral("添加(&A)"));
    MenuPictureDelete = pictures->addAction(QStringLiteral("删除(&D)"));

    QMenu *lyrics = MainMenu1->addMenu(QStringLiteral("歌词(&L)"));
    MenuLyricsOpen = lyrics->addAction(QStringLiteral("打开文件(&F)"));
    MenuLyricsDelete = lyrics->addAction(QStringLiteral("删除歌词"));

    MenuNVersion = MainMenu1->addAction(QString());
}

void TFormMain::CreatePopupMenu()
{
    PopupMenuMusic = new QMenu(this);
    PopupSongAdd = PopupMenuMusic->addAction(QStringLiteral("加入歌曲"));
    PopupSongDelete = PopupMenuMusic->addAction(QStringLiteral("删除歌曲"));
    PopupMenuMusic->addSeparator();
    PopupPictureAdd = PopupMenuMusic->addAction(QStringLiteral("加入图片"));
    PopupPictureDelete = PopupMenuMusic->addAction(QStringLiteral("删除图片"));
    PopupMenuMusic->addSeparator();
    PopupLyricsAdd = PopupMenuMusic->addAction(QStringLiteral("加入歌词"));
    PopupLyricsDelete = PopupMenuMusic->addAction(QStringLiteral("删除歌词"));
    PopupMoveUp = PopupMenuMusic->addAction(QStringLiteral("上移"));
    PopupMoveDown = PopupMenuMusic->addAction(QStringLiteral("下移"));
    PopupMenuMusic->addSeparator();
    PopupClearAll = PopupMenuMusic->addAction(QStringLiteral("清空全部"));

    VDT1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(VDT1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        PopupMenuMusic->popup(VDT1->viewport()->mapToGlobal(at));
    });
}

void TFormMain::CreateToolbar()
{
    PanelToolBar = new QWidget(this);
    PanelToolBar->setFixedHeight(kToolbarHeight);

    ImageIcon = new QLabel(PanelToolBar);
    ImageIcon->setFixedSize(kIconSize, kIconSize);
    ImageIcon->setScaledContents(true);
    ImageIcon->setPixmap(QPixmap::fromImage(DefaultAlbumIcon()));
    ImageIcon->setToolTip(QStringLiteral("双击更换专辑图标..."));

    lblChangeIcon = new QLabel(QStringLiteral("更换图标..."), PanelToolBar);
    lblChangeIcon->setFixedHeight(kLabelHeight);
    lblChangeIcon->adjustSize();
    lblChangeIcon->move(68, 0);

    SpeedButtonMusicAdd = MakeToolbarButton(PanelToolBar, QStringLiteral("加入歌曲"));
    SpeedButtonBuild = MakeToolbarButton(PanelToolBar, QStringLiteral("生成"));
}

void TFormMain::CreateClientArea()
{
    PanelClient = new QWidget(this);
    PanelMusicList = new QWidget(PanelClient);
    auto *clientLayout = new QVBoxLayout(PanelClient);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->addWidget(PanelMusicList);

    VDT1 = new SongGrid(PanelMusicList);

    auto *listLayout = new QVBoxLayout(PanelMusicList);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(VDT1);

    EditGrid = new QLineEdit(PanelMusicList);
    EditGrid->setFixedHeight(21);
}

void TFormMain::CreateDialogs()
{
    OpenDialogMusic = MakeOpenDialog(
        this, QStringLiteral("音乐文件(*.mp3;*.m4a;*.aac)|*.mp3;*.m4a;*.aac"));
    OpenImageDialog = MakeOpenDialog(
        this, QStringLiteral("图片文件(*.jpg;*.jpeg;*.bmp;*.png;*.gif)|*.jpg;*.jpeg;*.bmp;*.png;*.gif"));
    OpenLrcDialog = MakeOpenDialog(
        this, QStringLiteral("歌词文件(*.lrc;*.txt)|*.lrc;*.txt|所有文件(*.*)|*.*"));
}

void TFormMain::FormCreate()
{
    VersionTickCount = 0;
    MenuNVersion->setText(QString());

    TimerVersion->setInterval(3000);
    TimerVersion->start();

    AlbumIconFile = DefaultAlbumIconFile();

    Trace(QStringLiteral("Application Init"));

    EditGrid->setFont(VDT1->font());
    EditGrid->hide();

    Editing = false;
    ResizeCount = 0;

    m_settings = std::make_unique<TPtInfo>();
    PtInfo = m_settings.get();
    LoadSettings(QString());
    InitRandomId();

    setAcceptDrops(true);
    setWindowTitle(ApplicationTitle());

    VDT1->DeleteAll();

    ImageIcon->move((PanelToolBar->height() - ImageIcon->height()) / 2,
                    (PanelToolBar->height() - ImageIcon->height()) / 2);
    lblChangeIcon->move(lblChangeIcon->x(),
                        (PanelToolBar->height() - lblChangeIcon->height()) / 2);
    LayoutToolbar();
}

void TFormMain::LayoutToolbar()
{
    const int width = PanelToolBar->width();
    const int height = PanelToolBar->height();
    const int margin = ImageIcon->x();
    SpeedButtonMusicAdd->move(width / 2 - margin - SpeedButtonMusicAdd->width(),
                              (height - SpeedButtonMusicAdd->height()) / 2);
    SpeedButtonBuild->move(width / 2 + margin, SpeedButtonMusicAdd->y());
}

void TFormMain::FormResize()
{
    ++ResizeCount;
    if (ResizeCount < 2)
        return;
    QHeaderView *header = VDT1->header();
    int used = 0;
    for (int column = 0; column < 7; ++column)
        used += header->sectionSize(column);
    const int lyricsWidth = VDT1->width() - used - 3;
    header->resizeSection(7, std::max(lyricsWidth, kMinimumLyricsWidth));
    LayoutToolbar();
}

void TFormMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TFormMain::FormClose()
{
    if (PtInfo == m_settings.get())
        PtInfo = nullptr;
    m_settings.reset();
}

void TFormMain::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void TFormMain::SpeedButtonExitClick()
{
    QApplication::quit();
}

bool TFormMain::focusNextPrevChild(bool next)
{
    // While a cell is edited, Tab belongs to the edit box.
    if (Editing)
        return false;
    return QMainWindow::focusNextPrevChild(next);
}
