// Any text given to the point file parser: a file it reads holds 1 to 500 points in the drawing
// area, and saved and read again it gives the same points.

#include "engine/modhull.h"
#include "form/area.h"
#include "teach/files/point_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const PointFile file = parsePoints(std::string(reinterpret_cast<const char*>(data), size));
    if (!file.error.empty())
        return 0;
    if (file.points.empty() || file.points.size() > static_cast<std::size_t>(Modhull::Maxpoints))
        std::abort();
    Modhull points;
    for (const area::Spot& point : file.points) {
        if (!area::contains(point.x, point.y))
            std::abort();
        ++points.Pointcount;
        points.Xcoord(points.Pointcount) = point.x;
        points.Ycoord(points.Pointcount) = point.y;
    }
    const PointFile again = parsePoints(formatPoints(points));
    if (!again.error.empty() || again.fitted || again.points != file.points)
        std::abort();
    return 0;
}
