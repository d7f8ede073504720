#include "app/form_main.h"

#include "album/album_globals.h"
#include "platform/user_store.h"
#include "settings/pt_info.h"
#include "settings/random_id.h"
#include "support/test_folders.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

class FormMainTest : public ::testing::Test
{
protected:
    FormMainTest() { SetUserStoreFile(m_app.file(QStringLiteral("user-store.conf"))); }
    ~FormMainTest() override { SetUserStoreFile(QString()); }

    std::unique_ptr<TFormMain> ShowWindow()
    {
        auto window = std::make_unique<TFormMain>();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }

    TestAppFolder m_app;
};

TEST_F(FormMainTest, FirstStartWritesTheDefaultIconAndLaterStartsKeepIt)
{
    const QString icon = m_app.file(QStringLiteral("pic/dft.png"));
    {
        TFormMain window;
        EXPECT_EQ(AlbumIconFile, icon);
    }
    const QImage written(icon);
    EXPECT_EQ(written.size(), QSize(96, 96));
    EXPECT_TRUE(written.hasAlphaChannel());

    m_app.write(QStringLiteral("pic/dft.png"), "user's own icon");
    { TFormMain window; }
    EXPECT_EQ(m_app.read(QStringLiteral("pic/dft.png")), QByteArray("user's own icon"));
}

TEST_F(FormMainTest, MissingPicFolderDoesNotStopCreation)
{
    m_app.remove(QStringLiteral("pic"));
    TFormMain window;
    EXPECT_FALSE(QFile::exists(m_app.file(QStringLiteral("pic/dft.png"))));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Pelorin"));
}

TEST_F(FormMainTest, CreationLoadsSettingsAndTheIdentifier)
{
    m_app.write(QStringLiteral("ini/Pelorin.ini"), "[Brisling]\nRandomID= 77AA \nSize=$10\n");
    {
        TFormMain window;
        ASSERT_NE(PtInfo, nullptr);
        EXPECT_EQ(PtInfo->TextSize, 16);
        EXPECT_EQ(RandomId, QStringLiteral("77AA"));
        EXPECT_TRUE(window.TimerVersion->isActive());
        EXPECT_EQ(window.TimerVersion->interval(), 3000);
        EXPECT_EQ(window.MenuNVersion->text(), QString());
        EXPECT_TRUE(window.EditGrid->isHidden());
        EXPECT_EQ(window.VDT1->model()->rowCount(), 0);
        EXPECT_TRUE(window.acceptDrops());
    }
    EXPECT_EQ(PtInfo, nullptr);
}

TEST_F(FormMainTest, InitialLayoutMatchesTheToolbarRules)
{
    auto window = ShowWindow();
    EXPECT_EQ(window->PanelToolBar->width(), 983);
    EXPECT_EQ(window->PanelToolBar->height(), 65);
    EXPECT_EQ(window->ImageIcon->pos(), QPoint(8, 8));
    EXPECT_EQ(window->lblChangeIcon->pos(), QPoint(68, 26));
    EXPECT_EQ(window->SpeedButtonMusicAdd->geometry(), QRect(403, 12, 80, 40));
    EXPECT_EQ(window->SpeedButtonBuild->geometry(), QRect(499, 12, 80, 40));
    EXPECT_EQ(window->SpeedButtonBuild->focusPolicy(), Qt::NoFocus);
}

TEST_F(FormMainTest, FirstResizeDoesNothingLaterOnesFitTheLyricsColumn)
{
    auto window = ShowWindow();
    QHeaderView *header = window->VDT1->header();
    EXPECT_EQ(window->ResizeCount, 1);
    EXPECT_EQ(header->sectionSize(7), 140);

    window->FormResize(); // a second notification at 983 wide
    EXPECT_EQ(window->VDT1->width(), 983);
    EXPECT_EQ(header->sectionSize(7), 150);

    window->resize(1280, window->height());
    QCoreApplication::processEvents();
    EXPECT_EQ(window->VDT1->width(), 1280);
    EXPECT_EQ(header->sectionSize(7), 437);
    EXPECT_EQ(window->SpeedButtonMusicAdd->x(), 640 - 8 - 80);
    EXPECT_EQ(window->SpeedButtonBuild->x(), 640 + 8);
}

TEST_F(FormMainTest, TabStaysInTheEditBoxWhileEditing)
{
    auto window = ShowWindow();
    window->EditGrid->show();
    window->EditGrid->setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(window->EditGrid->hasFocus());

    window->Editing = true;
    QTest::keyClick(window->EditGrid, Qt::Key_Tab);
    QTest::keyClick(window->EditGrid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(window->EditGrid->hasFocus());

    window->Editing = false;
    QTest::keyClick(window->EditGrid, Qt::Key_Tab);
    EXPECT_FALSE(window->EditGrid->hasFocus());
}

TEST_F(FormMainTest, MenusCarryTheirCaptions)
{
    TFormMain window;
    QStringList topLevel;
    for (QAction *action : window.MainMenu1->actions())
        topLevel.append(action->text());
    EXPECT_EQ(topLevel, (QStringList{QStringLiteral("专辑(&F)"), QStringLiteral("歌曲(&M)"),
                                     QStringLiteral("图片(&P)"), QStringLiteral("歌词(&L)"),
                                     QString()}));
    QStringList popup;
    for (QAction *action : window.PopupMenuMusic->actions())
        popup.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(popup, (QStringList{QStringLiteral("加入歌曲"), QStringLiteral("删除歌曲"),
                                  QStringLiteral("-"), QStringLiteral("加入图片"),
                                  QStringLiteral("删除图片"), QStringLiteral("-"),
                                  QStringLiteral("加入歌词"), QStringLiteral("删除歌词"),
                                  QStringLiteral("上移"), QStringLiteral("下移"),
                                  QStringLiteral("-"), QStringLiteral("清空全部")}));

    // The picture menu's items do nothing.
    window.MenuPictureAdd->trigger();
    window.MenuPictureDelete->trigger();
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(FormMainTest, GridStartsWithItsColumns)
{
    TFormMain window;
    const int widths[] = {60, 160, 160, 80, 50, 150, 180, 140};
    const char16_t *captions[] = {u"序号", u"名称", u"表演者", u"时间", u"大小", u"文件名", u"图片", u"歌词"};
    for (int column = 0; column < 8; ++column) {
        EXPECT_EQ(window.VDT1->header()->sectionSize(column), widths[column]) << column;
        EXPECT_EQ(window.VDT1->model()->headerData(column, Qt::Horizontal).toString(),
                  QString::fromUtf16(captions[column]));
    }
}

} // namespace
