#include "app/views/ADocAttributes.h"

#include "app/shell/AOptionsAttributes.h"

ADocAttributes::ADocAttributes() : author(AOptionsAttributes::Instance()->author) {}

ADocAttributes::~ADocAttributes() = default;

CString ADocAttributes::GetFileName() const {
    const std::size_t cut = file.find_last_of("/\\");
    return cut == CString::npos ? file : CString(file.substr(cut + 1));
}
