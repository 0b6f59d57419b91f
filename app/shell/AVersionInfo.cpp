#include "app/shell/AVersionInfo.h"

namespace {

const std::map<CString, CString>& ProgramBlock() {
    static const std::map<CString, CString> block = {
        {"CompanyName", "Orvex"},           {"FileDescription", "Orvex Strakon"},
        {"FileVersion", "2, 0,0, 2626"},    {"ProductName", "Orvex Strakon"},
        {"ProductVersion", "2, 0,0, 2626"},
    };
    return block;
}

} // namespace

AVersionInfo::AVersionInfo() = default;

AVersionInfo::~AVersionInfo() {
    Close();
}

BOOL AVersionInfo::Open(const char* file) {
    Close();
    if (file) return FALSE;
    m_pBlock = std::make_unique<std::map<CString, CString>>(ProgramBlock());
    m_translation = kProgramTranslation;
    return TRUE;
}

CString AVersionInfo::GetString(const char* name, DWORD translation) const {
    if (!m_pBlock || !name) return CString();
    if (translation != 0 && translation != m_translation) return CString();
    const auto it = m_pBlock->find(name);
    return it == m_pBlock->end() ? CString() : it->second;
}

void AVersionInfo::Close() {
    m_pBlock.reset();
    m_translation = 0;
}
