#pragma once
// The report text of a key in the output language of the output settings:
// looked up in the output-language table on every call, falling back to the
// "English" section and then to "Error:" followed by the key.
#include "platform/core/CString.h"

#include <string_view>

CString TranslateOutputString(const char* key);
// The same in the given language.
CString TranslateOutputString(const char* key, std::string_view language);
