// The tip of the day: where it starts, how it wraps, and what the application
// keeps of it.
#include "app/dialogs/ATipOfTheDayDlg.h"

#include "SettingsFixture.h"
#include "app/shell/APath.h"
#include "app/shell/CStrakonApp.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "resources/ui/StrakonResourceIds.h"
#include "resources/ui/StrakonResources.h"
#include "tests/support/ArtifactsFolder.h"

#include <QAbstractButton>
#include <QPixmap>

#include <algorithm>
#include <fstream>
#include <regex>
#include <string>

namespace {

class TipOfTheDay : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        AddShellDialogs(CResources::Instance());
        std::ofstream out(tips);
        out << "\xEF\xBB\xBF# ten tips\n";
        for (int i = 0; i < 10; ++i)
            out << "Tip number " << i << (i == 3 ? " – with a dash\r\n" : "\n") << (i == 5 ? "\n" : "");
    }
    static void click(CDialog& d, int id) {
        qobject_cast<QAbstractButton*>(d.GetDlgItem(id)->GetWidget())->click();
    }

    CStrakonApp app;
    CScriptedPromptService prompts;
    CScriptedDialogService dialogs;
    std::string tips = (dir.path() / "Strakon.tip").string();
};

TEST_F(TipOfTheDay, TheFileGivesOneTipPerLineAndTheIndexWraps) {
    const auto read = ATipOfTheDayDlg::ReadTips(tips);
    ASSERT_EQ(read.size(), 10u);
    EXPECT_EQ(read[0], "Tip number 0");
    EXPECT_EQ(read[3], "Tip number 3 – with a dash");
    EXPECT_TRUE(ATipOfTheDayDlg::ReadTips((dir.path() / "none.tip").string()).empty());
    const struct {
        int index, count, wrapped;
    } cases[] = {{0, 10, 0}, {9, 10, 9}, {10, 10, 0}, {23, 10, 3}, {-1, 10, 9}, {5, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ATipOfTheDayDlg::Wrap(c.index, c.count), c.wrapped) << c.index << " of " << c.count;

    struct Run {
        int start;
        int nexts;
        int shownFirst;
        int closedOn;
    };
    for (const Run& r : {Run{7, 1, 7, 8}, Run{9, 1, 9, 0}, Run{12, 0, 2, 2}}) {
        CString first;
        dialogs.Queue([&](CDialog& d) {
            first = d.GetDlgItemText(IDC_TIP_TEXT);
            for (int i = 0; i < r.nexts; ++i)
                click(d, IDC_TIP_NEXT);
            if (r.start == 7)
                d.GetWidget()->grab().save(
                    QString::fromStdString((ArtifactsFolder() / "TipOfTheDay.png").string()));
            d.PressButton(IDOK);
        });
        ATipOfTheDayDlg dialog(tips, r.start, true);
        dialog.DoModal();
        EXPECT_EQ(first, "Tip number " + std::to_string(r.shownFirst)) << r.start;
        EXPECT_EQ(dialog.GetCurrentTip(), r.closedOn) << r.start;
    }
    ATipOfTheDayDlg missing((dir.path() / "none.tip").string(), 4, true);
    EXPECT_NE(missing.GetTipText().find("none.tip"), std::string::npos);
}

TEST_F(TipOfTheDay, TheApplicationStartsAtTheNextTipAndKeepsTheUsersChoice) {
    // The program's own tips file.
    const int count = static_cast<int>(
        ATipOfTheDayDlg::ReadTips(APath::Instance()->ProgramPath("Misc\\Strakon.tip")).size());
    ASSERT_GT(count, 9);
    app.WriteProfileInt("InfoTip", "CurrentTip", 7);
    dialogs.Queue([&](CDialog& d) {
        EXPECT_EQ(static_cast<ATipOfTheDayDlg&>(d).GetCurrentTip(), 8);
        click(d, IDC_TIP_NEXT);
        d.PressButton(IDOK);
    });
    app.ShowTipOfTheDay();
    EXPECT_EQ(app.GetProfileInt("InfoTip", "CurrentTip", 0), 9u);

    app.WriteProfileInt("InfoTip", "CurrentTip", count - 1);
    dialogs.Queue([&](CDialog& d) {
        EXPECT_EQ(static_cast<ATipOfTheDayDlg&>(d).GetCurrentTip(), 0) << "past the last tip comes the first";
        click(d, IDC_TIP_STARTUP); // untick
        d.PressButton(IDOK);
    });
    app.ShowTipOfTheDay();
    EXPECT_EQ(app.GetProfileInt("InfoTip", "CurrentTip", 99), 0u);
    EXPECT_EQ(app.GetProfileInt("InfoTip", "ShowAtStartup", 1), 0u);

    // Switched off: the start shows nothing, the command still does, and unticking there keeps it off.
    const size_t runs = dialogs.Runs().size();
    app.ShowTipOfTheDay();
    EXPECT_EQ(dialogs.Runs().size(), runs);
    dialogs.Queue([&](CDialog& d) {
        click(d, IDC_TIP_STARTUP);
        d.PressButton(IDOK);
    });
    app.OnTipOfTheDay();
    EXPECT_EQ(dialogs.Runs().size(), runs + 1);
    EXPECT_EQ(app.GetProfileInt("InfoTip", "ShowAtStartup", 1), 0u);
}

} // namespace

namespace {

// The tips name keys and menu items of the program: each must be there.
std::string withoutAmpersands(std::string text) {
    std::erase(text, '&');
    const size_t tab = text.find('\t');
    return tab == std::string::npos ? text : text.substr(0, tab);
}

bool menuHas(const std::vector<CMenuItemDef>& items, const std::string& popup, const std::string& item) {
    for (const CMenuItemDef& p : items) {
        if (withoutAmpersands(p.text) != popup) continue;
        for (const CMenuItemDef& i : p.items)
            if (withoutAmpersands(i.text) == item) return true;
    }
    return false;
}

TEST_F(TipOfTheDay, EveryKeyAndMenuItemATipNamesIsThereAndNoTipPromisesUnitsInValues) {
    RegisterStrakonResources();
    const std::vector<std::string> programTips = ATipOfTheDayDlg::ReadTips(APath::Instance()->ProgramPath("Misc\\Strakon.tip"));
    ASSERT_GT(programTips.size(), 9u);
    const std::vector<ACCEL>* keys = CResources::Instance().FindAccelerators(IDR_MAINFRAME);
    ASSERT_NE(keys, nullptr);
    const std::vector<CMenuItemDef>* menu = CResources::Instance().FindMenu(IDR_MAINFRAME);
    ASSERT_NE(menu, nullptr);
    const std::regex key(R"((Ctrl|Alt)\+([A-Z0-9]))");
    const std::regex tools(R"(Tools \| ([A-Za-z .]+?)(,| chooses| sets| decides|$))");
    for (const std::string& tip : programTips) {
        for (std::sregex_iterator k(tip.begin(), tip.end(), key), end; k != end; ++k) {
            const BYTE modifier = (*k)[1] == "Ctrl" ? FCONTROL : FALT;
            const char letter = (*k)[2].str()[0];
            const bool there = std::any_of(keys->begin(), keys->end(), [&](const ACCEL& a) {
                return (a.fVirt & modifier) && a.key == static_cast<WORD>(letter);
            });
            EXPECT_TRUE(there) << k->str() << " in: " << tip;
        }
        for (std::sregex_iterator t(tip.begin(), tip.end(), tools), end; t != end; ++t)
            EXPECT_TRUE(menuHas(*menu, "Tools", (*t)[1].str())) << (*t)[1].str() << " in: " << tip;
        // A unit edit reads the number only; no tip may say that it converts a typed unit.
        EXPECT_EQ(tip.find("converts"), std::string::npos) << tip;
        EXPECT_EQ(tip.find("its own unit"), std::string::npos) << tip;
    }
}

} // namespace
