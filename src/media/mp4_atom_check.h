#pragma once

#include <QtGlobal>

// Whether TagLib may parse this MP4 file's atoms safely: TagLib descends
// into container atoms by recursion without a depth limit, so a file of
// thousands of nested containers would exhaust the stack. The check walks
// the atoms the way TagLib does, taking every reading TagLib might choose
// (a "meta" atom with or without its version field), and refuses a file
// nested deeper than `maxDepth` or with more than `maxAtoms` atoms to walk.
bool Mp4NestingIsSafe(const uchar *data, qint64 size, int maxDepth = 64,
                      qint64 maxAtoms = 200000);
