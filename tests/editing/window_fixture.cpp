#include "editing/window_fixture.h"

#include "album/append_song_row.h"
#include "platform/user_store.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

WindowTest::WindowTest()
{
    SetUserStoreFile(m_app.file(QStringLiteral("user-store.conf")));
    m_window = std::make_unique<TFormMain>();
    m_window->TimerVersion->stop(); // no update check during the tests
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
}

WindowTest::~WindowTest()
{
    m_window.reset();
    SetUserStoreFile(QString());
}

AlbumRow *WindowTest::AddSong(const QString &name, const QString &picture, const QString &lyrics)
{
    TOrbData song;
    song.SongName = name;
    song.Singer = name + QStringLiteral(" singer");
    song.SourceFile = QStringLiteral("/music/") + name + QStringLiteral(".mp3");
    song.PictureFile = picture;
    song.LyricsText = lyrics;
    return AppendSongRow(Grid(), nullptr, song);
}

QStringList WindowTest::Names() const
{
    QStringList names;
    for (AlbumRow *row = m_window->VDT1->First(); row; row = m_window->VDT1->Next(row))
        names.append(row->Data.SongName);
    return names;
}

QStringList WindowTest::Pictures() const
{
    QStringList pictures;
    for (AlbumRow *row = m_window->VDT1->First(); row; row = m_window->VDT1->Next(row))
        pictures.append(QFileInfo(row->Data.PictureFile).fileName());
    return pictures;
}

QStringList WindowTest::Lyrics() const
{
    QStringList lyrics;
    for (AlbumRow *row = m_window->VDT1->First(); row; row = m_window->VDT1->Next(row))
        lyrics.append(row->Data.LyricsText);
    return lyrics;
}

int WindowTest::FocusedIndex() const
{
    return m_window->VDT1->IndexOf(m_window->VDT1->Focused());
}

QRect WindowTest::CellRect(int row, int column) const
{
    SongGrid *grid = m_window->VDT1;
    return grid->visualRect(grid->IndexOfRow(grid->RowAt(row), column));
}

void WindowTest::ClickCell(int row, int column, Qt::KeyboardModifiers modifiers, Qt::MouseButton button)
{
    QTest::mouseClick(Grid().viewport(), button, modifiers, CellRect(row, column).center());
}

void WindowTest::DoubleClickCell(int row, int column)
{
    const QPoint at = CellRect(row, column).center();
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(Grid().viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

bool WindowTest::DropFiles(const QStringList &paths, QPoint at)
{
    QWidget *target = Grid().viewport()->childAt(at);
    if (!target)
        target = Grid().viewport();
    const QPoint global = target->mapToGlobal(at);
    while (target && !target->acceptDrops())
        target = target->parentWidget();
    if (!target)
        return false;

    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    const QPointF local = target->mapFromGlobal(global);
    QDragEnterEvent enter(local.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(local, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QApplication::processEvents(); // the drop is handled once the drag is over
    return drop.isAccepted();
}

ModalAnswers::ModalAnswers(Answer answer) : m_answer(std::move(answer))
{
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        ++m_count;
        m_kinds.append(QString::fromLatin1(dialog->metaObject()->className()));
        m_answer(dialog);
    });
    m_timer.start();
}

ModalAnswers::~ModalAnswers()
{
    m_timer.stop();
}

ModalAnswers::Answer ChooseFiles(const QStringList &paths)
{
    return [paths](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        if (!dialog) {
            ADD_FAILURE() << "expected a file dialog, got " << widget->metaObject()->className();
            widget->close();
            return;
        }
        dialog->setDirectory(QFileInfo(paths.first()).absolutePath());
        QStringList quoted;
        for (const QString &path : paths)
            quoted.append(QLatin1Char('"') + QFileInfo(path).fileName() + QLatin1Char('"'));
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(quoted.join(QLatin1Char(' ')));
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog checks the typed names
    };
}

ModalAnswers::Answer Cancel()
{
    return [](QWidget *widget) {
        if (auto *dialog = qobject_cast<QDialog *>(widget))
            dialog->reject();
        else
            widget->close();
    };
}

ModalAnswers::Answer CloseErrorBox(QStringList *texts)
{
    return [texts](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box) {
            ADD_FAILURE() << "expected an error box, got " << widget->metaObject()->className();
            widget->close();
            return;
        }
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        texts->append(box->text());
        box->accept();
    };
}

QString WritePicture(const QString &folder, const QString &name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(30, 120, 200));
    const QString path = QDir(folder).filePath(name);
    EXPECT_TRUE(image.save(path));
    return path;
}
