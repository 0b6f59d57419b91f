#pragma once
// What the design-data tests share: a stand-in for the member that owns the
// data, and the golden bytes of the part that every record begins with.
#include "RecordBytes.h"

#include <vector>

class omDesignElement;

// Design data only keep and hand back their member's address; they never use it.
inline omDesignElement* someElement() {
    return reinterpret_cast<omDesignElement*>(0x1000);
}

struct GenericPart {
    int version = 3;
    std::vector<int> ult;
    std::vector<int> ser;
    bool ultDesign = true;
    bool serDesign = true;
    double ultFactor = 0.0;
    double serFactor = 0.0;
    double left = 0.0;
    const char* leftUnit = "cm";
    double right = 0.0;
    const char* rightUnit = "cm";
    bool supportWidth = true;

    RecordBytes bytes() const {
        RecordBytes b;
        b.integer(version).word(static_cast<std::uint32_t>(ult.size()));
        for (int lc : ult)
            b.integer(lc);
        b.word(static_cast<std::uint32_t>(ser.size()));
        for (int lc : ser)
            b.integer(lc);
        b.flag(ultDesign).flag(serDesign).real(ultFactor).real(serFactor);
        if (version > 1) b.unitValue(left, leftUnit).unitValue(right, rightUnit);
        if (version > 2) b.flag(supportWidth);
        return b;
    }
};
