// The message sheet that the document shows for an empty or mixed selection.
#include "app/dialogs/AMessageProperty.h"

#include "PropertySheetFixture.h"

namespace {

class AMessagePropertyTest : public PropertySheetFixture {};

TEST_F(AMessagePropertyTest, AnEmptyOrMixedSelectionShowsItsTextAndApplyDoesNothing) {
    struct Case {
        std::vector<AObject*> selected;
        const char* text;
        const char* picture;
    };
    const Case cases[] = {
        {{}, "Nothing is selected!", "message-sheet-nothing.png"},
        {{node(1), member(1)}, "Selected objects are not of the same type!", "message-sheet-mixed.png"},
    };
    for (const Case& c : cases) {
        AObjectPtrContainer& selection = doc->GetSelection();
        selection.RemoveAll();
        for (AObject* o : c.selected)
            selection.AddTail(o);
        doc->ShowSelectionProperties(static_cast<CWnd*>(nullptr), true);
        QApplication::processEvents();
        auto* sheet = dynamic_cast<AMessageProperty*>(frame()->GetProperySheet());
        ASSERT_NE(sheet, nullptr) << c.text;
        EXPECT_EQ(frame()->GetWindowText(), "Properties");
        EXPECT_EQ(text(&sheet->GetMessagePage(), 1045), c.text);
        screenshot(c.picture);
        const std::vector<std::uint8_t> before = records();
        apply();
        EXPECT_EQ(commands(), 0);
        EXPECT_EQ(records(), before);
    }
}

} // namespace
