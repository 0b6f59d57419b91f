#include "app/views/ADocAttributes.h"

#include "SettingsFixture.h"

namespace {

class ADocAttributesTest : public SettingsFixture {};

TEST_F(ADocAttributesTest, TheAuthorStartsAsTheOptionsPersonalName) {
    write("Software\\Orvex\\Strakon\\Options\\Personalize",
          [](ARegistry& reg) { reg.SetString("Author", "I. Kovač"); });
    ADocAttributes doc;
    EXPECT_EQ(doc.author, "I. Kovač");
    EXPECT_EQ(doc.title, "");
}

TEST_F(ADocAttributesTest, TheFileNameIsThePartAfterTheLastSeparator) {
    const struct {
        const char* file;
        const char* name;
    } cases[] = {
        {"/home/u/frames/hall.oxs", "hall.oxs"},
        {"C:\\Projects\\hall.oxs", "hall.oxs"},
        {"\\\\server\\share/mixed\\hall.oxs", "hall.oxs"},
        {"hall.oxs", "hall.oxs"},
        {"/home/u/", ""},
        {"", ""},
    };
    ADocAttributes doc;
    for (const auto& c : cases) {
        doc.file = c.file;
        EXPECT_EQ(doc.GetFileName(), c.name) << c.file;
    }
}

} // namespace
