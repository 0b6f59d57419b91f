#pragma once
// A real structure document shown in one of its graphic views, hosted in the
// test MDI frame with a status bar. The document draws, picks and solves as the
// program's does; the edit operations a view submits are recorded (and not
// carried out), so a test sees exactly which edits a gesture asks for.
#include "ViewHostFixture.h"

#include "SettingsFixture.h"
#include "StrakonModelSupport.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/ACoordinatePane.h"
#include "app/views/ADesignElement.h"
#include "app/views/AGeometryViewDocument.h"
#include "app/views/ANode2D.h"
#include "app/views/AStrakon.h"
#include "common/omErrorContainer.h"
#include "common/omUnitValue.h"
#include "controls/AMapC2L.h"
#include "model/omLogFile.h"
#include "platform/storage/CSettingsStore.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "tests/support/ArtifactsFolder.h"
#include "tests/support/TempFolder.h"

#include <QPixmap>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

struct RecordedEdit {
    std::string name;
    std::vector<double> values;
    const void* first = nullptr;
    const void* second = nullptr;
};

class RecordingStrakonDocument : public AStrakonDocument {
public:
    void NewNode(double x, double z, bool split) override { add({"NewNode", {x, z, double(split)}}); }
    void NewElement(ANode2D* first, ANode2D* second, const omPoint& start, const omPoint& end, bool nonLinear,
                    bool split) override {
        add({"NewElement", {start.x, start.y, end.x, end.y, double(nonLinear), double(split)}, first, second});
    }
    void ToggleNodeSupport(ANode* node, int dof) override { add({"ToggleNodeSupport", {double(dof)}, node}); }
    void SetNodeSupport(ANode* node, bool x, bool z, bool rotation, double angle) override {
        add({"SetNodeSupport", {double(x), double(z), double(rotation), angle}, node});
    }
    void SetElasticGround(ADesignElement* element, const omUnitValue& k, int side) override {
        add({"SetElasticGround", {k.Get(omUK_kN_m3), double(side)}, element});
    }
    void ToggleElementRelease(ADesignElement* element, int end, int release) override {
        add({"ToggleElementRelease", {double(end), double(release)}, element});
    }
    void SplitElement(ADesignElement* element, int parts) override { add({"SplitElement", {double(parts)}, element}); }
    void EditMaterials(CWnd*) override { add({"EditMaterials", {}}); }
    void EditCrossSections(CWnd*) override { add({"EditCrossSections", {}}); }
    void MoveSelection(double dx, double dz) override { add({"MoveSelection", {dx, dz}}); }
    void DeleteSelection(CView* v) override {
        add({"DeleteSelection", {double(GetSelection().GetCount())}});
        if (deletes) AStrakonDocument::DeleteSelection(v);
    }
    // The deletion is carried out as well as recorded.
    bool deletes = false;

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const RecordedEdit& e : edits)
            names.push_back(e.name);
        return names;
    }
    std::vector<RecordedEdit> edits;

private:
    void add(RecordedEdit e) { edits.push_back(std::move(e)); }
};

template <class View> class StructureViewTest : public viewhost::ViewHostTest {
protected:
    void SetUp() override {
        CSettingsStore::Instance().SetFolder(settings.path());
        omErrorContainer::instance()->reset();
        omLogFile::Instance()->newFileName((settings.path() / "Strakon.log").string());
        ViewHostTest::SetUp();
        previousPane = ACoordinatePane::SetTarget([this](const char* text) { paneText = text; });
        doc = std::make_unique<RecordingStrakonDocument>();
    }
    void TearDown() override {
        ACoordinatePane::SetTarget(previousPane);
        ViewHostTest::TearDown();
        doc.reset();
        omLogFile::Instance()->close();
        omErrorContainer::instance()->reset();
        AUnitKeyAttributes::Release();
        ADrawAttributes::Release();
        AOptionsAttributes::Release();
        AOutputAttributes::Release();
        CSettingsStore::Instance().Flush();
    }

    AStrakon& model() { return *dynamic_cast<AStrakon*>(doc->GetModel()); }
    // The document's extents follow the model's nodes, as after reading a file.
    void FitExtents(double margin = 1.0) {
        omRect box(1e30, 1e30, -1e30, -1e30);
        for (const auto& [number, node] : *model().getNodeMap()) {
            const omVector v = node->getVector(omUK_m, omNode::coorPlain);
            box.left = std::min(box.left, v(1));
            box.right = std::max(box.right, v(1));
            box.top = std::min(box.top, v(2));
            box.bottom = std::max(box.bottom, v(2));
        }
        doc->GetExtents().AddPoint(box.left - margin, box.top - margin);
        doc->GetExtents().AddPoint(box.right + margin, box.bottom + margin);
    }
    // Opens the view on the document in a maximised child window.
    View* OpenView(int width = 900, int height = 640) {
        frame->MoveWindow(0, 0, width, height);
        child = new CMDIChildWnd;
        CCreateContext context;
        context.m_pNewViewClass = View::GetThisClass();
        context.m_pCurrentDoc = doc.get();
        if (!child->Create(nullptr, "Structure", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                           CRect(0, 0, width - 40, height - 80), frame, &context))
            return nullptr;
        child->InitialUpdateFrame(doc.get(), TRUE);
        child->MDIMaximize();
        viewhost::Pump();
        view = dynamic_cast<View*>(child->GetActiveView());
        if (view) input = view->GetInputWidget();
        return view;
    }

    ANode2D* NodeOf(unsigned id) { return dynamic_cast<ANode2D*>(model().getNodeMap()->find(id)); }
    ADesignElement* MemberOf(unsigned id) {
        return dynamic_cast<ADesignElement*>(const_cast<omDesignElement*>(model().getElementMap()->doFind(id)));
    }

    // The client pixel of a world point (metres).
    QPoint At(double x, double z) {
        view->ClientToLogical(CPoint(0, 0)); // brings the map's device mapping up to date
        const CPoint device = view->GetC2L().DU(view->GetC2L().LU(x, z));
        return QPoint(device.x, device.y);
    }
    void Press(QPoint p, Qt::KeyboardModifiers keys = Qt::NoModifier, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(input, b, keys, p);
    }
    void Release(QPoint p, Qt::KeyboardModifiers keys = Qt::NoModifier, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(input, b, keys, p);
    }
    void Click(QPoint p, Qt::KeyboardModifiers keys = Qt::NoModifier, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseMove(input, p);
        Press(p, keys, b);
        Release(p, keys, b);
    }
    void Move(QPoint p) {
        QTest::mouseMove(input, p);
        viewhost::Pump();
    }
    void Command(UINT id) { view->SendMessage(WM_COMMAND, id, 0); }
    // Whether the view's update handler enables / checks the command.
    bool Enabled(UINT id) {
        CTestCmdUI ui;
        ui.m_nID = id;
        ui.DoUpdate(view, FALSE);
        return ui.m_bEnabled;
    }
    int Checked(UINT id) {
        CTestCmdUI ui;
        ui.m_nID = id;
        ui.DoUpdate(view, FALSE);
        return ui.m_nCheck;
    }
    void Save(const char* name) {
        viewhost::Pump();
        frame->GetWidget()->grab().save(QString::fromStdString((ArtifactsFolder() / name).string()));
    }

    TempFolder settings;
    std::unique_ptr<RecordingStrakonDocument> doc;
    CMDIChildWnd* child = nullptr;
    View* view = nullptr;
    QWidget* input = nullptr;
    CString paneText;
    ACoordinatePane::Target previousPane;
};
