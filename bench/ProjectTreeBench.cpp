// The Geometry and Design trees of the project window on a 50-storey by
// 10-bay frame (561 nodes, 1050 members): building each tree's branch of the
// structure, and bringing it in step after one edit (a member added). Each
// should stay under 50 ms. Prints the median of the runs. Run by hand on an
// otherwise idle machine, without a display:
//
//   QT_QPA_PLATFORM=offscreen build/bin/project_tree_bench [runs]
#include "tests/app/ProjectWindowFixture.h"

#include "model/omElementMap.h"
#include "model/omGenericCrossSection.h"
#include "model/omMaterial.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kBays = 10;
constexpr int kStoreys = 50;

unsigned nodeId(int column, int level) {
    return static_cast<unsigned>(level * (kBays + 1) + column + 1);
}

void buildFrame(omStrakon& s) {
    s.addMaterial(new omMaterial(21000.0, 0.0, 1.2e-5, 7850.0, 0.3, 1), 1);
    s.addCrossSection(new omGenericCrossSection(omUnitValue(53.8, omUK_cm2), omUnitValue(8356.0, omUK_cm4), 1), 1);
    for (int level = 0; level <= kStoreys; ++level)
        for (int column = 0; column <= kBays; ++column)
            s.addNode(5.0 * column, -3.5 * level, "m", nodeId(column, level));
    unsigned member = 1;
    for (int level = 1; level <= kStoreys; ++level) {
        for (int column = 0; column <= kBays; ++column)
            s.addElement(nodeId(column, level - 1), nodeId(column, level), 1, 1, member++);
        for (int column = 0; column < kBays; ++column)
            s.addElement(nodeId(column, level), nodeId(column + 1, level), 1, 1, member++);
    }
    for (int column = 0; column <= kBays; ++column)
        for (omDofType t : {Ux, Uz, Ry})
            s.setSupport(nodeId(column, 0), t, true);
}

// The project machinery of the tests, driven by hand.
class Bench : public ProjectWindowFixture {
public:
    void TestBody() override {}
    void Start() {
        ProjectWindowFixture::SetUp();
        newProject(folder / "P.oxp");
        doc = addStructure("Frame", folder.path(), buildFrame);
    }
    void Stop() { ProjectWindowFixture::TearDown(); }
    AProjectWorkspaceWnd& Window() { return wnd(); }

    template <class Item>
    double Initialize(ABaseProjectTreeCtrl& tree) {
        auto* item = new Item(doc, &tree);
        const auto start = std::chrono::steady_clock::now();
        tree.AddStructure(doc, item);
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    double UpdateAfterOneEdit() {
        omStrakon& s = *doc->GetModel();
        s.addElement(nodeId(0, 0), nodeId(kBays, kStoreys), 1, 1, ++extra);
        const auto start = std::chrono::steady_clock::now();
        wnd().UpdateElements(doc);
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }

    AStrakonDocument* doc = nullptr;
    unsigned extra = 5000;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication qt(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    Bench bench;
    bench.Start();
    if (!bench.doc) {
        std::fprintf(stderr, "the frame could not be made\n");
        return 1;
    }
    std::vector<double> geometry, design, update;
    for (int i = 0; i < runs; ++i) {
        geometry.push_back(bench.Initialize<ASGTreeItem>(bench.Window().GetGeometryTree()));
        design.push_back(bench.Initialize<ASDTreeItem>(bench.Window().GetDesignTree()));
        update.push_back(bench.UpdateAfterOneEdit());
    }
    std::printf("members %d, nodes %d, runs %d\n", kStoreys * (2 * kBays + 1), (kStoreys + 1) * (kBays + 1), runs);
    std::printf("Geometry tree Initialize      %8.2f ms\n", median(geometry));
    std::printf("Design tree Initialize        %8.2f ms\n", median(design));
    std::printf("both trees after one edit     %8.2f ms\n", median(update));
    bench.Stop();
    return 0;
}
