#pragma once
// One news document of the message list, and whether it applies to a program.
#include "app/messages/JulianDate.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace documentformat {
constexpr int kNone = 0;
constexpr int kText = 1;
constexpr int kRtf = 2;
constexpr int kHtml = 3;
} // namespace documentformat

namespace documentstatus {
constexpr int kNone = 0;
constexpr int kNew = 1;
constexpr int kUpdated = 2;
constexpr int kOld = 3;
constexpr int kObsolete = 4;
} // namespace documentstatus

class DocumentItem {
public:
    DocumentItem() = default;
    virtual ~DocumentItem() = default;
    DocumentItem(const DocumentItem&) = default;
    DocumentItem& operator=(const DocumentItem&) = default;

    // Not expired before today and named by a program pair for this program and version.
    bool AppliesTo(int programId, int programVersion) const;

    int m_nId = 0;
    std::string m_title;
    std::string m_address;
    int m_nFormat = documentformat::kNone;
    int m_nStatus = documentstatus::kNone;
    std::string m_language;
    std::vector<std::pair<std::string, std::string>> m_links; // title, address
    std::vector<std::pair<int, int>> m_programs;              // program id, version condition
    int m_nRevision = 0;
    std::uint32_t m_nReserved = 15;
    JulianDate m_expiration;
};
