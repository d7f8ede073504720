#pragma once

#include <QStringList>

// Paths in ascending order, compared without regard to case in the user's
// locale.
QStringList SortedPaths(QStringList paths);
