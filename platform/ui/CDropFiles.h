#pragma once
// Files dropped on a window from the desktop: a window that accepts them hears
// WM_DROPFILES with a handle that names the files (DragQueryFile) and that the
// receiver releases with DragFinish.
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <vector>

class CWnd;

constexpr UINT WM_DROPFILES = 0x0233;

struct HDROP__;
using HDROP = HDROP__*;

// From here on the window accepts local files dropped on it or on any of its
// children that take no drops themselves; FALSE stops it.
void AfxDragAcceptFiles(CWnd* pWnd, BOOL bAccept);

// With iFile 0xFFFFFFFF the number of files; otherwise the length of file iFile's
// path, copied (with its terminating zero, cut to cch) into lpszFile when that is given.
UINT DragQueryFile(HDROP hDrop, UINT iFile, char* lpszFile, UINT cch);
// The path of file iFile; empty when there is none.
CString AfxDragQueryFile(HDROP hDrop, UINT iFile);
// Releases the handle.
void DragFinish(HDROP hDrop);
// A handle that names the paths, as a drop makes it (the receiver releases it).
HDROP AfxMakeDropHandle(const std::vector<CString>& paths);
