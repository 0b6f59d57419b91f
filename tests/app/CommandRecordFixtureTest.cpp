#include "CommandRecordFixture.h"

#include "app/shell/AProjectWorkspaceWndInterface.h"
#include "common/omErrorContainer.h"
#include "model/omElementMap.h"
#include "model/omLoadManager.h"
#include "model/omNodeMap.h"

#include <gtest/gtest.h>

namespace {

using FrameTest = CommandRecordFixture;

TEST_F(FrameTest, TheFrameIsWholeAndItsRecordRepeats) {
    EXPECT_EQ(model().getNodeMap()->size(), 5u);
    EXPECT_EQ(model().getElementMap()->size(), 4u);
    EXPECT_EQ(model().getLoadManager()->groupSize(), 2);
    EXPECT_EQ(model().getLoadManager()->caseSize(), 2);
    EXPECT_EQ(model().getLoadManager()->envelopeSize(), 1);
    EXPECT_FALSE(model().areResultsValid());
    EXPECT_EQ(AProjectWorkspaceWndInterface::FromMainFrame(), &frame->projectWnd);
    const auto first = record();
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, record());
    EXPECT_EQ(first, commandrecord::record(*newFrameDocument()));
    EXPECT_EQ(omErrorContainer::instance()->count(), 0u);
}

} // namespace
