#pragma once
// Command targets and their message maps. A class lists the commands it handles,
// the update handlers that set the state of menu items, toolbar buttons and
// status-bar panes, the notifications of its child controls and the window
// messages it answers:
//
//   class AFoo : public CCmdTarget {
//       ...
//       DECLARE_MESSAGE_MAP()
//   };
//
//   BEGIN_MESSAGE_MAP(AFoo, CCmdTarget)
//       ON_COMMAND(ID_FILE_NEW, &AFoo::OnFileNew)                       // void ()
//       ON_UPDATE_COMMAND_UI(ID_FILE_NEW, &AFoo::OnUpdateFileNew)       // void (CCmdUI*)
//       ON_COMMAND_RANGE(100, 120, &AFoo::OnSomething)                  // void (UINT id)
//       ON_COMMAND_EX(ID_VIEW_X, &AFoo::OnViewX)                        // BOOL (UINT id)
//       ON_UPDATE_COMMAND_UI_RANGE(100, 120, &AFoo::OnUpdateSomething)  // void (CCmdUI*)
//       ON_MESSAGE(WM_USER + 5, &AFoo::OnTold)                          // LRESULT (WPARAM, LPARAM)
//       ON_EN_CHANGE(IDC_NAME, &AFoo::OnChangeName)                     // void ()
//       ON_CONTROL_RANGE(BN_CLICKED, 200, 210, &AFoo::OnOption)         // void (UINT id)
//       ON_NOTIFY(NM_DBLCLK, IDC_TREE, &AFoo::OnDblClkTree)             // void (NMHDR*, LRESULT*)
//       ON_NOTIFY_RANGE(NM_CLICK, 300, 310, &AFoo::OnClickCell)         // void (UINT id, NMHDR*, LRESULT*)
//   END_MESSAGE_MAP()
//
// A map is searched from the most derived class to the base; the first entry
// that matches handles the command. An ON_COMMAND_EX handler that returns FALSE
// lets the command go on to the next target of the route.
//
// Notify handlers may take the control's own record instead of NMHDR (a struct
// that starts with the header): void (NM_GRIDVIEW*, LRESULT*).
//
// A control answers its own notifications with the _REFLECT forms in its map
// (ON_CONTROL_REFLECT, ON_EN_CHANGE_REFLECT, ON_NOTIFY_REFLECT, ...): the parent
// offers every notification to the control first, and only one the control did
// not take (or an _EX handler returned FALSE for) reaches the parent's map.
#include "platform/core/CObject.h"
#include "platform/core/WinTypes.h"
#include "platform/ui/WinUi.h"

#include <type_traits>

class CCmdTarget;
class CCmdUI;

// Notification codes of OnCmdMsg. A control's notification in WM_COMMAND comes
// with its code (BN_CLICKED, EN_CHANGE, ...); one in WM_NOTIFY with
// MAKELONG(code, WM_NOTIFY) and the AFX_NOTIFY as pExtra; reflected ones with
// WM_REFLECT_BASE + WM_COMMAND or + WM_NOTIFY in the high word.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

struct AFX_NOTIFY {
    LRESULT* pResult = nullptr;
    NMHDR* pNMHDR = nullptr;
};

enum class AfxEntryKind { end, command, commandEx, update, message, notify, notifyEx };

struct AFX_MSGMAP_ENTRY {
    AfxEntryKind kind = AfxEntryKind::end;
    UINT nID = 0;     // the first command or control id, or the message
    UINT nLastID = 0; // the last id of the range
    // The control's notification code (low word): CN_COMMAND for menu commands.
    UINT nCode = 0;
    // WM_COMMAND or WM_NOTIFY for a control's notification to its parent; the same
    // plus WM_REFLECT_BASE for one the control answers itself.
    UINT nSig = 0;
    void (*pfnCommand)(CCmdTarget*, UINT) = nullptr;
    BOOL (*pfnCommandEx)(CCmdTarget*, UINT) = nullptr;
    void (*pfnUpdate)(CCmdTarget*, CCmdUI*) = nullptr;
    LRESULT (*pfnMessage)(CCmdTarget*, WPARAM, LPARAM) = nullptr;
    void (*pfnNotify)(CCmdTarget*, UINT, NMHDR*, LRESULT*) = nullptr;
    BOOL (*pfnNotifyEx)(CCmdTarget*, UINT, NMHDR*, LRESULT*) = nullptr;

    bool Matches(UINT id) const { return id >= nID && id <= nLastID; }
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled by OnCmdMsg when it is only asked whether a handler exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget = nullptr;
    const AFX_MSGMAP_ENTRY* pEntry = nullptr;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    ~CCmdTarget() override;

    // Offers a command (CN_COMMAND) or an update request (CN_UPDATE_COMMAND_UI,
    // pExtra is the CCmdUI) to this target. With pHandlerInfo, only reports
    // whether a command handler exists, without calling it. Derived targets
    // override it to route the command on to other targets.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Runs the ON_MESSAGE entry for a window message; FALSE when there is none.
    BOOL DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // The wait cursor (counted: every Begin needs an End).
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
};

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const AFX_MSGMAP* GetThisMessageMap();                                                            \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                                      \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                                        \
        using ThisClass [[maybe_unused]] = theClass;                                                         \
        using TheBaseClass = baseClass;                                                                      \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    AFX_MSGMAP_ENTRY {}                                                                                      \
    }                                                                                                        \
    ;                                                                                                        \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};            \
    return &messageMap;                                                                                      \
    }

// The record of a notification as the handler declares it.
template <class R> R* AfxNotifyRecord(NMHDR* pNMHDR) {
    if constexpr (std::is_base_of_v<NMHDR, R>) {
        return static_cast<R*>(pNMHDR);
    } else {
        static_assert(std::is_standard_layout_v<R>, "a notification record starts with its NMHDR");
        return reinterpret_cast<R*>(pNMHDR);
    }
}
template <class T, class C, class R>
void AfxCallNotify(T* target, void (C::*fn)(R*, LRESULT*), NMHDR* pNMHDR, LRESULT* pResult) {
    (target->*fn)(AfxNotifyRecord<R>(pNMHDR), pResult);
}
template <class T, class C, class R>
void AfxCallNotify(T* target, void (C::*fn)(UINT, R*, LRESULT*), UINT id, NMHDR* pNMHDR, LRESULT* pResult) {
    (target->*fn)(id, AfxNotifyRecord<R>(pNMHDR), pResult);
}
template <class T, class C, class R>
BOOL AfxCallNotifyEx(T* target, BOOL (C::*fn)(R*, LRESULT*), NMHDR* pNMHDR, LRESULT* pResult) {
    return (target->*fn)(AfxNotifyRecord<R>(pNMHDR), pResult);
}
template <class T, class C, class R>
BOOL AfxCallNotifyEx(T* target, BOOL (C::*fn)(UINT, R*, LRESULT*), UINT id, NMHDR* pNMHDR, LRESULT* pResult) {
    return (target->*fn)(id, AfxNotifyRecord<R>(pNMHDR), pResult);
}

// --- commands ---------------------------------------------------------------------------------------

#define ON_COMMAND_RANGE(idFirst, idLast, memberFxn)                                                         \
    AFX_MSGMAP_ENTRY{                                                                                        \
        .kind = AfxEntryKind::command,                                                                       \
        .nID = static_cast<UINT>(idFirst),                                                                   \
        .nLastID = static_cast<UINT>(idLast),                                                                \
        .pfnCommand = [](CCmdTarget* t, UINT id) { (static_cast<ThisClass*>(t)->*(memberFxn))(id); }},

#define ON_COMMAND(id, memberFxn)                                                                            \
    AFX_MSGMAP_ENTRY{                                                                                        \
        .kind = AfxEntryKind::command,                                                                       \
        .nID = static_cast<UINT>(id),                                                                        \
        .nLastID = static_cast<UINT>(id),                                                                    \
        .pfnCommand = [](CCmdTarget* t, UINT) { (static_cast<ThisClass*>(t)->*(memberFxn))(); }},

#define ON_COMMAND_EX_RANGE(idFirst, idLast, memberFxn)                                                      \
    AFX_MSGMAP_ENTRY{.kind = AfxEntryKind::commandEx,                                                        \
                     .nID = static_cast<UINT>(idFirst),                                                      \
                     .nLastID = static_cast<UINT>(idLast),                                                   \
                     .pfnCommandEx = [](CCmdTarget* t, UINT id) -> BOOL {                                    \
                         return (static_cast<ThisClass*>(t)->*(memberFxn))(id);                              \
                     }},

#define ON_COMMAND_EX(id, memberFxn) ON_COMMAND_EX_RANGE(id, id, memberFxn)

#define ON_UPDATE_COMMAND_UI_RANGE(idFirst, idLast, memberFxn)                                               \
    AFX_MSGMAP_ENTRY{                                                                                        \
        .kind = AfxEntryKind::update,                                                                        \
        .nID = static_cast<UINT>(idFirst),                                                                   \
        .nLastID = static_cast<UINT>(idLast),                                                                \
        .pfnUpdate = [](CCmdTarget* t, CCmdUI* ui) { (static_cast<ThisClass*>(t)->*(memberFxn))(ui); }},

#define ON_UPDATE_COMMAND_UI(id, memberFxn) ON_UPDATE_COMMAND_UI_RANGE(id, id, memberFxn)

#define ON_MESSAGE(msg, memberFxn)                                                                           \
    AFX_MSGMAP_ENTRY{.kind = AfxEntryKind::message,                                                          \
                     .nID = static_cast<UINT>(msg),                                                          \
                     .nLastID = static_cast<UINT>(msg),                                                      \
                     .pfnMessage = [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {                        \
                         return (static_cast<ThisClass*>(t)->*(memberFxn))(w, l);                            \
                     }},

// A control's own colours: HBRUSH CtlColor(CDC* pDC, UINT nCtlColor), asked
// before the parent's OnCtlColor; a null brush lets the parent choose.
#define ON_WM_CTLCOLOR_REFLECT()                                                                             \
    AFX_MSGMAP_ENTRY{.kind = AfxEntryKind::message,                                                          \
                     .nID = WM_REFLECT_BASE + WM_CTLCOLOR,                                                   \
                     .nLastID = WM_REFLECT_BASE + WM_CTLCOLOR,                                               \
                     .pfnMessage = [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {                        \
                         return reinterpret_cast<LRESULT>(static_cast<ThisClass*>(t)->CtlColor(              \
                             reinterpret_cast<CDC*>(w), static_cast<UINT>(l)));                              \
                     }},

// --- notifications of child controls in WM_COMMAND ---------------------------------------------------

#define ON_CONTROL_RANGE(wNotifyCode, idFirst, idLast, memberFxn)                                            \
    AFX_MSGMAP_ENTRY{                                                                                        \
        .kind = AfxEntryKind::command,                                                                       \
        .nID = static_cast<UINT>(idFirst),                                                                   \
        .nLastID = static_cast<UINT>(idLast),                                                                \
        .nCode = static_cast<WORD>(wNotifyCode),                                                             \
        .nSig = WM_COMMAND,                                                                                  \
        .pfnCommand = [](CCmdTarget* t, UINT id) { (static_cast<ThisClass*>(t)->*(memberFxn))(id); }},

#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                               \
    AFX_MSGMAP_ENTRY{                                                                                        \
        .kind = AfxEntryKind::command,                                                                       \
        .nID = static_cast<UINT>(id),                                                                        \
        .nLastID = static_cast<UINT>(id),                                                                    \
        .nCode = static_cast<WORD>(wNotifyCode),                                                             \
        .nSig = WM_COMMAND,                                                                                  \
        .pfnCommand = [](CCmdTarget* t, UINT) { (static_cast<ThisClass*>(t)->*(memberFxn))(); }},

#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                           \
    AFX_MSGMAP_ENTRY{                                                                                        \
        .kind = AfxEntryKind::command,                                                                       \
        .nID = 0,                                                                                            \
        .nLastID = 0xFFFFFFFF,                                                                               \
        .nCode = static_cast<WORD>(wNotifyCode),                                                             \
        .nSig = WM_REFLECT_BASE + WM_COMMAND,                                                                \
        .pfnCommand = [](CCmdTarget* t, UINT) { (static_cast<ThisClass*>(t)->*(memberFxn))(); }},

// BOOL (): FALSE lets the parent see the notification too.
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                        \
    AFX_MSGMAP_ENTRY{.kind = AfxEntryKind::commandEx,                                                        \
                     .nID = 0,                                                                               \
                     .nLastID = 0xFFFFFFFF,                                                                  \
                     .nCode = static_cast<WORD>(wNotifyCode),                                                \
                     .nSig = WM_REFLECT_BASE + WM_COMMAND,                                                   \
                     .pfnCommandEx = [](CCmdTarget* t, UINT) -> BOOL {                                       \
                         return (static_cast<ThisClass*>(t)->*(memberFxn))();                                \
                     }},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)

#define ON_BN_CLICKED_REFLECT(memberFxn) ON_CONTROL_REFLECT(BN_CLICKED, memberFxn)
#define ON_EN_CHANGE_REFLECT(memberFxn) ON_CONTROL_REFLECT(EN_CHANGE, memberFxn)
#define ON_EN_UPDATE_REFLECT(memberFxn) ON_CONTROL_REFLECT(EN_UPDATE, memberFxn)
#define ON_EN_KILLFOCUS_REFLECT(memberFxn) ON_CONTROL_REFLECT(EN_KILLFOCUS, memberFxn)
#define ON_CBN_SELCHANGE_REFLECT(memberFxn) ON_CONTROL_REFLECT(CBN_SELCHANGE, memberFxn)
#define ON_CBN_DROPDOWN_REFLECT(memberFxn) ON_CONTROL_REFLECT(CBN_DROPDOWN, memberFxn)
#define ON_CBN_CLOSEUP_REFLECT(memberFxn) ON_CONTROL_REFLECT(CBN_CLOSEUP, memberFxn)
#define ON_CBN_EDITCHANGE_REFLECT(memberFxn) ON_CONTROL_REFLECT(CBN_EDITCHANGE, memberFxn)
#define ON_CBN_KILLFOCUS_REFLECT(memberFxn) ON_CONTROL_REFLECT(CBN_KILLFOCUS, memberFxn)
#define ON_LBN_SELCHANGE_REFLECT(memberFxn) ON_CONTROL_REFLECT(LBN_SELCHANGE, memberFxn)
#define ON_LBN_DBLCLK_REFLECT(memberFxn) ON_CONTROL_REFLECT(LBN_DBLCLK, memberFxn)

// --- notifications of child controls in WM_NOTIFY ----------------------------------------------------

#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                \
    AFX_MSGMAP_ENTRY{.kind = AfxEntryKind::notify,                                                           \
                     .nID = static_cast<UINT>(id),                                                           \
                     .nLastID = static_cast<UINT>(id),                                                       \
                     .nCode = static_cast<WORD>(wNotifyCode),                                                \
                     .nSig = WM_NOTIFY,                                                                      \
                     .pfnNotify = [](CCmdTarget* t, UINT, NMHDR* pNMHDR, LRESULT* pResult) {                 \
                         AfxCallNotify(static_cast<ThisClass*>(t), memberFxn, pNMHDR, pResult);              \
                     }},

#define ON_NOTIFY_RANGE(wNotifyCode, idFirst, idLast, memberFxn)                                             \
    AFX_MSGMAP_ENTRY{.kind = AfxEntryKind::notify,                                                           \
                     .nID = static_cast<UINT>(idFirst),                                                      \
                     .nLastID = static_cast<UINT>(idLast),                                                   \
                     .nCode = static_cast<WORD>(wNotifyCode),                                                \
                     .nSig = WM_NOTIFY,                                                                      \
                     .pfnNotify = [](CCmdTarget* t, UINT id, NMHDR* pNMHDR, LRESULT* pResult) {              \
                         AfxCallNotify(static_cast<ThisClass*>(t), memberFxn, id, pNMHDR, pResult);          \
                     }},

// BOOL (UINT id, NMHDR*, LRESULT*): FALSE lets the notification go on along the route.
#define ON_NOTIFY_EX_RANGE(wNotifyCode, idFirst, idLast, memberFxn)                                          \
    AFX_MSGMAP_ENTRY{.kind = AfxEntryKind::notifyEx,                                                         \
                     .nID = static_cast<UINT>(idFirst),                                                      \
                     .nLastID = static_cast<UINT>(idLast),                                                   \
                     .nCode = static_cast<WORD>(wNotifyCode),                                                \
                     .nSig = WM_NOTIFY,                                                                      \
                     .pfnNotifyEx = [](CCmdTarget* t, UINT id, NMHDR* pNMHDR, LRESULT* pResult) -> BOOL {    \
                         return AfxCallNotifyEx(static_cast<ThisClass*>(t), memberFxn, id, pNMHDR, pResult); \
                     }},

#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) ON_NOTIFY_EX_RANGE(wNotifyCode, id, id, memberFxn)

#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                            \
    AFX_MSGMAP_ENTRY{.kind = AfxEntryKind::notify,                                                           \
                     .nID = 0,                                                                               \
                     .nLastID = 0xFFFFFFFF,                                                                  \
                     .nCode = static_cast<WORD>(wNotifyCode),                                                \
                     .nSig = WM_REFLECT_BASE + WM_NOTIFY,                                                    \
                     .pfnNotify = [](CCmdTarget* t, UINT, NMHDR* pNMHDR, LRESULT* pResult) {                 \
                         AfxCallNotify(static_cast<ThisClass*>(t), memberFxn, pNMHDR, pResult);              \
                     }},

// BOOL (NMHDR*, LRESULT*): FALSE lets the parent see the notification too.
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                         \
    AFX_MSGMAP_ENTRY{.kind = AfxEntryKind::notifyEx,                                                         \
                     .nID = 0,                                                                               \
                     .nLastID = 0xFFFFFFFF,                                                                  \
                     .nCode = static_cast<WORD>(wNotifyCode),                                                \
                     .nSig = WM_REFLECT_BASE + WM_NOTIFY,                                                    \
                     .pfnNotifyEx = [](CCmdTarget* t, UINT, NMHDR* pNMHDR, LRESULT* pResult) -> BOOL {       \
                         return AfxCallNotifyEx(static_cast<ThisClass*>(t), memberFxn, pNMHDR, pResult);     \
                     }},
