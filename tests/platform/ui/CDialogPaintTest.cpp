// A dialog colours its controls and draws its owner-drawn controls; a control
// that answers for itself is asked first.
#include "platform/ui/CDialog.h"

#include "UiTestSupport.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/CGdiObject.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QPixmap>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT IDD_COLOURS = 9691;
constexpr UINT IDD_OWNERDRAW = 9692;
enum : int {
    IDC_RED = 1000,
    IDC_PLAIN,
    IDC_LABEL,
    IDC_OWNCOLOUR,
    IDC_FACE,
    IDC_ITEMS,
    IDC_FIXED,
    IDC_GRADES
};

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 160, 0);
const QColor kBlue(0, 0, 255);

// How many pixels of the picture have the colour.
int countPixels(const QImage& image, const QColor& colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (QColor(rgb.pixel(x, y)) == colour) ++n;
    return n;
}

// How many pixels of the picture are red or red blended into a light background (text).
int countReddish(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QColor c(rgb.pixel(x, y));
            if (c.red() > 200 && c.green() < 140 && c.blue() < 140) ++n;
        }
    return n;
}

QImage grabOf(CWnd* wnd, const char* name) {
    const QImage image = wnd->GetWidget()->grab().toImage();
    image.save(QString::fromStdString((ArtifactsFolder() / name).string()));
    return image;
}

// An edit that chooses its own background; the dialog never hears of it.
class AOwnColourEdit : public CEdit {
public:
    CBrush m_brush{RGB(0, 160, 0)};
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) {
        EXPECT_EQ(nCtlColor, CTLCOLOR_EDIT);
        pDC->SetTextColor(RGB(255, 255, 255));
        return &m_brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(AOwnColourEdit, CEdit)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class AColoured : public CDialog {
public:
    AColoured() : CDialog(IDD_COLOURS) {}
    std::vector<std::pair<int, UINT>> asked; // control id, CTLCOLOR_ kind
    CBrush m_white{RGB(255, 255, 255)};
    CBrush m_yellow{RGB(255, 255, 0)};
    AOwnColourEdit m_own;

    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override {
        const int id = pWnd ? pWnd->GetDlgCtrlID() : 0;
        asked.emplace_back(id, nCtlColor);
        if (id == IDC_RED) {
            pDC->SetTextColor(RGB(255, 0, 0));
            return &m_white;
        }
        if (id == IDC_LABEL) {
            pDC->SetBkColor(RGB(255, 255, 0));
            return &m_yellow;
        }
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_OWNCOLOUR, m_own); }
};

class DialogColours : public ::testing::Test {
protected:
    void SetUp() override {
        CDialogTemplate t;
        t.caption = "Colours";
        t.style = WS_POPUP | WS_CAPTION;
        t.cx = 200;
        t.cy = 100;
        t.items = {DlgEditText(IDC_RED, 7, 7, 90, 14, WS_BORDER),
                   DlgEditText(IDC_PLAIN, 7, 25, 90, 14, WS_BORDER),
                   DlgLText("Span length", IDC_LABEL, 7, 45, 90, 12),
                   DlgEditText(IDC_OWNCOLOUR, 7, 62, 90, 14, WS_BORDER)};
        CResources::Instance().AddDialog(IDD_COLOURS, t);
    }
    CScriptedPromptService m_prompts;
    CScriptedDialogService m_dialogs;
};

TEST_F(DialogColours, TheAnswerColoursTheControlAndAControlAnswersForItselfFirst) {
    AColoured dlg;
    m_dialogs.Queue([&](CDialog& d) {
        d.SetDlgItemText(IDC_RED, "MMMMMMMM");
        d.SetDlgItemText(IDC_PLAIN, "MMMMMMMM");
        d.SetDlgItemText(IDC_OWNCOLOUR, "4.50");
        const QImage whole = grabOf(&d, "dialog-colours.png");
        const QImage red = grabOf(d.GetDlgItem(IDC_RED), "dialog-colours-red-edit.png");
        const QImage plain = grabOf(d.GetDlgItem(IDC_PLAIN), "dialog-colours-plain-edit.png");
        const QImage label = grabOf(d.GetDlgItem(IDC_LABEL), "dialog-colours-label.png");
        const QImage own = grabOf(d.GetDlgItem(IDC_OWNCOLOUR), "dialog-colours-own-edit.png");
        EXPECT_FALSE(whole.isNull());

        // Each control asked the dialog with its kind, except the one that answered itself.
        auto askedOf = [&](int id) {
            std::vector<UINT> kinds;
            for (const auto& [who, kind] : dlg.asked)
                if (who == id) kinds.push_back(kind);
            return kinds;
        };
        ASSERT_FALSE(askedOf(IDC_RED).empty());
        EXPECT_EQ(askedOf(IDC_RED).front(), CTLCOLOR_EDIT);
        ASSERT_FALSE(askedOf(IDC_LABEL).empty());
        EXPECT_EQ(askedOf(IDC_LABEL).front(), CTLCOLOR_STATIC);
        EXPECT_TRUE(askedOf(IDC_OWNCOLOUR).empty());

        const QPalette redPalette = d.GetDlgItem(IDC_RED)->GetWidget()->palette();
        EXPECT_EQ(redPalette.color(QPalette::Active, QPalette::Text), kRed);
        EXPECT_EQ(redPalette.color(QPalette::Active, QPalette::Base), QColor(Qt::white));
        EXPECT_GT(countReddish(red), 40);
        // A null answer keeps the control's own colours.
        EXPECT_NE(d.GetDlgItem(IDC_PLAIN)->GetWidget()->palette().color(QPalette::Active, QPalette::Text),
                  kRed);
        EXPECT_EQ(countReddish(plain), 0);

        EXPECT_EQ(d.GetDlgItem(IDC_LABEL)->GetWidget()->palette().color(QPalette::Active, QPalette::Window),
                  kYellow);
        EXPECT_GT(countPixels(label, kYellow), label.width() * label.height() / 2);

        EXPECT_EQ(dlg.m_own.GetWidget()->palette().color(QPalette::Active, QPalette::Base), kGreen);
        EXPECT_GT(countPixels(own, kGreen), own.width() * own.height() / 3);
        d.PressButton(IDCANCEL);
    });
    dlg.DoModal();
}

// --- owner drawing ---------------------------------------------------------------------------------

struct DrawnItem {
    UINT ctlType;
    int ctlID;
    UINT itemID;
    UINT itemState;
    CRect rect;
    DWORD_PTR data;
};

// A list box that draws and measures its own items: item n is 20 + 10 n pixels
// high, selected items blue, the others in the colour of their data.
class AOwnList : public CListBox {
public:
    std::vector<DrawnItem> drawn;
    std::vector<UINT> measured;
    void DrawItem(LPDRAWITEMSTRUCT dis) override {
        drawn.push_back({dis->CtlType, static_cast<int>(dis->CtlID), dis->itemID, dis->itemState,
                         CRect(dis->rcItem), dis->itemData});
        dis->hDC->FillSolidRect(&dis->rcItem, dis->itemState & ODS_SELECTED
                                                  ? RGB(0, 0, 255)
                                                  : static_cast<COLORREF>(dis->itemData));
    }
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override {
        measured.push_back(mis->itemID);
        mis->itemHeight = 20 + 10 * mis->itemID;
    }
};

class AOwnerDrawn : public CDialog {
public:
    AOwnerDrawn() : CDialog(IDD_OWNERDRAW) {}
    std::vector<DrawnItem> drawn;
    int m_nMeasured = 0;
    AOwnList m_items;

    // The button: red while pressed, grey when disabled, green otherwise.
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT dis) override {
        drawn.push_back(
            {dis->CtlType, nIDCtl, dis->itemID, dis->itemState, CRect(dis->rcItem), dis->itemData});
        COLORREF colour = RGB(0, 160, 0);
        if (dis->itemState & ODS_SELECTED) colour = RGB(255, 0, 0);
        if (dis->itemState & ODS_DISABLED) colour = RGB(128, 128, 128);
        dis->hDC->FillSolidRect(&dis->rcItem, colour);
    }
    void OnMeasureItem(int, LPMEASUREITEMSTRUCT mis) override {
        ++m_nMeasured;
        mis->itemHeight = 25;
    }
    std::vector<DrawnItem> drawnOf(int id) const {
        std::vector<DrawnItem> result;
        for (const DrawnItem& d : drawn)
            if (d.ctlID == id) result.push_back(d);
        return result;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_ITEMS, m_items); }
};

class OwnerDraw : public ::testing::Test {
protected:
    void SetUp() override {
        CDialogTemplate t;
        t.caption = "Owner drawn";
        t.style = WS_POPUP | WS_CAPTION;
        t.cx = 300;
        t.cy = 200;
        t.items = {DlgPushButton("", IDC_FACE, 7, 7, 50, 20, BS_OWNERDRAW),
                   DlgListBox(IDC_ITEMS, 70, 7, 80, 120, LBS_OWNERDRAWVARIABLE),
                   DlgListBox(IDC_FIXED, 160, 7, 80, 120, LBS_OWNERDRAWFIXED),
                   DlgComboBox(IDC_GRADES, 7, 140, 80, 60, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED)};
        CResources::Instance().AddDialog(IDD_OWNERDRAW, t);
    }
    CScriptedPromptService m_prompts;
    CScriptedDialogService m_dialogs;
};

TEST_F(OwnerDraw, TheDialogDrawsAnOwnerDrawnButtonInItsStates) {
    struct Case {
        const char* name;
        bool down;
        bool enabled;
        UINT state;
        QColor colour;
    };
    const Case cases[] = {{"up", false, true, 0, kGreen},
                          {"pressed", true, true, ODS_SELECTED, kRed},
                          {"disabled", false, false, ODS_DISABLED, QColor(128, 128, 128)}};
    AOwnerDrawn dlg;
    m_dialogs.Queue([&](CDialog& d) {
        CWnd* face = d.GetDlgItem(IDC_FACE);
        auto* button = qobject_cast<QAbstractButton*>(face->GetWidget());
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(static_cast<CButton*>(face)->GetButtonStyle() & BS_TYPEMASK, BS_OWNERDRAW);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            button->setDown(c.down);
            face->EnableWindow(c.enabled);
            dlg.drawn.clear();
            const QImage image = grabOf(face, (std::string("owner-drawn-button-") + c.name + ".png").c_str());
            const auto drawn = dlg.drawnOf(IDC_FACE);
            ASSERT_FALSE(drawn.empty());
            EXPECT_EQ(drawn.back().ctlType, ODT_BUTTON);
            EXPECT_EQ(drawn.back().itemState & (ODS_SELECTED | ODS_DISABLED), c.state);
            EXPECT_EQ(drawn.back().rect, CRect(0, 0, button->width(), button->height()));
            // Only the owner's drawing is there: no face of the style around it.
            EXPECT_EQ(countPixels(image, c.colour), image.width() * image.height());
        }
        button->setDown(false);
        face->EnableWindow(TRUE);
        d.PressButton(IDCANCEL);
    });
    dlg.DoModal();
}

TEST_F(OwnerDraw, AListBoxDrawsAndMeasuresItsOwnItems) {
    AOwnerDrawn dlg;
    m_dialogs.Queue([&](CDialog& d) {
        const COLORREF colours[] = {RGB(255, 0, 0), RGB(255, 255, 0), RGB(0, 160, 0)};
        for (int i = 0; i < 3; ++i) {
            dlg.m_items.AddString(("item " + std::to_string(i)).c_str());
            dlg.m_items.SetItemData(i, colours[i]);
        }
        dlg.m_items.SetCurSel(1);
        auto* list = qobject_cast<QListWidget*>(dlg.m_items.GetWidget());
        ASSERT_NE(list, nullptr);
        const QImage image = grabOf(&dlg.m_items, "owner-drawn-list.png");

        // Each item got the height its MeasureItem gave; the dialog was not asked.
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(list->visualItemRect(list->item(i)).height(), 20 + 10 * i) << "item " << i;
        EXPECT_NE(std::find(dlg.m_items.measured.begin(), dlg.m_items.measured.end(), 2u),
                  dlg.m_items.measured.end());
        EXPECT_EQ(dlg.m_nMeasured, 0);
        EXPECT_TRUE(dlg.drawnOf(IDC_ITEMS).empty());

        ASSERT_FALSE(dlg.m_items.drawn.empty());
        for (const DrawnItem& item : dlg.m_items.drawn) {
            SCOPED_TRACE(item.itemID);
            EXPECT_EQ(item.ctlType, ODT_LISTBOX);
            EXPECT_EQ(item.ctlID, IDC_ITEMS);
            ASSERT_LT(item.itemID, 3u);
            EXPECT_EQ(item.data, colours[item.itemID]);
            EXPECT_EQ(bool(item.itemState & ODS_SELECTED), item.itemID == 1);
            const QRect r = list->visualItemRect(list->item(static_cast<int>(item.itemID)));
            EXPECT_EQ(item.rect, CRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1));
        }
        // The picture: the items in their colours, the selected one blue, in their heights.
        const QPoint origin = list->viewport()->mapTo(list, QPoint(0, 0));
        auto pixelAt = [&](int item) {
            const QRect r = list->visualItemRect(list->item(item)).translated(origin);
            return QColor(image.pixel(r.center()));
        };
        EXPECT_EQ(pixelAt(0), kRed);
        EXPECT_EQ(pixelAt(1), kBlue);
        EXPECT_EQ(pixelAt(2), kGreen);
        const QRect selected = list->visualItemRect(list->item(1));
        EXPECT_EQ(countPixels(image, kBlue), selected.width() * selected.height());
        d.PressButton(IDCANCEL);
    });
    dlg.DoModal();
}

TEST_F(OwnerDraw, TheParentDrawsAndMeasuresWhatTheControlLeaves) {
    AOwnerDrawn dlg;
    m_dialogs.Queue([&](CDialog& d) {
        auto* fixed = static_cast<CListBox*>(d.GetDlgItem(IDC_FIXED));
        for (const char* text : {"S235", "S275", "S355"})
            fixed->AddString(text);
        auto* grades = static_cast<CComboBox*>(d.GetDlgItem(IDC_GRADES));
        for (const char* text : {"C20/25", "C30/37"})
            grades->AddString(text);
        grades->SetCurSel(1);
        grabOf(fixed, "owner-drawn-fixed-list.png");
        const QImage face = grabOf(grades, "owner-drawn-combo.png");

        // A fixed-height list is measured once for all its items.
        auto* list = qobject_cast<QListWidget*>(fixed->GetWidget());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(list->visualItemRect(list->item(i)).height(), 25);
        EXPECT_EQ(dlg.m_nMeasured, 1);
        const auto items = dlg.drawnOf(IDC_FIXED);
        EXPECT_EQ(items.size(), 3u);
        for (const DrawnItem& item : items)
            EXPECT_EQ(item.ctlType, ODT_LISTBOX);

        // The face of the combo box shows its selected item, drawn by the dialog.
        const auto faces = dlg.drawnOf(IDC_GRADES);
        ASSERT_FALSE(faces.empty());
        EXPECT_EQ(faces.back().ctlType, ODT_COMBOBOX);
        EXPECT_EQ(faces.back().itemID, 1u);
        EXPECT_TRUE(faces.back().itemState & ODS_COMBOBOXEDIT);
        EXPECT_GT(countPixels(face, kGreen), faces.back().rect.Width() * faces.back().rect.Height() / 2);
        d.PressButton(IDCANCEL);
    });
    dlg.DoModal();
}

} // namespace
