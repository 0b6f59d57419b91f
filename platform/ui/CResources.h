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
//
// Each module (the program, and every library with resources of its own) keeps
// its own tables, because their ids clash: a library's dialog 130 is not the
// program's dialog 130. While a CResourceModuleScope names a library, additions
// go into that library's tables and lookups try them first, then the program's.
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"
#include "platform/ui/WinUi.h"

#include "platform/ui/CDialogTemplate.h"

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

    void AddDialog(UINT id, CDialogTemplate dialog);
    const CDialogTemplate* FindDialog(UINT id) const;
    // Dialogs named by text instead of a number.
    void AddDialog(const char* name, CDialogTemplate dialog);
    const CDialogTemplate* FindDialog(const char* name) const;
    // The ids of every dialog of the current module's and the program's tables.
    std::vector<UINT> DialogIds() const;

    // Custom resources by type and id ("METAFILE" pictures): a Qt resource or file path.
    void AddCustom(const char* type, UINT id, const char* path);
    // The path; empty when there is none.
    CString FindCustom(const char* type, UINT id) const;

    // Drops everything the program and the libraries added and restores the platform's own strings.
    void Reset();

    // Whether a module has added tables (since the last Reset).
    bool HasModule(const char* module) const { return m_tables.count(CString(module)) != 0; }

    // The module whose tables are searched first; empty for the program.
    static const CString& CurrentModule();

private:
    friend class CResourceModuleScope;
    CResources();
    void AddFrameworkStrings();

    struct Table {
        std::map<UINT, CString> strings;
        std::map<UINT, std::vector<CMenuItemDef>> menus;
        std::map<UINT, std::vector<ACCEL>> accelerators;
        std::map<UINT, CToolBarResource> toolbars;
        std::map<UINT, CString> bitmapPaths;
        std::map<UINT, std::function<QImage(const QSize&)>> bitmapPainters;
        std::map<UINT, CDialogTemplate> dialogs;
        std::map<CString, CDialogTemplate> namedDialogs;
        std::map<std::pair<CString, UINT>, CString> custom;
    };
    Table& Current();
    // The tables to search, the current module's first.
    std::vector<const Table*> SearchOrder() const;
    template <class Map, class Key>
    const typename Map::mapped_type* Find(Map Table::*map, const Key& key) const;

    std::map<CString, Table> m_tables; // by module name; "" is the program
};

// Names the module whose resources are meant for its lifetime (scopes nest).
// A library wraps the registration of its tables and its own lookups in one.
class CResourceModuleScope {
public:
    explicit CResourceModuleScope(const char* module);
    ~CResourceModuleScope();
    CResourceModuleScope(const CResourceModuleScope&) = delete;
    CResourceModuleScope& operator=(const CResourceModuleScope&) = delete;

private:
    CString m_previous;
};

// The string of the string table; empty when there is none.
CString AfxLoadString(UINT nID);
BOOL AfxLoadString(UINT nID, CString& rString);
// The string with "%1" (and "%2") replaced.
void AfxFormatString1(CString& rString, UINT nIDS, const char* lpsz1);
void AfxFormatString2(CString& rString, UINT nIDS, const char* lpsz1, const char* lpsz2);
// Substring number iSubString (from 0) of a text divided by chSep; FALSE when there are fewer.
BOOL AfxExtractSubString(CString& rString, const char* lpszFullString, int iSubString, char chSep = '\n');
