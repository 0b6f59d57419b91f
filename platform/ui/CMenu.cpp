#include "platform/ui/CMenu.h"

#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWnd.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <memory>

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {

const char* const kOwnerProperty = "strakonMenuOwner";
const char* const kConnectedProperty = "strakonMenuConnected";
const char* const kTrackedProperty = "strakonMenuTracked";
const char* const kRadioGroupName = "strakonRadioGroup";

// Keeps the lasting CMenu object of a Qt menu; dies with the menu.
class CMenuHolder : public QObject {
public:
    explicit CMenuHolder(QMenu* menu) : QObject(menu) {
        setObjectName("strakonMenuHolder");
        m_wrapper = std::make_unique<CMenu>();
        m_wrapper->Attach(menu);
    }
    CMenu* wrapper() const { return m_wrapper.get(); }

private:
    std::unique_ptr<CMenu> m_wrapper;
};

HWND ownerHandle(const QObject* menu) {
    const QVariant v = menu->property(kOwnerProperty);
    return v.isValid() ? reinterpret_cast<HWND>(static_cast<std::uintptr_t>(v.value<quintptr>())) : nullptr;
}

// What holds a popup: the menu it is an item of, else the menu bar that shows it
// (a frame's bar shows the items of its menu), else nothing.
QWidget* holderOf(QMenu* menu) {
    QWidget* bar = nullptr;
    for (QObject* o : menu->menuAction()->associatedObjects()) {
        if (auto* m = qobject_cast<QMenu*>(o); m && m != menu) return m;
        if (auto* b = qobject_cast<QMenuBar*>(o)) bar = b;
    }
    return bar;
}

// The window a menu reports to: its own owner, else the owner of a menu (or the
// frame of the menu bar) that holds it.
CWnd* findMenuOwner(QMenu* menu) {
    for (int depth = 0; menu && depth < 32; ++depth) {
        if (HWND h = ownerHandle(menu)) return CWnd::FromHandle(h);
        QWidget* holder = holderOf(menu);
        if (auto* bar = qobject_cast<QMenuBar*>(holder)) return CWnd::FromWidget(bar->window());
        menu = qobject_cast<QMenu*>(holder);
    }
    return nullptr;
}

QMenu* menuOf(QAction* action) {
    for (QObject* o : action->associatedObjects())
        if (auto* m = qobject_cast<QMenu*>(o)) return m;
    return nullptr;
}

bool isTracked(QMenu* menu) {
    for (int depth = 0; menu && depth < 32; ++depth) {
        if (menu->property(kTrackedProperty).toBool()) return true;
        menu = qobject_cast<QMenu*>(holderOf(menu));
    }
    return false;
}

int indexInParent(QMenu* menu) {
    QWidget* holder = holderOf(menu);
    return holder ? holder->actions().indexOf(menu->menuAction()) : 0;
}

// A popup of the menu bar, or one shown on its own; not a submenu of another popup.
bool isTopPopup(QMenu* menu) {
    bool inMenu = false;
    for (QObject* o : menu->menuAction()->associatedObjects()) {
        if (qobject_cast<QMenuBar*>(o)) return true;
        if (auto* m = qobject_cast<QMenu*>(o); m && m != menu) inMenu = true;
    }
    return !inMenu;
}

void connectAction(QAction* action) {
    QObject::connect(action, &QAction::triggered, action, [action]() {
        QMenu* menu = menuOf(action);
        // A tracked popup reports its choice itself, after it closed.
        if (!menu || isTracked(menu)) return;
        if (CWnd* owner = findMenuOwner(menu))
            owner->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(action->data().toUInt()), 0), 0);
    });
    QObject::connect(action, &QAction::hovered, action, [action]() {
        QMenu* menu = menuOf(action);
        if (!menu) return;
        CWnd* owner = findMenuOwner(menu);
        if (!owner) return;
        UINT flags = 0;
        UINT item = action->data().toUInt();
        if (action->menu()) {
            flags |= MF_POPUP;
            item = static_cast<UINT>(menu->actions().indexOf(action));
        }
        if (action->isSeparator()) flags |= MF_SEPARATOR;
        if (!action->isEnabled()) flags |= MF_GRAYED;
        if (action->isChecked()) flags |= MF_CHECKED;
        owner->SendMessage(WM_MENUSELECT, MAKEWPARAM(static_cast<int>(item), static_cast<int>(flags)),
                           reinterpret_cast<LPARAM>(menu));
    });
}

void connectMenu(QMenu* menu) {
    if (!menu || menu->property(kConnectedProperty).toBool()) return;
    menu->setProperty(kConnectedProperty, true);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu]() {
        // TrackPopupMenu announces its popup itself.
        if (menu->property(kTrackedProperty).toBool()) return;
        if (CWnd* owner = findMenuOwner(menu))
            owner->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                               MAKELPARAM(indexInParent(menu), 0));
    });
    QObject::connect(menu, &QMenu::aboutToHide, menu, [menu]() {
        if (!isTopPopup(menu) || menu->property(kTrackedProperty).toBool()) return;
        if (CWnd* owner = findMenuOwner(menu)) {
            owner->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
            owner->SendMessage(WM_EXITMENULOOP, FALSE, 0);
        }
    });
    for (QAction* action : menu->actions()) {
        if (action->menu()) connectMenu(action->menu());
    }
}

QMenu* newMenu() {
    auto* menu = new QMenu();
    connectMenu(menu);
    return menu;
}

// The item by position, or by command anywhere in the menu and its popups.
QAction* findItem(QMenu* menu, UINT nItem, UINT nFlags, QMenu** container = nullptr) {
    if (!menu) return nullptr;
    const QList<QAction*> actions = menu->actions();
    if (nFlags & MF_BYPOSITION) {
        if (nItem >= static_cast<UINT>(actions.size())) return nullptr;
        if (container) *container = menu;
        return actions[static_cast<int>(nItem)];
    }
    for (QAction* a : actions) {
        if (a->menu()) {
            if (QAction* inner = findItem(a->menu(), nItem, nFlags, container)) return inner;
        } else if (!a->isSeparator() && a->data().toUInt() == nItem) {
            if (container) *container = menu;
            return a;
        }
    }
    return nullptr;
}

void setRadio(QAction* action, bool radio) {
    auto* group = action->findChild<QActionGroup*>(kRadioGroupName, Qt::FindDirectChildrenOnly);
    if (radio) {
        if (!group) {
            group = new QActionGroup(action);
            group->setObjectName(kRadioGroupName);
            group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        }
        action->setActionGroup(group);
        action->setCheckable(true);
    } else if (group) {
        action->setActionGroup(nullptr);
        delete group;
    }
}

void applyState(QAction* action, UINT nFlags) {
    action->setEnabled(!(nFlags & (MF_GRAYED | MF_DISABLED)));
    if (nFlags & MF_CHECKED) {
        action->setCheckable(true);
        action->setChecked(true);
    }
    if (nFlags & MFT_RADIOCHECK) setRadio(action, true);
}

// Builds the action of a new item; a popup's action is its menu's own.
QAction* makeItem(QMenu* parent, UINT nFlags, UINT_PTR nIDNewItem, const char* text) {
    const QString label = QString::fromUtf8(text ? text : "");
    if (nFlags & MF_SEPARATOR) {
        auto* action = new QAction(parent);
        action->setSeparator(true);
        action->setData(0u);
        return action;
    }
    if (nFlags & MF_POPUP) {
        auto* popup = reinterpret_cast<QMenu*>(nIDNewItem);
        if (!popup) return nullptr;
        popup->setParent(parent, popup->windowFlags());
        popup->setTitle(label);
        connectMenu(popup);
        QAction* action = popup->menuAction();
        action->setData(static_cast<uint>(-1));
        applyState(action, nFlags);
        return action;
    }
    auto* action = new QAction(label, parent);
    action->setData(static_cast<uint>(nIDNewItem));
    applyState(action, nFlags);
    connectAction(action);
    return action;
}

void buildItems(QMenu* menu, const std::vector<CMenuItemDef>& items) {
    for (const CMenuItemDef& item : items) {
        if (item.flags & MF_POPUP || !item.items.empty()) {
            QMenu* popup = newMenu();
            buildItems(popup, item.items);
            menu->addAction(makeItem(menu, MF_POPUP | (item.flags & ~MF_POPUP),
                                     reinterpret_cast<UINT_PTR>(popup), item.text.c_str()));
        } else {
            menu->addAction(makeItem(menu, item.flags, item.id, item.text.c_str()));
        }
    }
}

} // namespace

CMenu::CMenu() = default;

QMenu* CMenu::GetQMenu() const {
    return static_cast<QMenu*>(m_menu.data());
}

CMenu::~CMenu() {
    if (m_bOwns && m_menu) delete GetQMenu();
}

void CMenu::Take(QMenu* menu, bool owns) {
    m_menu = menu;
    m_hMenu = menu;
    m_bOwns = owns;
}

CMenu* CMenu::FromHandle(HMENU hMenu) {
    if (!hMenu) return nullptr;
    connectMenu(hMenu);
    auto* holder = hMenu->findChild<CMenuHolder*>("strakonMenuHolder", Qt::FindDirectChildrenOnly);
    if (!holder) holder = new CMenuHolder(hMenu);
    return holder->wrapper();
}

BOOL CMenu::CreateMenu() {
    return CreatePopupMenu();
}

BOOL CMenu::CreatePopupMenu() {
    if (GetQMenu()) return FALSE;
    Take(newMenu(), true);
    return TRUE;
}

BOOL CMenu::LoadMenu(UINT nIDResource) {
    const std::vector<CMenuItemDef>* items = CResources::Instance().FindMenu(nIDResource);
    if (!items) return FALSE;
    return LoadMenuIndirect(*items);
}

BOOL CMenu::LoadMenuIndirect(const std::vector<CMenuItemDef>& items) {
    if (GetQMenu()) return FALSE;
    QMenu* menu = newMenu();
    buildItems(menu, items);
    Take(menu, true);
    return TRUE;
}

BOOL CMenu::DestroyMenu() {
    QMenu* menu = GetQMenu();
    if (!menu) return FALSE;
    m_menu = nullptr;
    m_hMenu = nullptr;
    m_bOwns = false;
    delete menu;
    return TRUE;
}

BOOL CMenu::Attach(HMENU hMenu) {
    if (GetQMenu() || !hMenu) return FALSE;
    connectMenu(hMenu);
    Take(hMenu, false);
    return TRUE;
}

HMENU CMenu::Detach() {
    QMenu* menu = GetQMenu();
    m_menu = nullptr;
    m_hMenu = nullptr;
    m_bOwns = false;
    return menu;
}

UINT CMenu::GetMenuItemCount() const {
    QMenu* menu = GetQMenu();
    return menu ? static_cast<UINT>(menu->actions().size()) : static_cast<UINT>(-1);
}

UINT CMenu::GetMenuItemID(int nPos) const {
    QAction* a = findItem(GetQMenu(), static_cast<UINT>(nPos), MF_BYPOSITION);
    if (!a) return static_cast<UINT>(-1);
    if (a->menu()) return static_cast<UINT>(-1);
    if (a->isSeparator()) return 0;
    return a->data().toUInt();
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const {
    QAction* a = findItem(GetQMenu(), nID, nFlags);
    if (!a) return static_cast<UINT>(-1);
    UINT state = 0;
    if (a->isSeparator()) state |= MF_SEPARATOR;
    if (!a->isEnabled()) state |= MF_GRAYED | MF_DISABLED;
    if (a->isCheckable() && a->isChecked()) state |= MF_CHECKED;
    if (a->actionGroup()) state |= MFT_RADIOCHECK;
    if (a->menu()) state |= MF_POPUP | (static_cast<UINT>(a->menu()->actions().size() & 0xFF) << 8);
    return state;
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
    rString.Empty();
    QAction* a = findItem(GetQMenu(), nIDItem, nFlags);
    if (!a || a->isSeparator()) return 0;
    rString = a->text().toUtf8().toStdString();
    return rString.GetLength();
}

CMenu* CMenu::GetSubMenu(int nPos) const {
    QAction* a = findItem(GetQMenu(), static_cast<UINT>(nPos), MF_BYPOSITION);
    return a && a->menu() ? FromHandle(a->menu()) : nullptr;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem) {
    return InsertMenu(static_cast<UINT>(-1), nFlags | MF_BYPOSITION, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem) {
    QMenu* menu = GetQMenu();
    if (!menu) return FALSE;
    QMenu* container = menu;
    QAction* before = nullptr;
    if (nFlags & MF_BYPOSITION) {
        const QList<QAction*> actions = menu->actions();
        if (nPosition < static_cast<UINT>(actions.size())) before = actions[static_cast<int>(nPosition)];
    } else {
        before = findItem(menu, nPosition, MF_BYCOMMAND, &container);
        if (!before) return FALSE;
    }
    QAction* action = makeItem(container, nFlags, nIDNewItem, lpszNewItem);
    if (!action) return FALSE;
    container->insertAction(before, action);
    return TRUE;
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem) {
    QMenu* container = nullptr;
    QAction* old = findItem(GetQMenu(), nPosition, nFlags, &container);
    if (!old || !container) return FALSE;
    QAction* action = makeItem(container, nFlags & ~MF_BYPOSITION, nIDNewItem, lpszNewItem);
    if (!action) return FALSE;
    container->insertAction(old, action);
    container->removeAction(old);
    if (old->menu()) {
        if (old->menu() != reinterpret_cast<QMenu*>(nIDNewItem)) delete old->menu();
    } else {
        delete old;
    }
    return TRUE;
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) {
    QMenu* container = nullptr;
    QAction* a = findItem(GetQMenu(), nPosition, nFlags, &container);
    if (!a || !container) return FALSE;
    container->removeAction(a);
    if (QMenu* popup = a->menu())
        popup->setParent(nullptr, popup->windowFlags());
    else
        delete a;
    return TRUE;
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) {
    QMenu* container = nullptr;
    QAction* a = findItem(GetQMenu(), nPosition, nFlags, &container);
    if (!a || !container) return FALSE;
    container->removeAction(a);
    if (QMenu* popup = a->menu())
        delete popup;
    else
        delete a;
    return TRUE;
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
    QAction* a = findItem(GetQMenu(), nIDCheckItem, nCheck);
    if (!a) return static_cast<UINT>(-1);
    const UINT previous = a->isCheckable() && a->isChecked() ? MF_CHECKED : MF_UNCHECKED;
    if (nCheck & MF_CHECKED) {
        a->setCheckable(true);
        a->setChecked(true);
    } else {
        a->setChecked(false);
        if (!a->actionGroup()) a->setCheckable(false);
    }
    return previous;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
    QAction* a = findItem(GetQMenu(), nIDEnableItem, nEnable);
    if (!a) return static_cast<UINT>(-1);
    const UINT previous = a->isEnabled() ? MF_ENABLED : MF_GRAYED;
    a->setEnabled(!(nEnable & (MF_GRAYED | MF_DISABLED)));
    return previous;
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
    QMenu* menu = GetQMenu();
    if (!menu) return FALSE;
    bool found = false;
    for (UINT item = nIDFirst; item <= nIDLast; ++item) {
        QAction* a = findItem(menu, item, nFlags);
        if (!a) continue;
        if (item == nIDItem) {
            setRadio(a, true);
            a->setChecked(true);
            found = true;
        } else {
            a->setChecked(false);
        }
    }
    return found;
}

BOOL CMenu::SetMenuItemRadio(UINT nItem, UINT nFlags, BOOL bRadio) {
    QAction* a = findItem(GetQMenu(), nItem, nFlags);
    if (!a) return FALSE;
    setRadio(a, bRadio != FALSE);
    return TRUE;
}

BOOL CMenu::SetMenuItemText(UINT nItem, UINT nFlags, const char* lpszText) {
    QAction* a = findItem(GetQMenu(), nItem, nFlags);
    if (!a) return FALSE;
    a->setText(QString::fromUtf8(lpszText ? lpszText : ""));
    return TRUE;
}

QAction* CMenu::GetItemAction(UINT nItem, UINT nFlags) const {
    return findItem(GetQMenu(), nItem, nFlags);
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT) {
    QMenu* menu = GetQMenu();
    if (!menu || !pWnd) return FALSE;
    const HWND owner = pWnd->GetSafeHwnd();
    SetMenuOwner(menu, pWnd);
    menu->setProperty(kTrackedProperty, true);
    pWnd->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, 0));
    QAction* chosen = CPromptService::Instance().TrackPopupMenu(menu, x, y);
    QPointer<QMenu> alive(menu);
    if (alive) {
        alive->setProperty(kTrackedProperty, false);
        alive->setProperty(kOwnerProperty, QVariant());
    }
    const UINT id = chosen && !chosen->menu() && !chosen->isSeparator() ? chosen->data().toUInt() : 0;
    CWnd* target = CWnd::FromHandle(owner);
    if (target) target->SendMessage(WM_EXITMENULOOP, TRUE, 0);
    if (nFlags & TPM_RETURNCMD) return static_cast<BOOL>(id);
    if (id && target) target->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(id), 0), 0);
    return TRUE;
}

void CMenu::SetMenuOwner(HMENU hMenu, CWnd* pOwner) {
    if (!hMenu) return;
    connectMenu(hMenu);
    if (pOwner)
        hMenu->setProperty(kOwnerProperty,
                           QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(pOwner->m_hWnd)));
    else
        hMenu->setProperty(kOwnerProperty, QVariant());
}

CWnd* CMenu::GetMenuOwner(HMENU hMenu) {
    return hMenu ? findMenuOwner(hMenu) : nullptr;
}
