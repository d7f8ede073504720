#include "attach_gui/attach_fixture.h"

#include "album/album_globals.h"
#include "app/form_show_pic.h"
#include "app/song_grid.h"

#include <QLabel>
#include <QTest>

namespace {

struct PreviewCase
{
    QSize picture;
    QSize window;
};

class PreviewSizes : public AttachTest, public ::testing::WithParamInterface<PreviewCase>
{
};

TEST_P(PreviewSizes, FitTheImageAreaAndAddTheFrameAndPanel)
{
    EXPECT_EQ(PreviewWindowSize(GetParam().picture), GetParam().window);

    const QString picture = Picture(QStringLiteral("shown.png"), GetParam().picture);
    AddSong(QStringLiteral("1"), picture);
    DoubleClickCell(0, 6);

    TFormShowPic &preview = *Window().FormShowPic;
    ASSERT_TRUE(preview.isVisible());
    EXPECT_EQ(preview.windowTitle(), picture);
    EXPECT_EQ(preview.frameGeometry().size(), GetParam().window);
    // The picture is stretched over everything below the 41-pixel panel.
    EXPECT_EQ(preview.Panel1->height(), 41);
    EXPECT_EQ(preview.Image1->geometry(),
              QRect(0, 41, preview.width(), preview.height() - 41));
    EXPECT_TRUE(preview.Image1->hasScaledContents());
    EXPECT_EQ(preview.Image1->pixmap().size(), GetParam().picture);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PreviewSizes,
                         ::testing::Values(PreviewCase{{200, 100}, {482, 363}},
                                           PreviewCase{{1920, 1080}, {482, 313}},
                                           PreviewCase{{500, 1000}, {162, 363}},
                                           PreviewCase{{480, 320}, {482, 363}},
                                           PreviewCase{{481, 100}, {482, 143}},
                                           PreviewCase{{100, 100}, {482, 363}}),
                         [](const auto &info) {
                             const QSize size = info.param.picture;
                             return "Picture" + std::to_string(size.width()) + "x" + std::to_string(size.height());
                         });

TEST(PreviewWindowSize, RoundsHalvesToEven)
{
    EXPECT_EQ(PreviewWindowSize(QSize(1000, 3)), QSize(482, 1 + 43)); // 1.44
    EXPECT_EQ(PreviewWindowSize(QSize(960, 3)), QSize(482, 2 + 43));  // 1.5 → 2
    EXPECT_EQ(PreviewWindowSize(QSize(960, 5)), QSize(482, 2 + 43));  // 2.5 → 2
    EXPECT_EQ(PreviewWindowSize(QSize(1, 640)), QSize(0 + 2, 363));   // 0.5 → 0
}

TEST_F(AttachTest, TheNextPreviewReplacesThePicture)
{
    const QString wide = Picture(QStringLiteral("wide.png"), QSize(1920, 1080));
    const QString tall = Picture(QStringLiteral("tall.png"), QSize(500, 1000));
    AddSong(QStringLiteral("1"), wide);
    AddSong(QStringLiteral("2"), tall);
    DoubleClickCell(0, 6);
    DoubleClickCell(1, 6);
    EXPECT_EQ(Window().FormShowPic->windowTitle(), tall);
    EXPECT_EQ(Window().FormShowPic->frameGeometry().size(), QSize(162, 363));
    EXPECT_TRUE(Window().isVisible());
}

TEST_F(AttachTest, APictureDeletedAfterAttachingShowsTheErrorAndNoPreview)
{
    const QString picture = Picture(QStringLiteral("deleted.png"), QSize(200, 100));
    AddSong(QStringLiteral("1"), picture);
    ASSERT_TRUE(QFile::remove(picture));

    QStringList errors;
    ModalAnswers answers(CloseErrorBox(&errors));
    DoubleClickCell(0, 6);

    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Cannot open file \"")));
    EXPECT_TRUE(errors[0].contains(QStringLiteral("deleted.png")));
    EXPECT_FALSE(Window().FormShowPic->isVisible());
    EXPECT_EQ(Window().FormShowPic->windowTitle(), picture);
    // The row keeps its picture path; the window carries on.
    EXPECT_EQ(Pictures(), QStringList({QStringLiteral("deleted.png")}));
}

TEST_F(AttachTest, TheAlbumIconChangesOnlyForAPictureThatDecodes)
{
    const QString defaultIcon = AlbumIconFile;
    const qint64 shownAtStart = Window().ImageIcon->pixmap().cacheKey();
    {
        ModalAnswers answers(Cancel());
        QTest::mouseDClick(Window().ImageIcon, Qt::LeftButton);
        EXPECT_EQ(answers.Count(), 1);
    }
    EXPECT_EQ(AlbumIconFile, defaultIcon);

    const QString good = Picture(QStringLiteral("icon.png"), QSize(64, 64));
    {
        ModalAnswers answers(ChooseFiles({good}));
        QTest::mouseClick(Window().lblChangeIcon, Qt::LeftButton);
        EXPECT_EQ(answers.Count(), 1);
    }
    EXPECT_EQ(AlbumIconFile, good);
    const QPixmap chosen = Window().ImageIcon->pixmap();
    EXPECT_NE(chosen.cacheKey(), shownAtStart);
    EXPECT_EQ(chosen.size(), QSize(64, 64));
    EXPECT_EQ(Window().ImageIcon->size(), QSize(48, 48));

    const QString corrupt = File(QStringLiteral("corrupt.png"));
    QFile::copy(QStringLiteral(PELORIN_TEST_DATA_DIR "/pictures/corrupt.png"), corrupt);
    const QString text = TextFile(QStringLiteral("notes.txt"), "not a picture");
    for (const QString &bad : {corrupt, text}) {
        QStringList errors;
        ModalAnswers answers([&](QWidget *dialog) {
            if (answers.Count() == 1)
                ChooseFiles({bad})(dialog);
            else
                CloseErrorBox(&errors)(dialog);
        });
        QTest::mouseDClick(Window().ImageIcon, Qt::LeftButton);
        EXPECT_EQ(errors.size(), 1) << bad.toStdString();
        EXPECT_EQ(AlbumIconFile, good);
        EXPECT_EQ(Window().ImageIcon->pixmap().cacheKey(), chosen.cacheKey());
        if (bad == text && !errors.isEmpty()) {
            EXPECT_EQ(errors[0], QStringLiteral("Unknown picture file extension (.txt)"));
        }
    }
}

} // namespace
