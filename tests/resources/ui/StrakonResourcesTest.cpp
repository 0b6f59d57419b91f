// The program's own tables, checked for what the frame and its toolbars rely on.
#include "resources/ui/StrakonResources.h"

#include "tests/platform/ui/UiTestSupport.h"

#include "platform/ui/CControlBar.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CResources.h"
#include "resources/ui/StrakonLoadIds.h"
#include "resources/ui/StrakonResourceIds.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

namespace {

class StrakonResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        CResources::Instance().Reset();
        RegisterStrakonResources();
    }
    void TearDown() override { CResources::Instance().Reset(); }
};

TEST_F(StrakonResourcesTest, ToolbarsHaveTheirButtonsAndEveryButtonATip) {
    const std::vector<AToolBarDef>& toolbars = StrakonToolBars();
    ASSERT_EQ(toolbars.size(), 7u);
    const std::vector<size_t> counts = {22, 17, 20, 13, 7, 13, 16};
    for (size_t i = 0; i < toolbars.size(); ++i) {
        EXPECT_EQ(toolbars[i].buttons.size(), counts[i]) << toolbars[i].title;
        for (UINT id : toolbars[i].buttons) {
            if (!id) continue;
            CString tip;
            EXPECT_TRUE(AfxExtractSubString(tip, AfxLoadString(id).c_str(), 1) && !tip.empty())
                << toolbars[i].title << " " << id;
        }
    }
    EXPECT_EQ(AfxLoadString(ID_INDICATOR_MODIFIED), " MOD ");
}

TEST_F(StrakonResourcesTest, EveryToolbarCommandHasItsOwnPicture) {
    const CToolBarResource* resource = CResources::Instance().FindToolBar(IDR_MAINFRAME);
    ASSERT_NE(resource, nullptr);
    const int count = static_cast<int>(resource->buttons.size());
    // The artwork draws the commands in the resource's order.
    std::ifstream file(STRAKON_SOURCE_DIR "/resources/ui/toolbar128.svg");
    std::stringstream text;
    text << file.rdbuf();
    const std::string svg = text.str();
    std::vector<UINT> drawn;
    const std::regex comment("<!-- ([0-9]+) -->");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), comment); it != std::sregex_iterator(); ++it)
        drawn.push_back(static_cast<UINT>(std::stoul((*it)[1])));
    EXPECT_EQ(drawn, resource->buttons);

    const std::vector<QImage> images = AfxLoadToolBarImages(IDR_MAINFRAME, count, 16, 15);
    ASSERT_EQ(images.size(), static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const QImage& image = images[static_cast<size_t>(i)];
        bool painted = false;
        for (int y = 0; y < image.height() && !painted; ++y)
            for (int x = 0; x < image.width() && !painted; ++x)
                painted = qAlpha(image.pixel(x, y)) > 0;
        EXPECT_TRUE(painted) << resource->buttons[static_cast<size_t>(i)];
    }
    // A sheet of all pictures, three times their size, to look at.
    QImage sheet(16 * 3 * 16, 15 * 3 * ((count + 15) / 16), QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < count; ++i)
        painter.drawImage(QRect((i % 16) * 48, (i / 16) * 45, 48, 45), images[static_cast<size_t>(i)]);
    painter.end();
    EXPECT_TRUE(
        sheet.save(QString::fromStdString((ArtifactsFolder() / "strakon-toolbar-pictures.png").string())));
}

TEST_F(StrakonResourcesTest, FrameMenuHasThePartsPopupsAndPlaceholders) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_MAINFRAME));
    ASSERT_EQ(menu.GetMenuItemCount(), 5u);
    CString text;
    std::vector<CString> titles;
    for (int i = 0; i < 5; ++i) {
        menu.GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
        titles.push_back(text);
    }
    EXPECT_EQ(titles, std::vector<CString>({"&File", "&View", "&Window", "&Tools", "&Help"}));
    CMenu* toolbars = menu.GetSubMenu(1)->GetSubMenu(0);
    ASSERT_NE(toolbars, nullptr);
    EXPECT_EQ(toolbars->GetMenuItemID(0), ID_TOOLBARS_PLACEHOLDER);
    EXPECT_TRUE(menu.GetMenuState(ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(menu.GetSubMenu(2)->GetMenuItemCount(), 12u);
    menu.GetMenuString(ID_VIEW_PROJECT_WINDOW, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "&Project Window\tAlt+1");
    const std::vector<ACCEL>* keys = CResources::Instance().FindAccelerators(IDR_MAINFRAME);
    ASSERT_NE(keys, nullptr);
    EXPECT_TRUE(std::any_of(keys->begin(), keys->end(), [](const ACCEL& a) {
        return a.cmd == ID_VIEW_PROJECT_WINDOW && a.key == '1' && (a.fVirt & FALT);
    }));
}

// Every command of a menu, with its text, walking the popups.
void CollectItems(const std::vector<CMenuItemDef>& items, std::vector<const CMenuItemDef*>& out) {
    for (const CMenuItemDef& item : items) {
        out.push_back(&item);
        CollectItems(item.items, out);
    }
}

TEST_F(StrakonResourcesTest, EveryKeyAMenuShowsIsOneTheProgramTakes) {
    const std::vector<ACCEL>* keys = CResources::Instance().FindAccelerators(IDR_MAINFRAME);
    ASSERT_NE(keys, nullptr);
    // The load-combinations table takes its clipboard keys itself.
    const UINT tableKeys[] = {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};
    const std::regex shown(R"(\t(Ctrl|Alt)\+([A-Z0-9])$)");
    int checkedKeys = 0;
    for (UINT menuId : {IDR_MAINFRAME, IDR_GEOMETRYTYPE, IDR_LOADSTYPE, IDR_LCRESULTSTYPE, IDR_LOADCOMBINATIONSTYPE}) {
        const std::vector<CMenuItemDef>* menu = CResources::Instance().FindMenu(menuId);
        ASSERT_NE(menu, nullptr) << menuId;
        std::vector<const CMenuItemDef*> items;
        CollectItems(*menu, items);
        for (const CMenuItemDef* item : items) {
            std::smatch m;
            const std::string text = item->text;
            if (!std::regex_search(text, m, shown)) continue;
            if (std::find(std::begin(tableKeys), std::end(tableKeys), item->id) != std::end(tableKeys)) continue;
            ++checkedKeys;
            const BYTE modifier = m[1] == "Ctrl" ? FCONTROL : FALT;
            const WORD key = static_cast<WORD>(m[2].str()[0]);
            EXPECT_TRUE(std::any_of(keys->begin(), keys->end(), [&](const ACCEL& a) {
                return a.cmd == item->id && a.key == key && (a.fVirt & modifier);
            })) << menuId << ": " << text;
        }
    }
    EXPECT_GE(checkedKeys, 10);
}

TEST_F(StrakonResourcesTest, TheLoadsWindowHasTheZoomViewsMenusAndTheFileMenuInsertStructure) {
    std::vector<const CMenuItemDef*> loads;
    CollectItems(*CResources::Instance().FindMenu(IDR_LOADSTYPE), loads);
    for (UINT id : {ID_ZOOM_WINDOW, ID_ZOOM_IN, ID_ZOOM_OUT, ID_ZOOM_PREVIOUS, ID_ZOOM_NEXT, ID_ZOOM_ALL,
                    ID_ZOOM_EXTENTS, ID_SELECT, ID_DELETE, ID_MOVE, ID_COPY_VIEW, ID_FILE_PRINT,
                    ID_FILE_PRINT_PREVIEW, ID_EDIT_UNDO, ID_EDIT_REDO, ID_ADD_FORCE, ID_INSERT_STRUCTURE})
        EXPECT_TRUE(std::any_of(loads.begin(), loads.end(), [id](const CMenuItemDef* i) { return i->id == id; }))
            << id;
    std::vector<const CMenuItemDef*> table;
    CollectItems(*CResources::Instance().FindMenu(IDR_LOADCOMBINATIONSTYPE), table);
    for (UINT id : {ID_EDIT_UNDO, ID_EDIT_REDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_ADD_LOAD_CASE})
        EXPECT_TRUE(std::any_of(table.begin(), table.end(), [id](const CMenuItemDef* i) { return i->id == id; }))
            << id;
    const std::vector<CMenuItemDef>& file = CResources::Instance().FindMenu(IDR_MAINFRAME)->front().items;
    auto saveAs = std::find_if(file.begin(), file.end(), [](const CMenuItemDef& i) { return i.id == ID_SAVE_PROJECT_AS; });
    ASSERT_NE(saveAs, file.end());
    ASSERT_NE(saveAs + 1, file.end());
    EXPECT_EQ((saveAs + 1)->id, ID_INSERT_STRUCTURE);
    // The project item's menu offers it too.
    const std::vector<CMenuItemDef>* project = CResources::Instance().FindMenu(IDR_PROJECT_ITEM_MENU);
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(project->front().items.front().id, ID_INSERT_STRUCTURE);
}

} // namespace
