#pragma once
// Names within paths as the program shows them (titles, the recent-file list),
// for paths written with either separator.
#include "platform/core/CString.h"

// The file name of a path: what follows its last '/' or '\', the whole path when it has neither.
CString AfxGetFileName(const CString& path);
