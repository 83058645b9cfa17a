// Where a window may stand: a place read from the settings file may lie
// off every screen (a screen unplugged, another resolution), and is then
// pulled back.
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

} // namespace brixo
