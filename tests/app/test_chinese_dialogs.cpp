// The window's dialogs in Chinese: Qt's own texts translated, the filter
// captions exactly as written, and the patterns still filtering.
#include "app/error_box.h"
#include "app/form_main.h"
#include "app/qt_translations.h"

#include "platform/app_folder.h"
#include "platform/user_store.h"
#include "support/test_folders.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

// Runs of two or more Latin letters: English words, where none belong.
QStringList LatinWords(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QStringList words;
    for (auto match = word.globalMatch(text); match.hasNext();)
        words.append(match.next().captured());
    return words;
}

// The texts a person reads in a dialog: captions, labels, buttons and their
// tips, column headers. Combo boxes are left out: they hold paths and the
// filter captions, which are checked on their own.
QStringList ShownTexts(QWidget *dialog)
{
    QStringList texts{dialog->windowTitle()};
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        texts << label->text();
    for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        texts << button->text() << button->toolTip();
    for (const QHeaderView *header : dialog->findChildren<QHeaderView *>()) {
        for (int section = 0; section < header->count(); ++section)
            texts << header->model()->headerData(section, header->orientation()).toString();
    }
    texts.removeAll(QString());
    texts.removeAll(ApplicationTitle()); // the program's name, no English word
    return texts;
}

class ChineseDialogs : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(InstallQtTranslations(*qApp)); }

    ChineseDialogs()
    {
        SetUserStoreFile(m_app.file(QStringLiteral("user-store.conf")));
        m_window = std::make_unique<TFormMain>();
        m_window->TimerVersion->stop();
        for (const char *name : {"歌.mp3", "歌.m4a", "歌.aac", "词.lrc", "词.txt", "图.jpg", "图.jpeg",
                                 "图.bmp", "图.png", "图.gif", "说明.doc"}) {
            QFile file(m_files.filePath(QString::fromUtf8(name)));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    ~ChineseDialogs() override
    {
        m_window.reset();
        SetUserStoreFile(QString());
    }

    // The files the dialog lists in the folder under its current filter,
    // once the background listing has settled.
    QStringList Listed(QFileDialog *dialog)
    {
        dialog->setDirectory(m_files.path());
        auto *view = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        QStringList names;
        auto list = [&] {
            names.clear();
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                names << view->model()->index(row, 0, view->rootIndex()).data().toString();
            names.sort();
            return !names.isEmpty();
        };
        EXPECT_TRUE(QTest::qWaitFor(list));
        QTest::qWait(50);
        list();
        return names;
    }

    TestAppFolder m_app;
    QTemporaryDir m_files;
    std::unique_ptr<TFormMain> m_window;
};

struct FilterCase
{
    const char *dialog;
    QFileDialog *TFormMain::*member;
    QStringList captions;
    QStringList firstFilterShows;
};

class FilterCaptions : public ChineseDialogs, public ::testing::WithParamInterface<FilterCase>
{
};

TEST_P(FilterCaptions, AreTheWrittenTextsAndStillFilter)
{
    QFileDialog *dialog = m_window.get()->*GetParam().member;
    dialog->show();
    auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    QStringList captions;
    for (int i = 0; i < types->count(); ++i)
        captions << types->itemText(i);
    EXPECT_EQ(captions, GetParam().captions);
    EXPECT_EQ(Listed(dialog), GetParam().firstFilterShows);
    dialog->reject();
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, FilterCaptions,
    ::testing::Values(
        FilterCase{"Music", &TFormMain::OpenDialogMusic,
                   {QStringLiteral("音乐文件(*.mp3;*.m4a;*.aac)")},
                   {QStringLiteral("歌.aac"), QStringLiteral("歌.m4a"), QStringLiteral("歌.mp3")}},
        FilterCase{"Pictures", &TFormMain::OpenImageDialog,
                   {QStringLiteral("图片文件(*.jpg;*.jpeg;*.bmp;*.png;*.gif)")},
                   {QStringLiteral("图.bmp"), QStringLiteral("图.gif"), QStringLiteral("图.jpeg"),
                    QStringLiteral("图.jpg"), QStringLiteral("图.png")}},
        FilterCase{"Lyrics", &TFormMain::OpenLrcDialog,
                   {QStringLiteral("歌词文件(*.lrc;*.txt)"), QStringLiteral("所有文件(*.*)")},
                   {QStringLiteral("词.lrc"), QStringLiteral("词.txt")}}),
    [](const auto &info) { return std::string(info.param.dialog); });

TEST_F(ChineseDialogs, TheAddSongsDialogHasNoEnglishWord)
{
    QFileDialog *dialog = m_window->OpenDialogMusic;
    dialog->show();
    Listed(dialog);
    const QStringList texts = ShownTexts(dialog);
    EXPECT_TRUE(texts.contains(QStringLiteral("打开(&O)"))) << texts.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("取消")));
    for (const QString &text : texts)
        EXPECT_EQ(LatinWords(text), QStringList()) << text.toStdString();
    dialog->reject();
}

TEST_F(ChineseDialogs, TheErrorBoxAndTheEditMenuHaveNoEnglishWord)
{
    const std::unique_ptr<QMessageBox> box = MakeErrorBox(m_window.get(), QStringLiteral("内存不足"));
    EXPECT_EQ(box->button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    for (const QString &text : ShownTexts(box.get()))
        EXPECT_EQ(LatinWords(text), QStringList()) << text.toStdString();

    // The menu of an edit box, without the key names after the tab.
    const std::unique_ptr<QMenu> menu(m_window->EditGrid->createStandardContextMenu());
    int items = 0;
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        ++items;
        const QString text = action->text().section(QLatin1Char('\t'), 0, 0);
        EXPECT_EQ(LatinWords(text), QStringList()) << text.toStdString();
    }
    EXPECT_GT(items, 4);
}

TEST(QtTranslations, AMissingFileIsLoggedAndTheProgramGoesOn)
{
    TestAppFolder app;
    QTemporaryDir empty;
    EXPECT_FALSE(InstallQtTranslations(*qApp, empty.path()));
    const QDir logs(app.file(QStringLiteral("log")));
    const QStringList files = logs.entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(app.read(QStringLiteral("log/") + files.first())
                    .contains("Qt translation qtbase_zh_CN not found in " + QFile::encodeName(empty.path())));
}

} // namespace
