#include "table/windowplace.h"

#include <algorithm>
#include <cmath>

namespace brixo {

namespace {

long overlap(const Place& a, const Place& b)
{
    const long w = std::min(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
    const long h = std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
    return w > 0 && h > 0 ? w * h : 0;
}

} // namespace

Place fitOnScreens(Place window, const std::vector<Place>& workAreas)
{
    if (workAreas.empty()) return window;
    const Place* area = &workAreas.front();
    for (const Place& a : workAreas)
        if (overlap(window, a) > overlap(window, *area)) area = &a;
    window.width = std::clamp(window.width, 1, area->width);
    window.height = std::clamp(window.height, 1, area->height);
    window.x = std::clamp(window.x, area->x, area->x + area->width - window.width);
    window.y = std::clamp(window.y, area->y, area->y + area->height - window.height);
    return window;
}

Place firstPlace(const Place& workArea, int smallestWidth, int smallestHeight)
{
    const auto share = [](int length, int smallest) {
        const int wanted = std::max(int(std::lround(length * kFirstShare)), smallest);
        return std::clamp(wanted, 1, std::max(length, 1));
    };
    Place window;
    window.width = share(workArea.width, smallestWidth);
    window.height = share(workArea.height, smallestHeight);
    window.x = workArea.x + (workArea.width - window.width) / 2;
    window.y = workArea.y + (workArea.height - window.height) / 2;
    return window;
}

} // namespace brixo
