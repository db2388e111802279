#pragma once

#include <string>

// Synthesises every game sound into `dir` (created beforehand). Returns the
// number of files that could not be written.
int writeSounds(const std::string &dir);
