#include "platform/ui/CResources.h"

#include "platform/ui/AfxRes.h"
#include "platform/ui/DlgUi.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QSvgRenderer>

CMenuItemDef MenuItem(const char* text, UINT id, UINT flags) {
    return CMenuItemDef{text, id, flags, {}};
}
CMenuItemDef MenuSeparator() {
    return CMenuItemDef{"", 0, MF_SEPARATOR, {}};
}
CMenuItemDef MenuPopup(const char* text, std::vector<CMenuItemDef> items) {
    return CMenuItemDef{text, 0, MF_POPUP, std::move(items)};
}

CResources& CResources::Instance() {
    static CResources resources;
    return resources;
}

CResources::CResources() {
    CResourceModuleScope program("");
    AddFrameworkStrings();
}

void CResources::AddFrameworkStrings() {
    AddStrings({
        {AFX_IDS_IDLEMESSAGE, "Ready"},
        {AFX_IDS_OPENFILE, "Open"},
        {AFX_IDS_SAVEFILE, "Save As"},
        {AFX_IDS_ALLFILTER, "All Files (*.*)"},
        {AFX_IDS_UNTITLED, "Untitled"},
        {AFX_IDP_INVALID_FILENAME, "Invalid filename."},
        {AFX_IDP_FAILED_TO_OPEN_DOC, "Failed to open document."},
        {AFX_IDP_FAILED_TO_SAVE_DOC, "Failed to save document."},
        {AFX_IDP_ASK_TO_SAVE, "Save changes to %1?"},
        {AFX_IDP_FAILED_TO_CREATE_DOC, "Failed to create empty document."},
        {AFX_IDP_COMMAND_FAILURE, "Command failed."},
        {AFX_IDP_PARSE_INT, "Please enter an integer."},
        {AFX_IDP_PARSE_REAL, "Please enter a number."},
        {AFX_IDP_PARSE_INT_RANGE, "Please enter an integer between %1 and %2."},
        {AFX_IDP_PARSE_REAL_RANGE, "Please enter a number between %1 and %2."},
        {AFX_IDP_PARSE_STRING_SIZE, "Please enter no more than %1 characters."},
        {AFX_IDP_PARSE_RADIO_BUTTON, "Please select a button."},
        {AFX_IDP_PARSE_BYTE, "Please enter an integer between 0 and 255."},
        {AFX_IDP_PARSE_UINT, "Please enter a positive integer."},
        {AFX_IDP_FILE_NOT_FOUND, "%1\nFile not found.\nCheck the file name and try again."},
        {AFX_IDP_PATH_NOT_FOUND, "%1\nPath does not exist.\nCheck the path and try again."},
        {AFX_IDP_ASK_TO_REPLACE, "%1 already exists.\nDo you want to replace it?"},
        {ID_FILE_NEW, "Create a new document\nNew"},
        {ID_FILE_OPEN, "Open an existing document\nOpen"},
        {ID_FILE_CLOSE, "Close the active document\nClose"},
        {ID_FILE_SAVE, "Save the active document\nSave"},
        {ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
        {ID_FILE_MRU_FILE1, "Open this document"},
        {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
        {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle Status Bar"},
        {ID_WINDOW_NEW, "Open another window for the active document\nNew Window"},
        {ID_WINDOW_CASCADE, "Arrange windows so they overlap\nCascade Windows"},
        {ID_WINDOW_TILE_HORZ, "Arrange windows as non-overlapping tiles\nTile Windows"},
        {ID_WINDOW_TILE_VERT, "Arrange windows as non-overlapping tiles\nTile Windows"},
    });
}

namespace {
CString& currentModule() {
    static CString module;
    return module;
}
} // namespace

const CString& CResources::CurrentModule() {
    return currentModule();
}

CResourceModuleScope::CResourceModuleScope(const char* module) : m_previous(currentModule()) {
    currentModule() = module ? module : "";
}

CResourceModuleScope::~CResourceModuleScope() {
    currentModule() = m_previous;
}

CResources::Table& CResources::Current() {
    return m_tables[currentModule()];
}

std::vector<const CResources::Table*> CResources::SearchOrder() const {
    std::vector<const Table*> order;
    if (!currentModule().empty())
        if (auto it = m_tables.find(currentModule()); it != m_tables.end()) order.push_back(&it->second);
    if (auto it = m_tables.find(CString()); it != m_tables.end()) order.push_back(&it->second);
    return order;
}

template <class Map, class Key>
const typename Map::mapped_type* CResources::Find(Map Table::*map, const Key& key) const {
    for (const Table* table : SearchOrder()) {
        const Map& m = table->*map;
        if (auto it = m.find(key); it != m.end()) return &it->second;
    }
    return nullptr;
}

void CResources::Reset() {
    m_tables.clear();
    CResourceModuleScope program("");
    AddFrameworkStrings();
}

void CResources::AddString(UINT id, const char* text) {
    Current().strings[id] = text ? text : "";
}

void CResources::AddStrings(std::initializer_list<std::pair<UINT, const char*>> table) {
    for (const auto& [id, text] : table)
        AddString(id, text);
}

bool CResources::FindString(UINT id, CString& text) const {
    const CString* found = Find(&Table::strings, id);
    if (!found) return false;
    text = *found;
    return true;
}

void CResources::AddMenu(UINT id, std::vector<CMenuItemDef> items) {
    Current().menus[id] = std::move(items);
}

const std::vector<CMenuItemDef>* CResources::FindMenu(UINT id) const {
    return Find(&Table::menus, id);
}

void CResources::AddAccelerators(UINT id, std::vector<ACCEL> table) {
    Current().accelerators[id] = std::move(table);
}

const std::vector<ACCEL>* CResources::FindAccelerators(UINT id) const {
    return Find(&Table::accelerators, id);
}

void CResources::AddToolBar(UINT id, CToolBarResource toolbar) {
    Current().toolbars[id] = std::move(toolbar);
}

const CToolBarResource* CResources::FindToolBar(UINT id) const {
    return Find(&Table::toolbars, id);
}

void CResources::AddBitmap(UINT id, const char* path) {
    Table& table = Current();
    table.bitmapPainters.erase(id);
    table.bitmapPaths[id] = path ? path : "";
}

void CResources::AddBitmap(UINT id, std::function<QImage(const QSize&)> painter) {
    Table& table = Current();
    table.bitmapPaths.erase(id);
    table.bitmapPainters[id] = std::move(painter);
}

bool CResources::HasBitmap(UINT id) const {
    for (const Table* table : SearchOrder())
        if (table->bitmapPaths.count(id) || table->bitmapPainters.count(id)) return true;
    return false;
}

QImage CResources::LoadBitmap(UINT id, const QSize& size) const {
    for (const Table* table : SearchOrder()) {
        if (auto it = table->bitmapPainters.find(id); it != table->bitmapPainters.end())
            return it->second(size);
        auto it = table->bitmapPaths.find(id);
        if (it == table->bitmapPaths.end()) continue;
        const QString path = QString::fromUtf8(it->second.c_str());
        if (path.endsWith(".svg", Qt::CaseInsensitive)) {
            QSvgRenderer renderer(path);
            if (!renderer.isValid()) return {};
            const QSize target = size.isEmpty() ? renderer.defaultSize() : size;
            QImage image(target, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer.render(&painter);
            return image;
        }
        QImage image(path);
        if (!image.isNull() && !size.isEmpty() && image.size() != size)
            image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return image;
    }
    return {};
}

void CResources::AddDialog(UINT id, CDialogTemplate dialog) {
    Current().dialogs[id] = std::move(dialog);
}

const CDialogTemplate* CResources::FindDialog(UINT id) const {
    return Find(&Table::dialogs, id);
}

void CResources::AddDialog(const char* name, CDialogTemplate dialog) {
    Current().namedDialogs[CString(name)] = std::move(dialog);
}

const CDialogTemplate* CResources::FindDialog(const char* name) const {
    return Find(&Table::namedDialogs, CString(name));
}

std::vector<UINT> CResources::DialogIds() const {
    std::vector<UINT> ids;
    for (const Table* table : SearchOrder())
        for (const auto& entry : table->dialogs)
            ids.push_back(entry.first);
    return ids;
}

void CResources::AddCustom(const char* type, UINT id, const char* path) {
    Current().custom[{CString(type), id}] = path ? path : "";
}

CString CResources::FindCustom(const char* type, UINT id) const {
    const CString* found = Find(&Table::custom, std::pair<CString, UINT>(CString(type), id));
    return found ? *found : CString();
}

CString AfxLoadString(UINT nID) {
    CString text;
    CResources::Instance().FindString(nID, text);
    return text;
}

BOOL AfxLoadString(UINT nID, CString& rString) {
    if (CResources::Instance().FindString(nID, rString)) return TRUE;
    rString.Empty();
    return FALSE;
}

void AfxFormatString2(CString& rString, UINT nIDS, const char* lpsz1, const char* lpsz2) {
    const CString format = AfxLoadString(nIDS);
    rString.clear();
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && (format[i + 1] == '1' || format[i + 1] == '2')) {
            const char* arg = format[i + 1] == '1' ? lpsz1 : lpsz2;
            if (arg) rString += arg;
            ++i;
        } else {
            rString += format[i];
        }
    }
}

void AfxFormatString1(CString& rString, UINT nIDS, const char* lpsz1) {
    AfxFormatString2(rString, nIDS, lpsz1, nullptr);
}

BOOL AfxExtractSubString(CString& rString, const char* lpszFullString, int iSubString, char chSep) {
    rString.Empty();
    if (!lpszFullString || iSubString < 0) return FALSE;
    std::string_view full(lpszFullString);
    size_t start = 0;
    for (int i = 0; i < iSubString; ++i) {
        const size_t sep = full.find(chSep, start);
        if (sep == std::string_view::npos) return FALSE;
        start = sep + 1;
    }
    const size_t end = full.find(chSep, start);
    rString =
        CString(full.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    return TRUE;
}
