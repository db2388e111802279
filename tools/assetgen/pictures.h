#pragma once

#include <QString>

// Bonus lamps and the start-up title, written below `dataImages` (into
// bonus/ and startup/, or with `scale` 2 into their @2x subfolders, which
// must exist). Returns the number of failures.
int writeDataPictures(const QString &dataImages, int scale);

// Pictures compiled into the program (pound, arrow, title, shading strips;
// at `scale` 1 also the window icons in several sizes and as SVG), into
// `dir` or its @2x subfolder. Returns the number of failures.
int writeBuiltinPictures(const QString &dir, int scale);
