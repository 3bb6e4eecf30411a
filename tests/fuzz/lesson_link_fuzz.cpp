// Any text given to the lesson link reader: it is read or refused, a link it reads holds at most
// 500 points in the drawing area, a step the run can have (the incremental method's known from the
// points, another algorithm's at most 1000) and a test only inside a step, and written and read
// again it gives the same points, step, views, algorithm and comparison.

#include "engine/modhull.h"
#include "form/area.h"
#include "teach/files/lesson_link.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const LessonLink link = readLink(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!link.error.empty())
        return 0;
    const int lastStep = link.algorithm > 0 ? 2 * Modhull::Maxpoints
                                            : std::max(static_cast<int>(link.points.size()) - 3, 0);
    if (link.points.size() > static_cast<std::size_t>(Modhull::Maxpoints) || link.step < -1 ||
        link.step > lastStep || link.algorithm < -1 || link.algorithm > 3 || link.compared < -1 || link.compared > 3 ||
        (link.test >= 0 && link.step < 1))
        std::abort();
    for (const area::Spot& point : link.points)
        if (!area::contains(point.x, point.y))
            std::abort();
    const LessonLink again = readLink(writeLink(link));
    if (!again.error.empty() || again.fitted || again.points != link.points ||
        again.step != link.step || again.test != link.test || again.eachStep != link.eachStep ||
        again.pointNumbers != link.pointNumbers ||
        (again.algorithm > 0 ? again.algorithm : 0) != (link.algorithm > 0 ? link.algorithm : 0) ||
        again.compared != link.compared)
        std::abort();
    return 0;
}
