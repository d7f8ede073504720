#pragma once

#include <QImage>
#include <QSize>

#include <vector>

// Reduces a picture by area averaging while its rows arrive one at a time:
// each target pixel is the mean of the source area it covers, fractional
// edges weighted by their share. Holds two target rows of sums, never the
// source picture, so memory follows the target's width.
class RowReducer
{
public:
    // `to` must not be larger than `from` on either side; `target` must be
    // a Format_RGB32 image of size `to`.
    RowReducer(QSize from, QSize to, QImage &target);

    // The next source row, four bytes a pixel in the order of Format_RGB32.
    // The last row completes the target.
    void AddRow(const uchar *pixels);

private:
    // Source index i gives `weight` to target index `first` and the rest of
    // its span to first + 1.
    struct Share
    {
        int first;
        quint64 weight;
    };
    static std::vector<Share> Shares(int from, int to);
    void Finish(int row);

    QSize m_from;
    QSize m_to;
    QImage &m_target;
    std::vector<Share> m_columns;
    std::vector<Share> m_rows;
    std::vector<quint64> m_line;    // the source row reduced across
    std::vector<quint64> m_open[2]; // sums of target rows m_openRow and m_openRow + 1
    int m_sourceRow = 0;
    int m_openRow = 0;
};
