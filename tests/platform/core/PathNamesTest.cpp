#include "platform/core/PathNames.h"

#include <gtest/gtest.h>

TEST(PathNames, TheFileNameFollowsTheLastSeparatorOfEitherKind) {
    struct Row {
        const char* path;
        const char* name;
    };
    const Row rows[] = {
        {"/home/eng/frame.stk", "frame.stk"},
        {"C:\\Jobs\\Hall\\frame.stk", "frame.stk"},
        {"C:\\Jobs/mixed\\x.stk", "x.stk"},
        {"frame.stk", "frame.stk"},
        {"/home/eng/", ""},
        {"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(AfxGetFileName(row.path), CString(row.name)) << row.path;
}
