#include "app/report/TranslateOutputString.h"

#include "app/report/AOutputAttributes.h"
#include "app/report/omOutputLocaleDB.h"

CString TranslateOutputString(const char* key) {
    return TranslateOutputString(key, AOutputAttributes::Instance()->m_strLanguage);
}

CString TranslateOutputString(const char* key, std::string_view language) {
    return CString(omOutputLocaleDB::Instance()->Lookup(key ? key : "", language));
}
