#pragma once

#include <QString>

// Draws the sixteen reel symbols into `dir` as 100x100 PNG files named so
// they sort into reel-symbol order; with `scale` 2, as 200x200 files in its
// @2x subfolder. Returns the number of failures.
int writeSymbols(const QString &dir, int scale);
