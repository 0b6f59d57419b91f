#pragma once
// Command targets and their message maps. A class lists the commands it handles,
// the update handlers that set the state of menu items, toolbar buttons and
// status-bar panes, and the window messages it answers:
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
//       ON_MESSAGE(WM_USER + 5, &AFoo::OnNotify)                        // LRESULT (WPARAM, LPARAM)
//   END_MESSAGE_MAP()
//
// A map is searched from the most derived class to the base; the first entry
// that matches handles the command. An ON_COMMAND_EX handler that returns FALSE
// lets the command go on to the next target of the route.
#include "platform/core/CObject.h"
#include "platform/core/WinTypes.h"
#include "platform/ui/WinUi.h"

class CCmdTarget;
class CCmdUI;

// Notification codes of OnCmdMsg.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

enum class AfxEntryKind { end, command, commandEx, update, message };

struct AFX_MSGMAP_ENTRY {
    AfxEntryKind kind = AfxEntryKind::end;
    UINT nID = 0;     // the first command id, or the message
    UINT nLastID = 0; // the last command id of the range
    void (*pfnCommand)(CCmdTarget*, UINT) = nullptr;
    BOOL (*pfnCommandEx)(CCmdTarget*, UINT) = nullptr;
    void (*pfnUpdate)(CCmdTarget*, CCmdUI*) = nullptr;
    LRESULT (*pfnMessage)(CCmdTarget*, WPARAM, LPARAM) = nullptr;

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

#define ON_COMMAND_RANGE(idFirst, idLast, memberFxn)                                                         \
    AFX_MSGMAP_ENTRY{AfxEntryKind::command, static_cast<UINT>(idFirst), static_cast<UINT>(idLast),           \
                     [](CCmdTarget* t, UINT id) { (static_cast<ThisClass*>(t)->*(memberFxn))(id); }},

#define ON_COMMAND(id, memberFxn)                                                                            \
    AFX_MSGMAP_ENTRY{AfxEntryKind::command, static_cast<UINT>(id), static_cast<UINT>(id),                    \
                     [](CCmdTarget* t, UINT) { (static_cast<ThisClass*>(t)->*(memberFxn))(); }},

#define ON_COMMAND_EX_RANGE(idFirst, idLast, memberFxn)                                                      \
    AFX_MSGMAP_ENTRY{                                                                                        \
        AfxEntryKind::commandEx, static_cast<UINT>(idFirst), static_cast<UINT>(idLast), nullptr,             \
        [](CCmdTarget* t, UINT id) -> BOOL { return (static_cast<ThisClass*>(t)->*(memberFxn))(id); }},

#define ON_COMMAND_EX(id, memberFxn) ON_COMMAND_EX_RANGE(id, id, memberFxn)

#define ON_UPDATE_COMMAND_UI_RANGE(idFirst, idLast, memberFxn)                                               \
    AFX_MSGMAP_ENTRY{AfxEntryKind::update,                                                                   \
                     static_cast<UINT>(idFirst),                                                             \
                     static_cast<UINT>(idLast),                                                              \
                     nullptr,                                                                                \
                     nullptr,                                                                                \
                     [](CCmdTarget* t, CCmdUI* ui) { (static_cast<ThisClass*>(t)->*(memberFxn))(ui); }},

#define ON_UPDATE_COMMAND_UI(id, memberFxn) ON_UPDATE_COMMAND_UI_RANGE(id, id, memberFxn)

#define ON_MESSAGE(msg, memberFxn)                                                                           \
    AFX_MSGMAP_ENTRY{AfxEntryKind::message,                                                                  \
                     static_cast<UINT>(msg),                                                                 \
                     static_cast<UINT>(msg),                                                                 \
                     nullptr,                                                                                \
                     nullptr,                                                                                \
                     nullptr,                                                                                \
                     [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {                                      \
                         return (static_cast<ThisClass*>(t)->*(memberFxn))(w, l);                            \
                     }},
