// Times repainting the song grid while scrolling through 5,000 rows that all
// carry a thumbnail, text in every column and a lyrics preview.
//
//   bench_grid_scroll [--rows N] [--shot FILE.png]
//
// Jumps to pages spread over the whole list and repaints the full viewport
// each time (the worst case of a scroll); also scrolls in 32-pixel steps,
// which repaints only the uncovered strip. Prints median, 95th percentile and
// maximum per repaint.
#include "app/song_grid.h"
#include "album/song_grid_rules.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QImage Thumbnail(int index)
{
    const int width = index % 3 == 0 ? 53 : 80;
    const int height = index % 3 == 1 ? 60 : 80;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor::fromHsv(index * 37 % 360, 200, 230));
    gradient.setColorAt(1, QColor::fromHsv(index * 91 % 360, 160, 90));
    painter.fillRect(image.rect(), gradient);
    return image;
}

void Fill(SongGrid &grid, int rows)
{
    UpdateBracket bracket(grid);
    for (int i = 0; i < rows; ++i) {
        AlbumRow *row = grid.InsertAfter(nullptr);
        TOrbData &song = grid.Record(row);
        song.SongName = QStringLiteral("第%1首歌 — a title long enough to be shortened with dots").arg(i + 1);
        song.Singer = QStringLiteral("歌手 %1 & Band").arg(i % 97);
        song.Duration = QStringLiteral("%1分%2秒").arg(i % 7 + 2).arg(i % 60);
        song.SizeText = QStringLiteral("%1.%2M").arg(i % 9 + 1).arg(i % 100, 2, 10, QLatin1Char('0'));
        song.SourceFile = QStringLiteral("/home/user/音乐/专辑 %1/song%2.mp3").arg(i / 12).arg(i, 4, 10, QLatin1Char('0'));
        song.PictureFile = QStringLiteral("/home/user/音乐/song%1.jpg").arg(i);
        song.Thumbnail = std::make_unique<QImage>(Thumbnail(i));
        song.LyricsText = QStringLiteral("[00:01.00]第一行歌词，第%1首\r\n[00:05.00]第二行").arg(i);
        grid.SetRowHeight(row, std::max(DefaultRowHeight, song.Thumbnail->height() + 4));
    }
}

struct Stats
{
    double median, p95, max;
};

Stats Summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values[values.size() * 95 / 100], values.back()};
}

} // namespace

int main(int argc, char **argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int rows = 5000;
    QString shot;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--rows"))
            rows = std::max(1, args[++i].toInt());
        else if (args[i] == QLatin1String("--shot"))
            shot = args[++i];
    }

    SongGrid grid;
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    grid.setFont(font);
    grid.resize(983, 541);
    grid.header()->resizeSection(ColumnLyrics, 150);
    QElapsedTimer timer;
    timer.start();
    Fill(grid, rows);
    grid.show();
    QApplication::processEvents();
    std::printf("platform %s, %d rows filled and shown in %.1f ms\n",
                qPrintable(QGuiApplication::platformName()), rows, timer.nsecsElapsed() / 1e6);

    QScrollBar *bar = grid.verticalScrollBar();
    std::vector<double> pages;
    const int positions = 400;
    for (int i = 0; i < positions; ++i) {
        // Pages spread over the list in a scattered order.
        const int value = int((long long)(i * 7919 % positions) * bar->maximum() / (positions - 1));
        bar->setValue(value);
        QApplication::processEvents();
        timer.restart();
        grid.viewport()->repaint();
        pages.push_back(timer.nsecsElapsed() / 1e6);
    }

    std::vector<double> steps;
    bar->setValue(bar->maximum() / 3);
    QApplication::processEvents();
    for (int i = 0; i < 400; ++i) {
        timer.restart();
        bar->setValue(bar->value() + bar->singleStep());
        QApplication::processEvents();
        steps.push_back(timer.nsecsElapsed() / 1e6);
    }

    const Stats page = Summarise(pages);
    const Stats step = Summarise(steps);
    std::printf("full-screen repaint after a jump (%zu samples): median %.2f ms, p95 %.2f ms, max %.2f ms\n",
                pages.size(), page.median, page.p95, page.max);
    std::printf("32-pixel scroll step incl. event processing (%zu samples): median %.2f ms, p95 %.2f ms, max %.2f ms\n",
                steps.size(), step.median, step.p95, step.max);
    if (!shot.isEmpty()) {
        bar->setValue(0);
        grid.SetSelected(grid.RowAt(2), true);
        grid.SetFocused(grid.RowAt(2));
        QApplication::processEvents();
        grid.grab().save(shot);
    }
    return 0;
}
