#include "media/row_reducer.h"

#include <algorithm>

RowReducer::RowReducer(QSize from, QSize to, QImage &target)
    : m_from(from), m_to(to), m_target(target), m_columns(Shares(from.width(), to.width())),
      m_rows(Shares(from.height(), to.height())), m_line(size_t(to.width()) * 3)
{
    m_open[0].assign(m_line.size(), 0);
    m_open[1].assign(m_line.size(), 0);
}

std::vector<RowReducer::Share> RowReducer::Shares(int from, int to)
{
    // In units of 1/(from × to): source i spans [i × to, (i + 1) × to),
    // target j spans [j × from, (j + 1) × from).
    std::vector<Share> shares(size_t(std::max(from, 0)));
    for (int i = 0; i < from; ++i) {
        const quint64 start = quint64(i) * quint64(to);
        const quint64 end = start + quint64(to);
        const auto first = int(start / quint64(from));
        const quint64 boundary = quint64(first + 1) * quint64(from);
        shares[size_t(i)] = {first, std::min(boundary, end) - start};
    }
    return shares;
}

void RowReducer::AddRow(const uchar *pixels)
{
    if (m_sourceRow >= m_from.height())
        return;
    std::fill(m_line.begin(), m_line.end(), 0);
    const quint64 span = quint64(m_to.width());
    for (int x = 0; x < m_from.width(); ++x) {
        const Share share = m_columns[size_t(x)];
        const uchar *p = pixels + 4 * size_t(x);
        quint64 *sum = m_line.data() + 3 * size_t(share.first);
        for (int c = 0; c < 3; ++c)
            sum[c] += p[c] * share.weight;
        if (share.weight < span) {
            for (int c = 0; c < 3; ++c)
                sum[3 + c] += p[c] * (span - share.weight);
        }
    }

    const Share share = m_rows[size_t(m_sourceRow)];
    if (share.first > m_openRow) { // the row above is complete
        Finish(m_openRow);
        std::swap(m_open[0], m_open[1]);
        std::fill(m_open[1].begin(), m_open[1].end(), 0);
        m_openRow = share.first;
    }
    const quint64 rest = quint64(m_to.height()) - share.weight;
    for (size_t k = 0; k < m_line.size(); ++k) {
        m_open[0][k] += m_line[k] * share.weight;
        m_open[1][k] += m_line[k] * rest;
    }
    if (++m_sourceRow == m_from.height())
        Finish(m_openRow);
}

void RowReducer::Finish(int row)
{
    const quint64 area = quint64(m_from.width()) * quint64(m_from.height());
    auto *out = reinterpret_cast<QRgb *>(m_target.scanLine(row));
    const quint64 *sum = m_open[0].data();
    for (int x = 0; x < m_to.width(); ++x, sum += 3) {
        // Bytes in memory: blue, green, red.
        out[x] = qRgb(int((sum[2] + area / 2) / area), int((sum[1] + area / 2) / area),
                      int((sum[0] + area / 2) / area));
    }
}
