#include "app/shell/CStrakonApp.h"

#include "OutputFrameSupport.h"
#include "app/views/AProgressBar.h"
#include "platform/ui/CPromptService.h"

#include <gtest/gtest.h>

#include <QProgressBar>

namespace {

TEST(CStrakonAppTest, StepProgressAdvancesOnlyAnActiveBarAndPausesAfterEachStep) {
    CStrakonApp app;
    OutputFrameHolder holder(app);
    CScriptedPromptService prompts;
    ASSERT_EQ(CStrakonApp::GetApp(), &app);

    app.StepProgress(3);
    EXPECT_TRUE(prompts.Sleeps().empty()) << "no active bar";

    AProgressBar bar("Solving ...", 20, 10, false, 0, true);
    app.m_pActiveProgressBar = &bar;
    for (int steps : {0, -3}) app.StepProgress(steps);
    EXPECT_TRUE(prompts.Sleeps().empty());
    app.StepProgress(5);
    EXPECT_EQ(prompts.Sleeps(), std::vector<DWORD>(5, 15));
    auto* progress = qobject_cast<QProgressBar*>(bar.GetWidget());
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->value(), 5);
    app.m_pActiveProgressBar = nullptr;
}

} // namespace
