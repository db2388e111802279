#pragma once

#include <cstdint>

namespace glint {

// A handle to a picture the front end holds. One picture may be shown by
// several controls at once; the handle is what they share.
using PictureId = int32_t;

// Pictures built into the program. Pictures loaded from files get handles
// from the front end, starting at kFirstLoadedPicture.
enum BuiltinPicture : PictureId {
    kNoPicture = 0,
    kPoundPicture = 1,       // the reel cells' placeholder symbol
    kArrowPicture = 2,       // the trail lamps' placeholder
    kTitlePicture = 3,       // the title logo
    kShadeTopPicture = 4,    // shading over the top edge of a reel column
    kShadeBottomPicture = 5, // shading over the bottom edge of a reel column
    kFirstLoadedPicture = 16,
};

} // namespace glint
