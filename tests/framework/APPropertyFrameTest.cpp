#include "framework/APPropertyFrame.h"

#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWinApp.h"
#include "tests/support/ArtifactsFolder.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr UINT IDD_FIRST_PAGE = 9900;

void registerPages() {
    const char* captions[] = {"Node", "Support", "Element", "Section", "Spare"};
    for (UINT i = 0; i < 5; ++i) {
        CDialogTemplate t;
        t.caption = captions[i];
        t.style = WS_CHILD;
        t.cx = 160;
        t.cy = 120;
        t.items = {DlgLText(captions[i], IDC_STATIC, 7, 7, 100, 8), DlgEditText(1000, 7, 20, 80, 12)};
        CResources::Instance().AddDialog(IDD_FIRST_PAGE + i, t);
    }
}

struct Counts {
    int saved = 0;
    int loaded = 0;
    int hidden = 0;
};
Counts g_counts;

class ANodeSheet : public APPropertySheet {
    DECLARE_DYNCREATE(ANodeSheet)
public:
    ANodeSheet() : APPropertySheet("Node Properties") {
        for (int i = 0; i < s_pages; ++i) {
            m_pages.push_back(std::make_unique<APPropertyPage>(IDD_FIRST_PAGE + static_cast<UINT>(i % 2)));
            AddPage(m_pages.back().get());
        }
    }
    void ExchangeData(BOOL save) override { ++(save ? g_counts.saved : g_counts.loaded); }
    void ReadExternalData() override {}
    void BeforeHide() override { ++g_counts.hidden; }
    static int s_pages;
    std::vector<std::unique_ptr<APPropertyPage>> m_pages;
};
int ANodeSheet::s_pages = 2;
IMPLEMENT_DYNCREATE(ANodeSheet, APPropertySheet)

class AElementSheet : public APPropertySheet {
    DECLARE_DYNCREATE(AElementSheet)
public:
    AElementSheet() : APPropertySheet("Element Properties") {
        AddPage(&m_element);
        AddPage(&m_section);
    }
    void ExchangeData(BOOL) override {}
    void ReadExternalData() override {}
    APPropertyPage m_element{IDD_FIRST_PAGE + 2};
    APPropertyPage m_section{IDD_FIRST_PAGE + 3};
};
IMPLEMENT_DYNCREATE(AElementSheet, APPropertySheet)

class AFailingSheet : public APPropertySheet {
    DECLARE_DYNCREATE(AFailingSheet)
public:
    void ExchangeData(BOOL) override {}
    void ReadExternalData() override {}
    BOOL Create(CWnd*, DWORD, DWORD) override { return FALSE; }
};
IMPLEMENT_DYNCREATE(AFailingSheet, APPropertySheet)

class APPropertyFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerPages();
        g_counts = Counts{};
        ANodeSheet::s_pages = 2;
    }
    void TearDown() override { APPropertyFrame::Release(); }

    static bool Show(const CRuntimeClass* sheetClass, bool show = true) {
        static int data = 1;
        return APPropertyFrame::Instance()->SetPropertySheet(sheetClass, &data, nullptr, nullptr, show);
    }
    static void Deactivate() {
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(APPropertyFrame::Instance()->GetWidget(), &deactivate);
        QCoreApplication::processEvents();
    }

    CWinApp m_app{"Strakon"};
    CScriptedPromptService m_prompts;
};

TEST_F(APPropertyFrameTest, EachSheetClassComesBackOnItsLastPage) {
    APPropertyFrame* frame = APPropertyFrame::Instance();
    ASSERT_TRUE(Show(RUNTIME_CLASS(ANodeSheet)));
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_EQ(frame->GetWindowText(), "Node Properties");
    EXPECT_EQ(g_counts.loaded, 1);
    frame->GetProperySheet()->SetActivePage(1);
    ASSERT_TRUE(Show(RUNTIME_CLASS(AElementSheet)));
    EXPECT_EQ(g_counts.hidden, 1);
    EXPECT_EQ(frame->GetWindowText(), "Element Properties");
    EXPECT_EQ(frame->GetProperySheet()->GetActiveIndex(), 0);
    ASSERT_TRUE(Show(RUNTIME_CLASS(ANodeSheet)));
    EXPECT_EQ(frame->GetProperySheet()->GetActiveIndex(), 1);
    // A remembered page the sheet no longer has: the last one it has.
    ANodeSheet::s_pages = 3;
    ASSERT_TRUE(Show(RUNTIME_CLASS(AElementSheet)));
    ASSERT_TRUE(Show(RUNTIME_CLASS(ANodeSheet)));
    frame->GetProperySheet()->SetActivePage(2);
    ASSERT_TRUE(Show(RUNTIME_CLASS(AElementSheet)));
    ANodeSheet::s_pages = 1;
    ASSERT_TRUE(Show(RUNTIME_CLASS(ANodeSheet)));
    EXPECT_EQ(frame->GetProperySheet()->GetActiveIndex(), 0);

    frame->GetWidget()->show();
    QApplication::processEvents();
    frame->GetWidget()->grab().save(
        QString::fromStdString((ArtifactsFolder() / "property-frame.png").string()));
}

TEST_F(APPropertyFrameTest, LosingTheActivationHidesTheFrameUnlessPinned) {
    APPropertyFrame* frame = APPropertyFrame::Instance();
    ASSERT_TRUE(Show(RUNTIME_CLASS(ANodeSheet)));
    struct Case {
        bool pushPin;
        bool actAsPinned;
        bool staysVisible;
    };
    for (const Case& c : {Case{true, false, true}, Case{false, true, true}, Case{false, false, false}}) {
        frame->ShowWindow(SW_SHOWNOACTIVATE);
        if (c.pushPin != frame->GetPushPin().IsPinned())
            QTest::mouseClick(frame->GetPushPin().GetWidget(), Qt::LeftButton);
        EXPECT_EQ(frame->GetPushPin().IsPinned(), c.pushPin);
        frame->ActAsPinned(c.actAsPinned);
        Deactivate();
        EXPECT_EQ(frame->IsWindowVisible() != FALSE, c.staysVisible) << c.pushPin << c.actAsPinned;
    }
    // Closing keeps the frame and its sheet and remembers where it was.
    EXPECT_NE(frame->GetProperySheet(), nullptr);
    EXPECT_FALSE(m_app.GetProfileString("Settings", "PropertiesWindow", "").empty());
    // Hot while the mouse is over it, plain once it has left.
    EXPECT_EQ(frame->GetPushPin().CurrentBitmap(), 132u);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(frame->GetPushPin().GetWidget(), &leave);
    EXPECT_EQ(frame->GetPushPin().CurrentBitmap(), 133u);
    frame->GetPushPin().SetPinned(true);
    EXPECT_EQ(frame->GetPushPin().CurrentBitmap(), 134u);
    EXPECT_EQ(frame->GetPushPin().GetToolTipText(), "Keep Visible");
    EXPECT_EQ(frame->GetApplyButton().GetToolTipText(), "Apply");
}

TEST_F(APPropertyFrameTest, WhileHiddenASelectionThatDoesNotAskToShowChangesNothing) {
    APPropertyFrame* frame = APPropertyFrame::Instance();
    ASSERT_TRUE(Show(RUNTIME_CLASS(ANodeSheet), false));
    EXPECT_FALSE(frame->IsCreated());
    ASSERT_TRUE(Show(RUNTIME_CLASS(ANodeSheet)));
    frame->SendMessage(WM_CLOSE);
    ASSERT_TRUE(Show(RUNTIME_CLASS(AElementSheet), false));
    EXPECT_FALSE(frame->IsWindowVisible());
    EXPECT_NE(dynamic_cast<ANodeSheet*>(frame->GetProperySheet()), nullptr);
}

TEST_F(APPropertyFrameTest, AfterAFailedSheetTheButtonsDoNothingAndTheNextSheetShows) {
    APPropertyFrame* frame = APPropertyFrame::Instance();
    ASSERT_TRUE(Show(RUNTIME_CLASS(ANodeSheet)));
    QTest::mouseClick(frame->GetApplyButton().GetWidget(), Qt::LeftButton);
    EXPECT_EQ(g_counts.saved, 1);
    EXPECT_FALSE(Show(RUNTIME_CLASS(AFailingSheet)));
    EXPECT_EQ(frame->GetProperySheet(), nullptr);
    QTest::mouseClick(frame->GetApplyButton().GetWidget(), Qt::LeftButton);
    QTest::mouseClick(frame->GetHelpButton().GetWidget(), Qt::LeftButton);
    EXPECT_EQ(frame->SendMessage(WM_HELP), TRUE);
    frame->SendMessage(WM_CLOSE);
    frame->ShowWindow(SW_SHOWNOACTIVATE);
    Deactivate();
    EXPECT_EQ(g_counts.saved, 1);
    EXPECT_TRUE(Show(RUNTIME_CLASS(AElementSheet)));
    EXPECT_NE(dynamic_cast<AElementSheet*>(frame->GetProperySheet()), nullptr);
    EXPECT_TRUE(frame->IsWindowVisible());
}

TEST_F(APPropertyFrameTest, AFrameThatCannotBeMadeStaysUsableAndReleaseForgetsIt) {
    APPropertyFrame* frame = APPropertyFrame::Instance();
    EXPECT_FALSE(Show(RUNTIME_CLASS(AFailingSheet)));
    EXPECT_EQ(APPropertyFrame::Instance(), frame);
    EXPECT_FALSE(frame->IsWindow());
    EXPECT_TRUE(Show(RUNTIME_CLASS(ANodeSheet)));
    EXPECT_TRUE(frame->IsWindow());
    APPropertyFrame::Release();
    APPropertyFrame* again = APPropertyFrame::Instance();
    EXPECT_FALSE(again->IsWindow());
}

TEST_F(APPropertyFrameTest, AStoredPlaceOffTheScreenIsIgnored) {
    struct Case {
        const char* stored;
        bool moved;
    };
    for (const Case& c :
         {Case{"1,0,-1,-1,-1,-1,5000,5400,5000,5300", false}, Case{"1,0,-1,-1,-1,-1,40,340,30,330", true}}) {
        m_app.WriteProfileString("Settings", "PropertiesWindow", c.stored);
        ASSERT_TRUE(Show(RUNTIME_CLASS(ANodeSheet)));
        const QPoint at = APPropertyFrame::Instance()->GetWidget()->pos();
        EXPECT_EQ(at == QPoint(40, 30), c.moved) << c.stored;
        EXPECT_LT(at.x(), 1000) << c.stored;
        APPropertyFrame::Release();
    }
}

} // namespace

namespace {

// The number of pixels of a picture that differ from the button face's colour.
int inkOf(const QImage& image, QColor face) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != face) ++ink;
    return ink;
}

TEST_F(APPropertyFrameTest, TheButtonsShowTheirPicturesAndThePinShowsItsState) {
    APPropertyFrame* frame = APPropertyFrame::Instance();
    ASSERT_TRUE(Show(RUNTIME_CLASS(ANodeSheet)));
    QApplication::processEvents();
    for (APButtonCtrl* button : std::initializer_list<APButtonCtrl*>{&frame->GetPushPin(), &frame->GetApplyButton(),
                                                                     &frame->GetHelpButton()}) {
        QWidget* widget = button->GetWidget();
        ASSERT_TRUE(widget->isVisible());
        const QImage shown = widget->grab().toImage();
        // The picture, not an empty face: a good part of the button differs from the face colour.
        EXPECT_GT(inkOf(shown, widget->palette().color(QPalette::Button)), shown.width() * shown.height() / 20)
            << button->GetToolTipText();
    }
    const QImage unpinned = frame->GetPushPin().GetWidget()->grab().toImage();
    frame->GetPushPin().SetPinned(true);
    EXPECT_NE(frame->GetPushPin().GetWidget()->grab().toImage(), unpinned) << "the pinned picture";
    frame->GetWidget()->grab().save(QString::fromStdString((ArtifactsFolder() / "property-frame-buttons.png").string()));
}

TEST_F(APPropertyFrameTest, EnterInAPageAppliesTheSheet) {
    APPropertyFrame* frame = APPropertyFrame::Instance();
    ASSERT_TRUE(Show(RUNTIME_CLASS(ANodeSheet)));
    frame->GetPushPin().SetPinned(true);
    frame->GetWidget()->activateWindow();
    QApplication::processEvents();
    CWnd* edit = frame->GetProperySheet()->GetActivePage()->GetDlgItem(1000);
    ASSERT_NE(edit, nullptr);
    edit->GetWidget()->setFocus();
    QApplication::processEvents();
    const int saved = g_counts.saved;
    QTest::keyClick(edit->GetWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(g_counts.saved, saved + 1) << "Enter applies";
    QTest::keyClick(edit->GetWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QApplication::processEvents();
    EXPECT_EQ(g_counts.saved, saved + 2) << "so does the keypad's Enter";
    QTest::keyClick(edit->GetWidget(), Qt::Key_A);
    EXPECT_EQ(g_counts.saved, saved + 2);
}

TEST_F(APPropertyFrameTest, ANewFrameOpensInTheMainWindowsClientArea) {
    auto* main = new CFrameWnd; // deletes itself with its window
    ASSERT_TRUE(main->Create(nullptr, "Main", WS_OVERLAPPEDWINDOW, CRect(100, 80, 900, 680), nullptr, 0));
    main->ShowWindow(SW_SHOW);
    m_app.m_pMainWnd = main;
    QApplication::processEvents();
    ASSERT_TRUE(Show(RUNTIME_CLASS(ANodeSheet)));
    QApplication::processEvents();
    QWidget* client = static_cast<CWnd*>(main)->GetClientWidget();
    const QRect area(client->mapToGlobal(QPoint(0, 0)), client->size());
    const QRect placed = APPropertyFrame::Instance()->GetWidget()->frameGeometry();
    EXPECT_TRUE(area.contains(placed.topLeft())) << placed.x() << "," << placed.y() << " in " << area.x() << ","
                                                 << area.y() << " " << area.width() << "x" << area.height();
    APPropertyFrame::Release();
    m_app.m_pMainWnd = nullptr;
    main->DestroyWindow();
}

} // namespace
