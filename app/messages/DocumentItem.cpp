#include "app/messages/DocumentItem.h"

#include <cstdlib>

bool DocumentItem::AppliesTo(int programId, int programVersion) const {
    if (m_expiration.IsValid() && m_expiration.GetDay() < JulianDate::today().GetDay()) return false;
    for (const auto& [id, condition] : m_programs) {
        if (id == 0) return true;
        if (id != programId) continue;
        if (condition == 0 || condition == programVersion) return true;
        if (condition < 0 && static_cast<std::int64_t>(programVersion) < -static_cast<std::int64_t>(condition))
            return true;
    }
    return false;
}
