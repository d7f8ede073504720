#include "media/sorted_paths.h"

#include "platform/locale_info.h"

#include <QCollator>

#include <algorithm>

QStringList SortedPaths(QStringList paths)
{
    QCollator collator(RegionalLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(paths.begin(), paths.end(), [&](const QString &a, const QString &b) {
        return collator.compare(a, b) < 0;
    });
    return paths;
}
