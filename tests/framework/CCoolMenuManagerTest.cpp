#include "ShellFixture.h"

#include "framework/CCoolMenuManager.h"
#include "platform/ui/CMenu.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPainter>

namespace {

constexpr UINT kToolbar = 128;
constexpr UINT kLargeToolbar = 140;
constexpr UINT kSingleBitmap = 141;

QImage strip(const QSize& size, int count) {
    QImage image(size.isValid() ? size : QSize(16 * count, 15), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const int w = image.width() / count;
    for (int i = 0; i < count; ++i)
        painter.fillRect(i * w + 1, 1, w - 2, image.height() - 2, QColor::fromHsv(i * 60, 200, 200));
    return image;
}

class CCoolMenuManagerTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        CResources& r = CResources::Instance();
        r.AddToolBar(kToolbar, {16, 15, {ID_FILE_NEW, 0, ID_FILE_OPEN, ID_FILE_SAVE}});
        r.AddBitmap(kToolbar, [](const QSize& size) { return strip(size, 3); });
        r.AddToolBar(kLargeToolbar, {24, 24, {ID_EDIT_COPY}});
        r.AddBitmap(kLargeToolbar, [](const QSize& size) { return strip(size, 1); });
        r.AddBitmap(kSingleBitmap, [](const QSize& size) { return strip(size, 2); });
        menus.Install(frame);
        file = frame->GetMenu()->GetSubMenu(0)->GetQMenu();
        ASSERT_NE(file, nullptr);
    }
    QAction* item(int index) { return file->actions().at(index); }
    void open() { frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), MAKELPARAM(0, 0)); }
    void close() { frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0); }

    CCoolMenuManager menus;
    QMenu* file = nullptr;
};

TEST_F(CCoolMenuManagerTest, AnOpenPopupNamesEveryAcceleratorOfACommandTheLatestFirst) {
    open();
    EXPECT_EQ(item(0)->text().toStdString(), "&New\tShift+Ins, Ctrl+N");
    EXPECT_EQ(item(1)->text().toStdString(), "&Open...\tCtrl+O");
    EXPECT_EQ(item(2)->text().toStdString(), "&Save") << "no accelerator, no tab";
    EXPECT_EQ(item(4)->text().toStdString(), "&Close\tAlt+Ctrl+Del");
    open();
    EXPECT_EQ(item(0)->text().toStdString(), "&New\tShift+Ins, Ctrl+N") << "opening again adds nothing";
}

TEST_F(CCoolMenuManagerTest, KeypadNamesOfTheEditingKeysAreShownShort) {
    struct Case {
        UINT vk;
        const char* shown;
    };
    for (const Case& c : {Case{VK_INSERT, "Ins"}, Case{VK_DELETE, "Del"}, Case{VK_HOME, "Home"},
                          Case{VK_END, "End"}, Case{VK_PRIOR, "PgUp"}, Case{VK_NEXT, "PgDn"}, Case{'N', "N"},
                          Case{VK_F1 + 4, "F5"}, Case{VK_LEFT, "Left"}})
        EXPECT_EQ(CCoolMenuManager::GetVirtualKeyName(CCoolMenuManager::GetKeyLayoutName(c.vk)), c.shown)
            << c.vk;
}

TEST_F(CCoolMenuManagerTest, ToolbarPicturesGoOnTheirCommandsWhileTheMenuIsOpen) {
    ASSERT_TRUE(menus.LoadToolbar(kToolbar));
    EXPECT_EQ(menus.GetButtonIndex(static_cast<WORD>(ID_FILE_NEW)), 0);
    EXPECT_EQ(menus.GetButtonIndex(static_cast<WORD>(ID_FILE_SAVE)), 2);
    open();
    EXPECT_FALSE(item(0)->icon().isNull());
    EXPECT_FALSE(item(2)->icon().isNull());
    EXPECT_TRUE(item(4)->icon().isNull()) << "Close has no button";
    close();
    EXPECT_TRUE(item(0)->icon().isNull()) << "the pictures go when the menu closes";
    EXPECT_EQ(item(0)->text().toStdString(), "&New\tShift+Ins, Ctrl+N");
}

TEST_F(CCoolMenuManagerTest, ARealPopupIsConvertedAsItOpensAndGivenBackAsItCloses) {
    ASSERT_TRUE(menus.LoadToolbar(kToolbar));
    frame->m_bAutoMenuEnable = FALSE; // the commands without handlers stay enabled for the picture
    file->popup(QPoint(10, 10));
    EXPECT_FALSE(item(1)->icon().isNull());
    EXPECT_EQ(item(1)->text().toStdString(), "&Open...\tCtrl+O");
    file->adjustSize();
    EXPECT_TRUE(
        file->grab().save(QString::fromStdString((ArtifactsFolder() / "framework-cool-menu.png").string())));
    file->hide();
    ProcessEvents();
    EXPECT_TRUE(item(1)->icon().isNull());
}

TEST_F(CCoolMenuManagerTest, AToolbarOfAnotherSizeIsRefusedAndAddsNoPictures) {
    ASSERT_TRUE(menus.LoadToolbar(kToolbar));
    const size_t images = menus.GetImages().size();
    EXPECT_FALSE(menus.LoadToolbar(kLargeToolbar));
    EXPECT_EQ(menus.GetImages().size(), images);
    EXPECT_EQ(menus.GetButtonIndex(static_cast<WORD>(ID_EDIT_COPY)), -1);
    EXPECT_FALSE(menus.LoadToolbar(999)) << "no such toolbar";
}

TEST_F(CCoolMenuManagerTest, ASingleBitmapGivesPicturesOnlyToCommandsWithoutOne) {
    ASSERT_TRUE(menus.LoadToolbar(kToolbar));
    const UINT ids[] = {ID_FILE_NEW, ID_FILE_CLOSE};
    ASSERT_TRUE(menus.AddSingleBitmap(kSingleBitmap, 2, ids));
    EXPECT_EQ(menus.GetButtonIndex(static_cast<WORD>(ID_FILE_NEW)), 0) << "the toolbar's picture stays";
    EXPECT_EQ(menus.GetButtonIndex(static_cast<WORD>(ID_FILE_CLOSE)), 3) << "the bitmap's first image";
    EXPECT_FALSE(menus.AddSingleBitmap(999, 2, ids));
    CCoolMenuManager fresh;
    ASSERT_TRUE(fresh.AddSingleBitmap(kSingleBitmap, 2, ids));
    EXPECT_EQ(fresh.GetButtonSize(), CSize(16, 15));
    EXPECT_FALSE(fresh.LoadToolbar(kLargeToolbar));
}

TEST_F(CCoolMenuManagerTest, AnItemWithForeignDataIsLeftExactlyAsItIs) {
    ASSERT_TRUE(menus.LoadToolbar(kToolbar));
    item(0)->setProperty("itemData", 42);
    open();
    EXPECT_EQ(item(0)->text().toStdString(), "&New");
    EXPECT_TRUE(item(0)->icon().isNull());
    EXPECT_EQ(item(0)->property("itemData").toInt(), 42);
}

TEST_F(CCoolMenuManagerTest, RefreshTakesTheToolbarsAgainAndDestroyForgetsThem) {
    ASSERT_TRUE(menus.LoadToolbar(kToolbar));
    frame->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(menus.GetImages().size(), 3u);
    EXPECT_EQ(menus.GetButtonIndex(static_cast<WORD>(ID_FILE_OPEN)), 1);
    menus.Destroy();
    EXPECT_TRUE(menus.GetImages().empty());
    EXPECT_EQ(menus.GetButtonSize(), CSize(0, 0));
    EXPECT_TRUE(menus.LoadToolbar(kLargeToolbar)) << "after Destroy any size may come first";
}

TEST_F(CCoolMenuManagerTest, HooksOnOneWindowAllSeeItsMessages) {
    struct Counter : CSubclassWnd {
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_INITMENUPOPUP) ++seen;
            return CSubclassWnd::WindowProc(message, wParam, lParam);
        }
        int seen = 0;
    };
    Counter first, second;
    first.HookWindow(frame);
    second.HookWindow(frame->m_hWnd);
    open();
    EXPECT_EQ(first.seen, 1);
    EXPECT_EQ(second.seen, 1);
    EXPECT_EQ(item(0)->text().toStdString(), "&New\tShift+Ins, Ctrl+N") << "the manager still sees it";
    second.HookWindow(static_cast<CWnd*>(nullptr));
    open();
    EXPECT_EQ(first.seen, 2);
    EXPECT_EQ(second.seen, 1);
}

} // namespace
