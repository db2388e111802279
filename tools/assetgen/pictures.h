#pragma once

#include <QString>

// Bonus lamps and the start-up title, written below `dataImages`
// (bonus/ and startup/ must exist). Returns the number of failures.
int writeDataPictures(const QString &dataImages);

// Pictures compiled into the program (pound, arrow, title, shading strips,
// window icons in several sizes and as SVG). Returns the number of failures.
int writeBuiltinPictures(const QString &dir);
