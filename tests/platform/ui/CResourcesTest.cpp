#include "platform/ui/CResources.h"

#include "UiTestSupport.h"

#include "platform/ui/AfxRes.h"
#include "platform/ui/CControlBar.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

TEST(CResources, ProgramStringsJoinAndOverrideTheFrameworkStrings) {
    EXPECT_EQ(AfxLoadString(AFX_IDS_IDLEMESSAGE), "Ready");
    CResources::Instance().AddString(9200, "Zooms in\nZoom In");
    CString text;
    EXPECT_TRUE(AfxLoadString(9200, text));
    EXPECT_EQ(text, "Zooms in\nZoom In");
    EXPECT_FALSE(AfxLoadString(9201, text));
    EXPECT_TRUE(text.empty());
}

TEST(CResources, FormatsAndSubstrings) {
    CString text;
    AfxFormatString1(text, AFX_IDP_ASK_TO_SAVE, "Bridge.oxp");
    EXPECT_EQ(text, "Save changes to Bridge.oxp?");
    CResources::Instance().AddString(9202, "%2 before %1, 100%");
    AfxFormatString2(text, 9202, "one", "two");
    EXPECT_EQ(text, "two before one, 100%");

    const char* strings = "\nStrakon\nStrakon\nFiles (*.oxs)\n.oxs";
    struct Case {
        int index;
        bool found;
        const char* part;
    };
    for (const Case& c : {Case{0, true, ""}, Case{1, true, "Strakon"}, Case{4, true, ".oxs"},
                          Case{5, false, ""}, Case{-1, false, ""}}) {
        CString part = "stale";
        EXPECT_EQ(AfxExtractSubString(part, strings, c.index) != FALSE, c.found) << c.index;
        EXPECT_EQ(part, c.part) << c.index;
    }
}

TEST(CResources, PicturesComeFromFilesOrPaintersAtTheAskedSize) {
    CResources& r = CResources::Instance();
    r.AddBitmap(9300, STRAKON_SOURCE_DIR "/tests/platform/ui/sketch-toolbar.svg");
    const QImage svg = r.LoadBitmap(9300, QSize(160, 30));
    ASSERT_FALSE(svg.isNull());
    EXPECT_EQ(svg.size(), QSize(160, 30));
    // The circle's blue in the fourth picture.
    EXPECT_EQ(QColor(svg.pixel(112, 15)).blue(), 214);

    r.AddBitmap(9301, [](const QSize& size) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::red);
        return image;
    });
    EXPECT_EQ(r.LoadBitmap(9301, QSize(8, 4)).size(), QSize(8, 4));
    EXPECT_TRUE(r.LoadBitmap(9399, QSize(8, 4)).isNull());
    r.AddBitmap(9302, "/no/such/picture.png");
    EXPECT_TRUE(r.LoadBitmap(9302, QSize(8, 4)).isNull());
}

TEST(CResources, ToolbarPictureIsSlicedIntoOneImagePerButton) {
    CResources::Instance().AddBitmap(9303, STRAKON_SOURCE_DIR "/tests/platform/ui/sketch-toolbar.svg");
    const std::vector<QImage> images = AfxLoadToolBarImages(9303, 5, 16, 15);
    ASSERT_EQ(images.size(), 5u);
    for (const QImage& image : images)
        EXPECT_EQ(image.size() / image.devicePixelRatio(), QSize(16, 15));
    EXPECT_TRUE(AfxLoadToolBarImages(9399, 5, 16, 15).empty());
}

} // namespace
