#include "common/CStdString.h"

int CStdString::find_replace(std::string_view from, std::string_view to, bool all) {
    if (from.empty()) return 0;
    int count = 0;
    std::size_t pos = 0;
    while ((pos = find(from, pos)) != npos) {
        replace(pos, from.size(), to);
        pos += to.size();
        ++count;
        if (!all) break;
    }
    return count;
}
