#include "framework/CCoolMenuManager.h"

#include "platform/ui/CControlBar.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CResources.h"
#include "platform/ui/VirtualKeys.h"

#include <QAction>
#include <QImage>
#include <QKeySequence>
#include <QMenu>
#include <QPixmap>

#include <algorithm>

IMPLEMENT_DYNAMIC(CCoolMenuManager, CSubclassWnd)

namespace {

// The properties that an item converted by the manager carries: its text
// without accelerator names, and whether the manager gave it its picture.
constexpr const char* kRecordProperty = "coolMenuRecord";
constexpr const char* kTextProperty = "coolMenuText";
constexpr const char* kIconProperty = "coolMenuIcon";
// Data that another owner keeps on an item; such items are never touched.
constexpr const char* kItemDataProperty = "itemData";

bool isOurs(const QAction* action) {
    return action->property(kRecordProperty).toBool();
}

bool isForeign(const QAction* action) {
    return action->property(kItemDataProperty).isValid() && !isOurs(action);
}

CString textWithoutAccel(const CString& text) {
    const size_t tab = text.find('\t');
    return tab == std::string::npos || tab == 0 ? text : CString(text.substr(0, tab));
}

} // namespace

CCoolMenuManager::CCoolMenuManager() = default;

CCoolMenuManager::~CCoolMenuManager() {
    OnMenuSelect(0, 0xFFFF, nullptr);
}

void CCoolMenuManager::Install(CFrameWnd* pFrame) {
    m_pFrame = pFrame;
    HookWindow(static_cast<CWnd*>(pFrame));
}

BOOL CCoolMenuManager::AddImages(const std::vector<QImage>& images, const std::vector<UINT>& ids,
                                 bool everyIdTakesOne) {
    size_t next = 0;
    const int first = static_cast<int>(m_images.size());
    for (const QImage& image : images)
        m_images.push_back(QIcon(QPixmap::fromImage(image)));
    for (UINT id : ids) {
        if (id == 0) continue;
        auto it = m_buttonIndex.find(id);
        const bool hasOne = it != m_buttonIndex.end() && it->second >= 0;
        // The first picture of a command stays its picture.
        if (!hasOne && next < images.size()) m_buttonIndex[id] = first + static_cast<int>(next);
        if (everyIdTakesOne || !hasOne) ++next;
    }
    return TRUE;
}

BOOL CCoolMenuManager::LoadToolbar(UINT nID) {
    const CToolBarResource* toolbar = CResources::Instance().FindToolBar(nID);
    if (!toolbar || !CResources::Instance().HasBitmap(nID)) return FALSE;
    const CSize size(toolbar->width, toolbar->height);
    if (m_szButton.cx == 0 && m_szButton.cy == 0) {
        m_szButton = size;
        m_szBox = CSize(size.cx + 4, size.cy + 4);
    } else if (m_szButton != size) {
        return FALSE;
    }
    const int count = static_cast<int>(
        std::count_if(toolbar->buttons.begin(), toolbar->buttons.end(), [](UINT id) { return id; }));
    const std::vector<QImage> images = AfxLoadToolBarImages(nID, count, size.cx, size.cy);
    if (images.empty() && count > 0) return FALSE;
    AddImages(images, toolbar->buttons, true);
    if (std::find(m_toolbarIds.begin(), m_toolbarIds.end(), nID) == m_toolbarIds.end())
        m_toolbarIds.push_back(nID);
    return TRUE;
}

BOOL CCoolMenuManager::LoadToolbars(const UINT* pIDs, int n) {
    for (int i = 0; pIDs && i < n; ++i)
        LoadToolbar(pIDs[i]);
    return TRUE;
}

BOOL CCoolMenuManager::AddSingleBitmap(UINT nBitmapID, UINT n, const UINT* pIDs) {
    if (!CResources::Instance().HasBitmap(nBitmapID)) return FALSE;
    if (m_szButton.cx == 0 && m_szButton.cy == 0) {
        m_szButton = CSize(16, 15);
        m_szBox = CSize(20, 19);
    }
    std::vector<UINT> ids(pIDs, pIDs + (pIDs ? n : 0));
    const int count = static_cast<int>(std::count_if(ids.begin(), ids.end(), [](UINT id) { return id; }));
    const std::vector<QImage> images = AfxLoadToolBarImages(nBitmapID, count, m_szButton.cx, m_szButton.cy);
    if (images.empty() && count > 0) return FALSE;
    return AddImages(images, ids, false);
}

void CCoolMenuManager::Refresh() {
    const std::vector<UINT> toolbars = m_toolbarIds;
    Destroy();
    for (UINT id : toolbars)
        LoadToolbar(id);
}

void CCoolMenuManager::Destroy() {
    m_images.clear();
    m_buttonIndex.clear();
    m_toolbarIds.clear();
    m_szButton = CSize(0, 0);
    m_szBox = CSize(0, 0);
    DestroyAccel();
}

int CCoolMenuManager::GetButtonIndex(WORD nID) const {
    auto it = m_buttonIndex.find(nID);
    return it == m_buttonIndex.end() ? -1 : it->second;
}

void CCoolMenuManager::LoadAccel(UINT nIDAccel) {
    DestroyAccel();
    m_nIDAccel = nIDAccel;
    m_bAccelLoaded = true;
    if (const std::vector<ACCEL>* table = CResources::Instance().FindAccelerators(nIDAccel))
        for (const ACCEL& entry : *table)
            m_accel[entry.cmd].push_back(entry);
}

void CCoolMenuManager::DestroyAccel() {
    m_accel.clear();
    m_nIDAccel = 0;
    m_bAccelLoaded = false;
}

CString CCoolMenuManager::GetKeyLayoutName(UINT vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return CString(std::string(1, static_cast<char>(vk)));
    if (vk >= VK_F1 && vk <= VK_F1 + 23) return "F" + std::to_string(vk - VK_F1 + 1);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9) return "Num " + std::to_string(vk - VK_NUMPAD0);
    switch (vk) {
    // The editing keys share their scan codes with the keypad, whose names the layout gives.
    case VK_INSERT:
        return "Num 0";
    case VK_DELETE:
        return "Num Del";
    case VK_HOME:
        return "Num 7";
    case VK_END:
        return "Num 1";
    case VK_PRIOR:
        return "Num 9";
    case VK_NEXT:
        return "Num 3";
    case VK_LEFT:
        return "Left";
    case VK_RIGHT:
        return "Right";
    case VK_UP:
        return "Up";
    case VK_DOWN:
        return "Down";
    case VK_BACK:
        return "Backspace";
    case VK_TAB:
        return "Tab";
    case VK_RETURN:
        return "Enter";
    case VK_ESCAPE:
        return "Esc";
    case VK_SPACE:
        return "Space";
    case VK_MULTIPLY:
        return "Num *";
    case VK_ADD:
        return "Num +";
    case VK_SUBTRACT:
        return "Num -";
    case VK_DIVIDE:
        return "Num /";
    default:
        break;
    }
    const int key = AfxVirtualKeyToQtKey(vk);
    return key ? QKeySequence(key).toString(QKeySequence::PortableText).toStdString() : CString();
}

CString CCoolMenuManager::GetVirtualKeyName(const CString& layoutName) {
    static const std::pair<const char*, const char*> names[] = {{"Num 7", "Home"}, {"Num 1", "End"},
                                                                {"Num 9", "PgUp"}, {"Num 3", "PgDn"},
                                                                {"Num 0", "Ins"},  {"Num Del", "Del"}};
    for (const auto& [given, shown] : names)
        if (layoutName == given) return shown;
    return layoutName.substr(0, 64);
}

BOOL CCoolMenuManager::AppendAccelName(CString& text, UINT nID) const {
    text = textWithoutAccel(text);
    auto it = m_accel.find(nID);
    if (it == m_accel.end() || it->second.empty()) return FALSE;
    bool first = true;
    for (auto entry = it->second.rbegin(); entry != it->second.rend(); ++entry) {
        text += first ? "\t" : ", ";
        first = false;
        if (entry->fVirt & FALT) text += "Alt+";
        if (entry->fVirt & FCONTROL) text += "Ctrl+";
        if (entry->fVirt & FSHIFT) text += "Shift+";
        if (entry->fVirt & FVIRTKEY)
            text += GetVirtualKeyName(GetKeyLayoutName(entry->key));
        else
            text += static_cast<char>(entry->key);
    }
    return TRUE;
}

LRESULT CCoolMenuManager::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        Refresh();
        break;
    case WM_INITMENUPOPUP:
        // The frame sets the items' states first.
        Default();
        OnInitMenuPopup(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        break;
    default:
        break;
    }
    return CSubclassWnd::WindowProc(message, wParam, lParam);
}

void CCoolMenuManager::OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu) {
    if (m_bAutoAccel && m_pFrame && (!m_bAccelLoaded || m_pFrame->GetAccelTableID() != m_nIDAccel))
        LoadAccel(m_pFrame->GetAccelTableID());
    ConvertMenu(pMenu, nIndex, bSysMenu, TRUE);
}

void CCoolMenuManager::OnMenuSelect(UINT, UINT nFlags, HMENU hSysMenu) {
    if (hSysMenu || nFlags != 0xFFFF) return;
    std::vector<QPointer<QMenu>> converted;
    converted.swap(m_converted);
    for (const QPointer<QMenu>& menu : converted) {
        if (!menu) continue;
        CMenu* cmenu = CMenu::FromHandle(menu.data());
        ConvertMenu(cmenu, 0, FALSE, FALSE);
    }
}

void CCoolMenuManager::ConvertMenu(CMenu* pMenu, UINT, BOOL bSysMenu, BOOL bToOwnerDraw) {
    QMenu* menu = pMenu ? pMenu->GetQMenu() : nullptr;
    if (!menu) return;
    bool converted = false;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || isForeign(action)) continue;
        const UINT id = action->menu() ? 0 : action->data().toUInt();
        if (bSysMenu && id >= 0xF000) continue;
        CString text = action->text().toStdString();
        if (bToOwnerDraw) {
            if (!isOurs(action)) {
                action->setProperty(kRecordProperty, true);
                action->setProperty(kTextProperty, QString::fromStdString(textWithoutAccel(text)));
                const int image = GetButtonIndex(static_cast<WORD>(id));
                if (m_bShowButtons && id && image >= 0 && image < static_cast<int>(m_images.size()) &&
                    action->icon().isNull()) {
                    action->setIcon(m_images[static_cast<size_t>(image)]);
                    action->setProperty(kIconProperty, true);
                }
            }
            text = action->property(kTextProperty).toString().toStdString();
            converted = true;
        } else if (isOurs(action)) {
            text = action->property(kTextProperty).toString().toStdString();
            if (action->property(kIconProperty).toBool()) action->setIcon(QIcon());
            action->setProperty(kRecordProperty, QVariant());
            action->setProperty(kTextProperty, QVariant());
            action->setProperty(kIconProperty, QVariant());
        }
        if (m_bAutoAccel && id) AppendAccelName(text, id);
        const QString newText = QString::fromStdString(text);
        if (action->text() != newText) action->setText(newText);
    }
    if (converted && std::find(m_converted.begin(), m_converted.end(), menu) == m_converted.end())
        m_converted.push_back(menu);
}
