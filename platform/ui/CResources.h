#pragma once
// The program's resources as data tables: the string table (for commands the
// text is "prompt\ntip": the status-bar prompt, then the tooltip), menus,
// accelerator tables, toolbars (button size and the command id of each button,
// 0 for a separator) and pictures (a Qt resource or file path of an SVG or PNG,
// or a function that paints the picture). A toolbar's picture has the same id
// as the toolbar and holds its images left to right, one per non-separator button.
//
// The platform layer fills in its own strings; the program and each test program
// add their tables at start-up.
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"
#include "platform/ui/WinUi.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

class QImage;
class QSize;

struct CMenuItemDef {
    CString text;
    UINT id = 0;
    UINT flags = 0; // MF_SEPARATOR, MF_POPUP, MF_GRAYED, MF_CHECKED
    std::vector<CMenuItemDef> items;
};

CMenuItemDef MenuItem(const char* text, UINT id, UINT flags = 0);
CMenuItemDef MenuSeparator();
CMenuItemDef MenuPopup(const char* text, std::vector<CMenuItemDef> items);

struct CToolBarResource {
    int width = 16;
    int height = 15;
    std::vector<UINT> buttons;
};

class CResources {
public:
    static CResources& Instance();

    void AddString(UINT id, const char* text);
    void AddStrings(std::initializer_list<std::pair<UINT, const char*>> table);
    // False when the table has no such string.
    bool FindString(UINT id, CString& text) const;

    void AddMenu(UINT id, std::vector<CMenuItemDef> items);
    const std::vector<CMenuItemDef>* FindMenu(UINT id) const;

    void AddAccelerators(UINT id, std::vector<ACCEL> table);
    const std::vector<ACCEL>* FindAccelerators(UINT id) const;

    void AddToolBar(UINT id, CToolBarResource toolbar);
    const CToolBarResource* FindToolBar(UINT id) const;

    // A picture from a path (":/..." for Qt resources).
    void AddBitmap(UINT id, const char* path);
    // A picture painted by a function, for the given size.
    void AddBitmap(UINT id, std::function<QImage(const QSize&)> painter);
    bool HasBitmap(UINT id) const;
    // The picture at the given size (an SVG is drawn at that size; a null size
    // keeps the picture's own). A null image when the id is unknown or the file
    // cannot be read.
    QImage LoadBitmap(UINT id, const QSize& size) const;

    // Drops everything the program added and restores the platform's own strings.
    void Reset();

private:
    CResources();
    void AddFrameworkStrings();

    std::map<UINT, CString> m_strings;
    std::map<UINT, std::vector<CMenuItemDef>> m_menus;
    std::map<UINT, std::vector<ACCEL>> m_accelerators;
    std::map<UINT, CToolBarResource> m_toolbars;
    std::map<UINT, CString> m_bitmapPaths;
    std::map<UINT, std::function<QImage(const QSize&)>> m_bitmapPainters;
};

// The string of the string table; empty when there is none.
CString AfxLoadString(UINT nID);
BOOL AfxLoadString(UINT nID, CString& rString);
// The string with "%1" (and "%2") replaced.
void AfxFormatString1(CString& rString, UINT nIDS, const char* lpsz1);
void AfxFormatString2(CString& rString, UINT nIDS, const char* lpsz1, const char* lpsz2);
// Substring number iSubString (from 0) of a text divided by chSep; FALSE when there are fewer.
BOOL AfxExtractSubString(CString& rString, const char* lpszFullString, int iSubString, char chSep = '\n');
