#include "platform/ui/CCmdTarget.h"
#include "platform/ui/CCmdUI.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CBaseTarget : public CCmdTarget {
public:
    std::vector<std::string> log;
    void OnOpen() { log.push_back("base open"); }
    void OnClose() { log.push_back("base close"); }
    void OnUpdateOpen(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CCmdTarget)
ON_COMMAND(1, &CBaseTarget::OnOpen)
ON_COMMAND(2, &CBaseTarget::OnClose)
ON_UPDATE_COMMAND_UI(1, &CBaseTarget::OnUpdateOpen)
END_MESSAGE_MAP()

class CDerivedTarget : public CBaseTarget {
public:
    void OnOpenHere() { log.push_back("derived open"); }
    void OnColour(UINT id) { log.push_back("colour " + std::to_string(id)); }
    BOOL OnMaybe(UINT id) {
        log.push_back("maybe " + std::to_string(id));
        return id == 30;
    }
    void OnUpdateColour(CCmdUI* pCmdUI) {
        if (pCmdUI->m_nID == 12)
            pCmdUI->ContinueRouting();
        else
            pCmdUI->SetCheck(1);
    }
    LRESULT OnNotify(WPARAM w, LPARAM l) { return static_cast<LRESULT>(w) + l; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
ON_COMMAND(1, &CDerivedTarget::OnOpenHere)
ON_COMMAND_RANGE(10, 19, &CDerivedTarget::OnColour)
ON_UPDATE_COMMAND_UI_RANGE(10, 19, &CDerivedTarget::OnUpdateColour)
ON_COMMAND_EX_RANGE(30, 31, &CDerivedTarget::OnMaybe)
ON_MESSAGE(WM_USER + 7, &CDerivedTarget::OnNotify)
END_MESSAGE_MAP()

TEST(CCmdTarget, MostDerivedEntryHandlesACommandAndBaseEntriesStillServe) {
    CDerivedTarget target;
    EXPECT_TRUE(target.OnCmdMsg(1, CN_COMMAND, nullptr, nullptr));
    EXPECT_TRUE(target.OnCmdMsg(2, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(3, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(target.log, std::vector<std::string>({"derived open", "base close"}));
}

TEST(CCmdTarget, RangeHandlersGetTheCommandId) {
    CDerivedTarget target;
    EXPECT_TRUE(target.OnCmdMsg(10, CN_COMMAND, nullptr, nullptr));
    EXPECT_TRUE(target.OnCmdMsg(19, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(20, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(target.log, std::vector<std::string>({"colour 10", "colour 19"}));
}

TEST(CCmdTarget, ExtendedHandlerThatDeclinesLeavesTheCommandToTheNextTarget) {
    CDerivedTarget target;
    EXPECT_TRUE(target.OnCmdMsg(30, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(31, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(target.log, std::vector<std::string>({"maybe 30", "maybe 31"}));
}

TEST(CCmdTarget, AskingForTheHandlerDoesNotRunIt) {
    CDerivedTarget target;
    AFX_CMDHANDLERINFO info;
    EXPECT_TRUE(target.OnCmdMsg(2, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(info.pTarget, &target);
    ASSERT_NE(info.pEntry, nullptr);
    EXPECT_EQ(info.pEntry->nID, 2u);
    EXPECT_TRUE(target.log.empty());
}

TEST(CCmdTarget, UpdateHandlersSetTheStateOrPassItOn) {
    CDerivedTarget target;
    CTestCmdUI open;
    open.m_nID = 1;
    EXPECT_TRUE(open.DoUpdate(&target, TRUE));
    EXPECT_FALSE(open.m_bEnabled);

    CTestCmdUI colour;
    colour.m_nID = 11;
    EXPECT_TRUE(colour.DoUpdate(&target, TRUE));
    EXPECT_EQ(colour.m_nCheck, 1);

    // ContinueRouting: no update handler answered, the command handler enables it.
    CTestCmdUI declined;
    declined.m_nID = 12;
    EXPECT_FALSE(declined.DoUpdate(&target, TRUE));
    EXPECT_TRUE(declined.m_bEnabled);
}

TEST(CCmdTarget, ElementsWithoutAnyHandlerAreDisabledOnlyWhenAsked) {
    CDerivedTarget target;
    CTestCmdUI commandOnly;
    commandOnly.m_nID = 2;
    commandOnly.DoUpdate(&target, TRUE);
    EXPECT_TRUE(commandOnly.m_bEnabled);
    EXPECT_TRUE(commandOnly.m_bEnableChanged);

    CTestCmdUI nothing;
    nothing.m_nID = 99;
    nothing.DoUpdate(&target, TRUE);
    EXPECT_FALSE(nothing.m_bEnabled);

    CTestCmdUI nothingKept;
    nothingKept.m_nID = 99;
    nothingKept.DoUpdate(&target, FALSE);
    EXPECT_TRUE(nothingKept.m_bEnabled);
    EXPECT_FALSE(nothingKept.m_bEnableChanged);
    EXPECT_TRUE(target.log.empty());
}

TEST(CCmdTarget, MessageEntriesAnswerTheirMessageOnly) {
    CDerivedTarget target;
    LRESULT result = 0;
    EXPECT_TRUE(target.DispatchMessageMap(WM_USER + 7, 40, 2, &result));
    EXPECT_EQ(result, 42);
    EXPECT_FALSE(target.DispatchMessageMap(WM_USER + 8, 0, 0, &result));
}

} // namespace
