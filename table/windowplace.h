// Where a window may stand: a place read from the settings file may lie
// off every screen (a screen unplugged, another resolution), and is then
// pulled back; with no place kept, the window opens large in the middle
// of the screen.
#pragma once

#include <vector>

namespace brixo {

struct Place {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Place&) const = default;
};

// The window on the work area it overlaps most (the first when it overlaps
// none): no larger than that area and wholly inside it. Unchanged when it
// already is.
Place fitOnScreens(Place window, const std::vector<Place>& workAreas);

// The share of the work area's width and height a window takes at its
// first start.
inline constexpr double kFirstShare = 0.8;

// A window's first place on a work area: kFirstShare of its width and
// height, no smaller than the smallest size the window takes (where the
// area has room for it), centred.
Place firstPlace(const Place& workArea, int smallestWidth, int smallestHeight);

} // namespace brixo
