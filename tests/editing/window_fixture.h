#pragma once

#include "app/form_main.h"
#include "support/test_folders.h"

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class QFileDialog;
class QMessageBox;

// The main window, shown and active, over a temporary application folder.
class WindowTest : public ::testing::Test
{
protected:
    WindowTest();
    ~WindowTest() override;

    TFormMain &Window() { return *m_window; }
    SongGrid &Grid() { return *m_window->VDT1; }

    // A song row appended at the end, with an optional picture and lyrics.
    AlbumRow *AddSong(const QString &name, const QString &picture = QString(),
                      const QString &lyrics = QString());
    QStringList Names() const;
    QStringList Pictures() const;
    QStringList Lyrics() const;
    int FocusedIndex() const;

    QRect CellRect(int row, int column) const; // in the grid's viewport
    void ClickCell(int row, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                   Qt::MouseButton button = Qt::LeftButton);
    void DoubleClickCell(int row, int column);

    // Drags local files onto the window at a point of the grid's viewport
    // and drops them there, as the window system delivers a drop: to the
    // innermost widget under the point that accepts drops.
    bool DropFiles(const QStringList &paths, QPoint at = QPoint(5, 5));

    TestAppFolder m_app;
    std::unique_ptr<TFormMain> m_window;
};

// Answers modal dialogs while it lives: each dialog that opens is handed to
// the answer, which must close it at once. Records what opened.
class ModalAnswers
{
public:
    using Answer = std::function<void(QWidget *dialog)>;
    explicit ModalAnswers(Answer answer);
    ~ModalAnswers();

    int Count() const { return m_count; }
    QStringList Kinds() const { return m_kinds; } // class names of the dialogs

private:
    QTimer m_timer;
    Answer m_answer;
    int m_count = 0;
    QStringList m_kinds;
};

// Answers: choose these existing files in an open dialog; cancel; close an
// error box, keeping its text.
ModalAnswers::Answer ChooseFiles(const QStringList &paths);
ModalAnswers::Answer Cancel();
ModalAnswers::Answer CloseErrorBox(QStringList *texts);

// A picture file of the given size written into `folder`.
QString WritePicture(const QString &folder, const QString &name, QSize size);
