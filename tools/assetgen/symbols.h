#pragma once

#include <QString>

// Draws the sixteen reel symbols into `dir` as 100x100 PNG files named so
// they sort into reel-symbol order. Returns the number of failures.
int writeSymbols(const QString &dir);
