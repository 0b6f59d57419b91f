// The zoom views of an opened project show their whole structure fitted in the
// window: the windows restored from the project's workspaces, the windows
// opened from its tree, and after Zoom Extents.
#include "ProjectWindowFixture.h"

#include "app/views/ADrawAttributes.h"
#include "app/views/AExtents2D.h"
#include "app/views/AZoomView.h"
#include "model/omNodeMap.h"
#include "platform/ui/CClientDC.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

class AZoomViewFitTest : public ProjectWindowFixture {
protected:
    void openExample() {
        const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
        for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs", "two-frames.oxp"})
            fs::copy_file(examples / name, folder / name);
        ASSERT_NE(openProject(folder / "two-frames.oxp"), nullptr);
        ProcessEvents();
    }
    static AZoomView* zoomViewOf(CWnd* window) {
        auto* f = dynamic_cast<CFrameWnd*>(window);
        return f ? dynamic_cast<AZoomView*>(f->GetActiveView()) : nullptr;
    }
    std::vector<AZoomView*> viewsIn(int workspace) {
        std::vector<AZoomView*> out;
        for (ABaseWorkspaceWindowInfo* info : AWorkspaceManager::Instance()->GetWorkspace(workspace)->GetFrames())
            if (AZoomView* v = zoomViewOf(CWnd::FromHandle(info->m_hWnd))) out.push_back(v);
        return out;
    }
    static void openFromTree(ABaseProjectTI* entry) {
        auto* win = dynamic_cast<ATIWin*>(entry);
        ASSERT_NE(win, nullptr);
        win->DefaultAction();
        ProcessEvents();
    }
    // The rectangle of the structure's nodes (metres), grown by margin on every side.
    static omRect nodesOf(AZoomView& view, double margin) {
        auto* doc = dynamic_cast<AStrakonDocument*>(view.GetDocument());
        omRect r;
        bool first = true;
        const omNodeMap* nodes = doc ? doc->GetModel()->getNodeMap() : nullptr;
        if (!nodes) return r;
        for (nodes->start_ii(); !nodes->stop_ii(); nodes->increment_ii()) {
            const omVector p = nodes->object_ii()->getVector(omUK_m, omNode::coorPlain);
            if (first) r = omRect(p(1), p(2), p(1), p(2));
            r.left = std::min(r.left, p(1));
            r.right = std::max(r.right, p(1));
            r.top = std::min(r.top, p(2));
            r.bottom = std::max(r.bottom, p(2));
            first = false;
        }
        r.left -= margin;
        r.right += margin;
        r.top -= margin;
        r.bottom += margin;
        return r;
    }
    // The world rectangle in client pixels, as the view maps it now.
    static CRect pixelsOf(AZoomView& view, const omRect& world) {
        CClientDC dc(&view);
        view.OnPrepareDC(&dc);
        view.GetC2L().SetMapModeData(dc);
        CRect r = view.GetC2L().DU(world);
        r.NormalizeRect();
        return r;
    }
    // The structure (and what its view draws around it, margin metres) lies
    // inside the client area and fills a good part of it.
    static void expectFitted(AZoomView& view, double margin, const std::string& what) {
        CRect client;
        view.GetClientRect(&client);
        ASSERT_GT(client.Width(), 200) << what;
        ASSERT_GT(client.Height(), 150) << what;
        const CRect drawn = pixelsOf(view, nodesOf(view, margin));
        EXPECT_GE(drawn.left, client.left) << what;
        EXPECT_GE(drawn.top, client.top) << what;
        EXPECT_LE(drawn.right, client.right) << what;
        EXPECT_LE(drawn.bottom, client.bottom) << what;
        const CRect structure = pixelsOf(view, nodesOf(view, 0.0));
        EXPECT_TRUE(structure.Width() >= client.Width() / 4 || structure.Height() >= client.Height() / 4)
            << what << ": the structure is " << structure.Width() << " x " << structure.Height()
            << " pixels of a client of " << client.Width() << " x " << client.Height();
    }
    static double nodeSize() { return ADrawAttributes::Instance()->m_nodeSize; }
    static double resultsMargin() { return ADrawAttributes::Instance()->GetDiagramSize(); }
};

} // namespace

// Windows of each workspace as the project restores them, windows opened from
// the tree, and Zoom Extents after zooming in: the whole structure in sight.
TEST_F(AZoomViewFitTest, OpenedProjectWindowsShowTheirWholeStructure) {
    openExample();
    AStrakonDocument* portal = structure("portal-frame");
    AStrakonDocument* beam = structure("beam-on-ground");
    ASSERT_NE(portal, nullptr);
    ASSERT_NE(beam, nullptr);

    const struct {
        int workspace;
        double margin;
    } workspaces[] = {{0, nodeSize()}, {1, nodeSize()}, {2, resultsMargin()}};
    for (const auto& w : workspaces) {
        wnd().ActivateWorkspace(w.workspace);
        ProcessEvents();
        const std::vector<AZoomView*> views = viewsIn(w.workspace);
        ASSERT_FALSE(views.empty()) << "workspace " << w.workspace;
        for (AZoomView* v : views)
            expectFitted(*v, w.margin, "restored in workspace " + std::to_string(w.workspace) + ": " +
                                           v->GetParentFrame()->GetWindowText());
    }

    // Windows that the tree opens.
    wnd().ActivateWorkspace(1);
    openFromTree(wnd().GetActionItem(beam, 1));
    wnd().ActivateWorkspace(2);
    openFromTree(wnd().GetLoadCaseItem(beam, 1));
    for (int workspace : {1, 2}) {
        wnd().ActivateWorkspace(workspace);
        ProcessEvents();
        bool seen = false;
        for (AZoomView* v : viewsIn(workspace)) {
            if (v->GetDocument() != beam) continue;
            seen = true;
            expectFitted(*v, workspace == 2 ? resultsMargin() : nodeSize(),
                         "opened from the tree: " + v->GetParentFrame()->GetWindowText());
        }
        EXPECT_TRUE(seen) << "workspace " << workspace;
    }

    // Zoom Extents brings the whole structure back after zooming in.
    wnd().ActivateWorkspace(2);
    ProcessEvents();
    for (AZoomView* v : viewsIn(2)) {
        v->OnZoomIn();
        v->OnZoomIn();
        v->OnZoomExtents();
        expectFitted(*v, resultsMargin(), "after Zoom Extents: " + v->GetParentFrame()->GetWindowText());
    }
}

// A structure file whose stored extents miss its nodes: the views' extents
// take in every node, what the file holds stays as read.
TEST_F(AZoomViewFitTest, DrawExtentsHoldAllNodesWhateverTheStoredExtents) {
    openExample();
    AStrakonDocument* portal = structure("portal-frame");
    const AExtents2D stored = portal->GetExtents();
    const double s = nodeSize();
    const double d = resultsMargin();
    const struct {
        int mode;
        double margin;
    } modes[] = {{AExtents2D::modeExtents, 3 * s}, {AExtents2D::modeLoads, 9 * s},
                 {AExtents2D::modeResults, 3 * s + d}, {AExtents2D::modeZoomAll, 2 * s}};
    for (const auto& m : modes) {
        const omRect r = portal->GetDrawExtents(omUK_m, m.mode, 0);
        EXPECT_NEAR(r.left, -m.margin, 1e-4) << "mode " << m.mode;
        EXPECT_NEAR(r.right, 6.0 + m.margin, 1e-4) << "mode " << m.mode;
        EXPECT_NEAR(r.top, -4.0 - m.margin, 1e-4) << "mode " << m.mode;
        EXPECT_NEAR(r.bottom, m.margin, 1e-4) << "mode " << m.mode;
    }
    EXPECT_EQ(portal->GetExtents().m_nodeRect, stored.m_nodeRect);
    EXPECT_EQ(portal->GetExtents().right, stored.right);
}
