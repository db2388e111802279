#pragma once

#include <QString>

namespace glint::ui {

// Where the game's asset tree (images/ and sound/) is: $GLINT_DATA_DIR when
// set; else the installed tree beside the program, <bin>/../share/glint-galore;
// else the data/ directory of the source checkout the program was built from.
QString findDataDir();

} // namespace glint::ui
