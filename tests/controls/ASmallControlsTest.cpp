// The small controls in a dialog: the message log, the font combo box, the
// picture control and the folder chooser.
#include "controls/AEnhMetaFilePicture.h"
#include "controls/AFolderDialog.h"
#include "controls/AMessageEdit.h"
#include "controls/CFontCombo.h"

#include "platform/gdi/CMetaFile.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "tests/support/ArtifactsFolder.h"
#include "tests/support/TempFolder.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <fstream>

#include <gtest/gtest.h>

namespace {

constexpr UINT IDD_SMALL_CONTROLS = 9550;
constexpr int IDC_LOG = 1000;
constexpr int IDC_FONT = 1001;
constexpr int IDC_PICTURE = 1002;

class ADlgSmall : public CDialog {
public:
    ADlgSmall() : CDialog(IDD_SMALL_CONTROLS) {
        CDialogTemplate t;
        t.caption = "Small Controls";
        t.style = WS_POPUP | WS_CAPTION;
        t.cx = 240;
        t.cy = 150;
        t.items = {DlgEditText(IDC_LOG, 7, 7, 120, 100, ES_MULTILINE),
                   DlgComboBox(IDC_FONT, 135, 7, 100, 80, CBS_DROPDOWN | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS),
                   DlgControl("", IDC_PICTURE, WC_STATIC, WS_VISIBLE | SS_ENHMETAFILE, 135, 30, 100, 80),
                   DlgDefPushButton("OK", IDOK, 185, 130, 50, 14)};
        CResources::Instance().AddDialog(IDD_SMALL_CONTROLS, t);
    }
    AMessageEdit m_log;
    CFontCombo m_font;
    AEnhMetaFilePicture m_picture;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_LOG, m_log);
        DDX_Control(pDX, IDC_FONT, m_font);
        DDX_Control(pDX, IDC_PICTURE, m_picture);
    }
};

void pressOk(CDialog& dlg) {
    dlg.PressButton(IDOK);
}

class SmallControls : public ::testing::Test {
protected:
    CScriptedPromptService m_prompts;
    CScriptedDialogService m_dialogs;
};

TEST_F(SmallControls, TheLogDropsItsOldestTenLinesWhenFull) {
    ADlgSmall dlg;
    m_dialogs.Queue([&](CDialog&) {
        for (int i = 1; i <= 500; ++i)
            dlg.m_log.AppendString(("line " + std::to_string(i)).c_str(), 1);
        EXPECT_EQ(dlg.m_log.GetLineCount(), 500);
        dlg.m_log.AppendString("line 501", 1);
        EXPECT_EQ(dlg.m_log.GetLineCount(), 491);
        const CString text = dlg.m_log.GetWindowText();
        EXPECT_EQ(text.substr(0, 9), "line 11\r\n");
        EXPECT_EQ(text.substr(text.size() - 10), "\r\nline 501");
        // Without a new line the text joins the last line.
        dlg.m_log.AppendString(" done", 0);
        EXPECT_EQ(dlg.m_log.GetLineCount(), 491);
        dlg.m_log.ClearLine(2);
        EXPECT_EQ(dlg.m_log.GetWindowText().substr(0, 7), "line 13");
        dlg.m_log.ClearLine(1000);
        EXPECT_EQ(dlg.m_log.GetWindowText(), "");
        dlg.m_log.AppendString("first", 1);
        EXPECT_EQ(dlg.m_log.GetWindowText(), "first");
        dlg.m_log.Clear();
        EXPECT_EQ(dlg.m_log.GetWindowText(), "");
        pressOk(dlg);
    });
    dlg.DoModal();
}

TEST_F(SmallControls, SevenFacesInUseKeepTheLastSixAtTheTop) {
    ADlgSmall dlg;
    m_dialogs.Queue([&](CDialog&) {
        CFontCombo& font = dlg.m_font;
        const int installed = font.GetCount();
        for (const char* face : {"Face A", "Face B", "Face C", "Face D", "Face E", "Face F", "Face G"})
            font.AddFont(face, CFontCombo::TRUETYPE_FONTTYPE);
        font.AddFont("Face A", CFontCombo::RASTER_FONTTYPE); // once only
        EXPECT_EQ(font.GetCount(), installed + 7);
        for (const char* face : {"Face A", "Face B", "Face C", "Face D", "Face E", "Face F", "Face G"})
            font.SetFontInUse(face);
        EXPECT_EQ(font.GetRecentCount(), 6);
        std::vector<CString> recent;
        for (int i = 0; i < font.GetRecentCount(); ++i) {
            CString text;
            font.GetLBText(i, text);
            recent.push_back(text);
        }
        EXPECT_EQ(recent, (std::vector<CString>{"Face G", "Face F", "Face E", "Face D", "Face C", "Face B"}));
        // A face already in the section moves to the top; the alphabetical entries stay.
        font.SetFontInUse("Face D");
        CString top;
        font.GetLBText(0, top);
        EXPECT_EQ(top, "Face D");
        EXPECT_EQ(font.GetRecentCount(), 6);
        EXPECT_EQ(font.GetCount(), installed + 7 + 6);
        EXPECT_EQ(font.GetCurSel(), 0);
        EXPECT_EQ(font.GetImages().GetImageCount(), 2);
        EXPECT_EQ(font.GetImages().GetPixmap(0).toImage().pixelColor(0, 0).alpha(),
                  0); // magenta is transparent
        dlg.GetWidget()->show();
        font.ShowDropDown(TRUE);
        auto* combo = qobject_cast<QComboBox*>(font.GetWidget());
        combo->view()->grab().save(
            QString::fromStdString((ArtifactsFolder() / "font-combo-list.png").string()));
        font.ShowDropDown(FALSE);
        pressOk(dlg);
    });
    dlg.DoModal();
}

TEST_F(SmallControls, PicturesAreOurOwnFilesAndWindowsMetafilesGiveNone) {
    TempFolder folder;
    const auto write = [&](const char* name, const std::string& bytes) {
        const std::string path = (folder.path() / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return CString(path);
    };
    const CString svg = write("frame.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'>"
                                           "<rect x='0' y='0' width='40' height='20' fill='#0000ff'/></svg>");
    QImage png(8, 8, QImage::Format_RGB32);
    png.fill(Qt::red);
    const CString pngPath = (folder.path() / "red.png").string();
    png.save(QString::fromStdString(pngPath));
    CMetaFile list;
    list.Append(CMetaRecord{});
    const CString listPath = (folder.path() / "list.wmf").string();
    list.Save(listPath.c_str());
    struct Case {
        CString path;
        bool picture;
    };
    std::string placeable("\xD7\xCD\xC6\x9A", 4);
    std::string placeableWithHeader = placeable;
    placeableWithHeader.append(18, '\0');
    std::string plain("\x01\x00\x09\x00\x00\x03", 6);
    plain.append(12, '\0');
    std::string enhanced(44, '\0');
    enhanced[0] = 1;
    enhanced.replace(40, 4, " EMF");
    const Case cases[] = {
        {svg, true},
        {pngPath, true},
        {listPath, true},
        {write("placeable.wmf", placeableWithHeader), false},
        // The header alone, units per inch 0 and no metafile after it: nothing is divided or read beyond.
        {write("short-placeable.wmf", placeable), false},
        {write("enhanced.emf", enhanced), false},
        {write("plain.wmf", plain), false},
        {write("garbage.bin", "\x01\x02"), false},
        {write("empty.svg", ""), false},
        {(folder.path() / "missing.svg").string(), false},
    };
    for (const Case& c : cases) {
        HENHMETAFILE picture = AEnhMetaFilePicture::ReadMetaFile(c.path);
        EXPECT_EQ(picture != nullptr, c.picture) << c.path;
        AEnhMetaFilePicture::DeleteEnhMetaFile(picture);
    }
    CResources::Instance().AddCustom("METAFILE", 9551, svg.c_str());
    EXPECT_EQ(AEnhMetaFilePicture::ReadMetaFile(9552, "METAFILE"), nullptr);

    ADlgSmall dlg;
    m_dialogs.Queue([&](CDialog&) {
        dlg.m_picture.SetEnhMetaFile(AEnhMetaFilePicture::ReadMetaFile(9551, "METAFILE"));
        const QImage shown = dlg.m_picture.GetWidget()->grab().toImage();
        const QColor centre = shown.pixelColor(shown.width() / 2, shown.height() / 2);
        EXPECT_EQ(centre, QColor(0, 0, 255));
        pressOk(dlg);
    });
    dlg.DoModal();
    EXPECT_EQ(dlg.m_picture.GetEnhMetaFile(), nullptr); // deleted with the window
}

TEST_F(SmallControls, TheChosenFolderLosesItsTrailingSeparatorButTheRootStays) {
    struct Case {
        const char* chosen;
        const char* selected;
    };
    for (const Case& c : {Case{"/home/user/projects/", "/home/user/projects"},
                          Case{"/home/user", "/home/user"}, Case{"/", "/"}, Case{"/data//", "/data"}}) {
        m_prompts.QueueFileAnswer(c.chosen);
        AFolderDialog dlg("/home");
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.GetSelectedFolder(), c.selected);
        EXPECT_TRUE(m_prompts.FileDialogs().back().folder);
        EXPECT_EQ(m_prompts.FileDialogs().back().title, "Choose folder");
        EXPECT_EQ(m_prompts.FileDialogs().back().initialFolder, "/home");
    }
    m_prompts.QueueFileCancel();
    AFolderDialog cancelled;
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
}

} // namespace
