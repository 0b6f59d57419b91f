#pragma once
// Drawing in the tests of the drawable structure: a context like a view's
// (MM_LOMETRIC on a 96 dpi screen), a map of 100 logical units per metre, and
// readers of what a recording holds.
#include "controls/AMapC2L.h"
#include "platform/gdi/CMetaFile.h"

#include <string>
#include <vector>

namespace viewdrawing {

inline CDC& LometricScreen() {
    static CDC dc(CDeviceCaps::FromPixels(1200, 900, 96, 96));
    dc.SetMapMode(MM_LOMETRIC);
    return dc;
}

// World metres (-10 .. 10, z downwards as in the views) onto logical units 100 to the metre.
inline AMapC2L HundredPerMetre() {
    AMapC2L map;
    map.SetTotalCU(omRect(-10, -10, 10, 10));
    map.SetMap_tc_tl(CRect(-1000, 1000, 1000, -1000), AMapC2L::posCenter, AMapC2L::posCenter);
    return map;
}

inline std::vector<std::string> Texts(const CMetaFile& f) {
    std::vector<std::string> out;
    for (const CMetaRecord& r : f.Records())
        if (r.type == CMetaRecord::Type::textOut || r.type == CMetaRecord::Type::drawText) out.push_back(r.text);
    return out;
}

// The straight pieces drawn (move-to, line-to pairs), in order.
struct Segment {
    CPoint from, to;
};
inline std::vector<Segment> Segments(const CMetaFile& f, size_t firstRecord = 0) {
    std::vector<Segment> out;
    const auto& records = f.Records();
    for (size_t i = firstRecord; i + 1 < records.size(); ++i)
        if (records[i].type == CMetaRecord::Type::moveTo && records[i + 1].type == CMetaRecord::Type::lineTo)
            out.push_back({records[i].points[0], records[i + 1].points[0]});
    return out;
}

// The filled polygons with the brush colour they were filled with.
struct Polygon {
    std::vector<CPoint> points;
    COLORREF fill;
    size_t record;
};
inline std::vector<Polygon> Polygons(const CMetaFile& f) {
    std::vector<Polygon> out;
    COLORREF brush = 0;
    const auto& records = f.Records();
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].type == CMetaRecord::Type::selectBrush) brush = records[i].brush.lbColor;
        if (records[i].type == CMetaRecord::Type::polygon) out.push_back({records[i].points, brush, i});
    }
    return out;
}

inline int Count(const CMetaFile& f, CMetaRecord::Type type) {
    int n = 0;
    for (const CMetaRecord& r : f.Records())
        n += r.type == type;
    return n;
}

} // namespace viewdrawing
