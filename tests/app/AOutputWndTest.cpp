#include "OutputFrameSupport.h"

#include "platform/ui/CWinApp.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDockWidget>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>

#include <fstream>
#include <string>

namespace {

class AOutputWndTest : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = (dir.path() / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    bool barVisible() { return holder.output().IsVisible() != FALSE; }
    int activeTab() { return holder.output().GetTabWnd()->GetActiveTab(); }

    CWinApp app{"Strakon"};
    OutputFrameHolder holder{app};
    TempFolder dir;
};

TEST_F(AOutputWndTest, TheBarHoldsMessagesAndLogInAFixedPitchTenPointFont) {
    ASSERT_NE(holder.frame, nullptr);
    AOutputWnd& output = holder.output();
    EXPECT_EQ(output.GetDlgCtrlID(), 115);
    SECTabWnd* tabs = output.GetTabWnd();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->GetTabCount(), 2);
    EXPECT_EQ(tabs->GetTabLabel(0), "Messages");
    EXPECT_EQ(tabs->GetTabLabel(1), "Log");
    EXPECT_EQ(output.GetMessageView().GetDlgCtrlID(), 110);
    EXPECT_EQ(output.GetLogView().GetDlgCtrlID(), 111);
    for (AMessageEdit* view : {static_cast<AMessageEdit*>(&output.GetMessageView()),
                               static_cast<AMessageEdit*>(&output.GetLogView())}) {
        auto* edit = qobject_cast<QPlainTextEdit*>(view->GetWidget());
        ASSERT_NE(edit, nullptr);
        EXPECT_TRUE(edit->isReadOnly());
        // Columns line up when narrow and wide letters take the same room.
        const QFontMetricsF metrics(edit->font());
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance("iii"), metrics.horizontalAdvance("WWW"));
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance("   "), metrics.horizontalAdvance("..."));
        EXPECT_EQ(QFontInfo(edit->font()).family().toStdString(), "DejaVu Sans Mono") << "the first choice, installed by the setup";
        EXPECT_EQ(edit->font().pointSize(), 10);
    }
}

TEST_F(AOutputWndTest, MessagesShowAHiddenBarOnTheirTabWhileTheLogDoesNeither) {
    holder.frame->ShowControlBar(&holder.output(), FALSE, FALSE);
    holder.output().GetTabWnd()->ActivateTab(1);
    ProcessEvents();
    ASSERT_FALSE(barVisible());

    holder.output().ShowLog(write("Strakon.log", "Solving load case: 1\r\n").c_str());
    EXPECT_FALSE(barVisible());
    EXPECT_EQ(activeTab(), 1);
    EXPECT_EQ(holder.log(), "Solving load case: 1\n");

    holder.output().ShowMessages(write("Report.txt", "Solving ...\r\nError 1022\r\n").c_str());
    EXPECT_TRUE(barVisible());
    EXPECT_EQ(activeTab(), 0);
    EXPECT_EQ(holder.messages(), "Solving ...\nError 1022\n") << "CR LF are line breaks, nothing more";
}

TEST_F(AOutputWndTest, FilesReplaceTheTextWhateverTheyHold) {
    struct Case {
        const char* what;
        std::string bytes;
        QString shown;
    } cases[] = {
        {"an empty file empties the view", "", ""},
        {"UTF-8 stays UTF-8", "Tr\xC3\xA4ger \xE2\x80\x93 ok", QString::fromUtf8("Tr\xC3\xA4ger \xE2\x80\x93 ok")},
        {"other bytes are Windows-1252", "Tr\xE4ger \x96 ok", QString::fromUtf8("Tr\xC3\xA4ger \xE2\x80\x93 ok")},
    };
    for (const Case& c : cases) {
        holder.output().ShowMessages(write("Report.txt", "an earlier run's text").c_str());
        holder.output().ShowMessages(write("Report.txt", c.bytes).c_str());
        EXPECT_EQ(holder.messages(), c.shown) << c.what;
    }
}

TEST_F(AOutputWndTest, AFileThatCannotBeReadNeverLeavesTheFormerTextStanding) {
    holder.output().ShowMessages(write("Report.txt", "Error of the last run").c_str());
    holder.output().ShowMessages((dir.path() / "missing.txt").string().c_str());
    EXPECT_FALSE(holder.messages().contains("last run"));
    EXPECT_TRUE(holder.messages().contains("could not be read"));
}

TEST_F(AOutputWndTest, AVeryLongLogShowsItsTailUnderALineNamingTheFile) {
    std::string big;
    const std::string line = "Solving load case: 1 ................................................\r\n";
    while (big.size() <= AOutputWnd::kLargestShownText + 1000) big += line;
    big += "the last line";
    const std::string path = write("Strakon.log", big);
    CString text;
    ASSERT_TRUE(AOutputWnd::ReadViewText(path.c_str(), text));
    EXPECT_EQ(text.rfind("... the beginning was cut; the whole text is in " + path + "\n", 0), 0u);
    EXPECT_LE(text.size(), AOutputWnd::kLargestShownText + 200);
    EXPECT_EQ(text.substr(text.size() - 13), "the last line");
    const std::string secondLine = text.substr(text.find('\n') + 1, line.size() - 1);
    EXPECT_EQ(secondLine, line.substr(0, line.size() - 2) + "\n") << "the tail starts at a whole line";
}

TEST_F(AOutputWndTest, ClearOutputEmptiesBothViews) {
    holder.output().ShowMessages(write("Report.txt", "m").c_str());
    holder.output().ShowLog(write("Strakon.log", "l").c_str());
    holder.output().ClearOutput();
    EXPECT_EQ(holder.messages(), "");
    EXPECT_EQ(holder.log(), "");
}

TEST_F(AOutputWndTest, TheBarAsTheUserSeesIt) {
    holder.output().ShowLog(write("Strakon.log", "Solving load case: 1\r\nSolving load case: 2\r\n").c_str());
    holder.output().ShowMessages(
        write("Report.txt", "Solving ...\r\nError 1022: the column 3 buckles in load case 2.\r\n").c_str());
    ProcessEvents();
    QDockWidget* dock = holder.output().GetDockWidget();
    ASSERT_NE(dock, nullptr);
    const QImage shot = dock->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    shot.save(QString::fromStdString((ArtifactsFolder() / "output-window.png").string()));
}

} // namespace
