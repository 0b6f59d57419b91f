#include "platform/core/PathNames.h"

CString AfxGetFileName(const CString& path) {
    const size_t sep = path.find_last_of("/\\");
    return sep == std::string::npos ? path : CString(path.substr(sep + 1));
}
