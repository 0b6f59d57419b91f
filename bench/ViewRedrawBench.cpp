// A full redraw of the graphic views of a large frame, 20 bays by 25 storeys
// (546 nodes, 1025 members) with supports, hinged beams, labels and one solved
// load case, through AZoomView::OnDraw into a 1920 x 1080 image at Zoom
// Extents: the geometry view, and the result view with moments, their labels
// and hatching. Then the concrete design view of the RC beam of the design
// tests (11 result points) (shear and N-M charts, three reinforcement
// charts), and the filling of its load-case lists with 500 load cases. Prints
// the median of the runs. Run by hand on one core of an
// otherwise idle machine:
//
//   taskset -c 0 build/bin/view_redraw_bench [runs]
#include "app/design/ADesignConcreteView.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/ADesignElement.h"
#include "app/views/AGeometryView.h"
#include "app/views/ALCResultView.h"
#include "app/views/ANode2D.h"
#include "app/views/AStrakon.h"
#include "common/omErrorContainer.h"
#include "model/omElementMap.h"
#include "model/omGenericCrossSection.h"
#include "model/omLoad.h"
#include "model/omLoadCase.h"
#include "model/omLogFile.h"
#include "model/omMaterial.h"
#include "model/omNodeMap.h"
#include "platform/gdi/CImageDC.h"
#include "platform/storage/CSettingsStore.h"
#include "platform/ui/CFrameWnd.h"
#include "resources/ui/StrakonDesignIds.h"
#include "tests/app/design/DesignFixtures.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kBays = 20;
constexpr int kStoreys = 25;

unsigned nodeId(int column, int level) {
    return static_cast<unsigned>(level * (kBays + 1) + column + 1);
}

void buildFrame(AStrakonDocument& doc) {
    omStrakon& s = *doc.GetModel();
    s.addMaterial(new omMaterial(21000.0, 0.0, 1.2e-5, 7850.0, 0.3, 1), 1);
    auto* cs = new omGenericCrossSection(omUnitValue(53.8, omUK_cm2), omUnitValue(8356.0, omUK_cm4), 1);
    cs->setProperty(omGenericCrossSection::pHeight, omUnitValue(30.0, omUK_cm));
    cs->setProperty(omGenericCrossSection::pBreadth, omUnitValue(15.0, omUK_cm));
    s.addCrossSection(cs, 1);
    s.addLoadGroup("G");
    for (int level = 0; level <= kStoreys; ++level)
        for (int column = 0; column <= kBays; ++column)
            s.addNode(5.0 * column, -3.5 * level, "m", nodeId(column, level));
    unsigned member = 1;
    for (int level = 1; level <= kStoreys; ++level) {
        for (int column = 0; column <= kBays; ++column)
            s.addElement(nodeId(column, level - 1), nodeId(column, level), 1, 1, member++);
        for (int column = 0; column < kBays; ++column) {
            omDesignElement* beam = s.addElement(nodeId(column, level), nodeId(column + 1, level), 1, 1, member++);
            // Every other bay's beams are hinged at both ends.
            if (column % 2 == 1) {
                beam->release(omDesignElement::first, Ry, true);
                beam->release(omDesignElement::second, Ry, true);
            }
        }
    }
    for (int column = 0; column <= kBays; ++column) {
        for (omDofType t : {Ux, Uz, Ry})
            s.setSupport(nodeId(column, 0), t, true);
        if (auto* node = dynamic_cast<ANode*>(s.getNodeMap()->find(nodeId(column, 0))))
            node->SetShowSupportSymbol(true);
    }
    for (int level = 1; level <= kStoreys; ++level) {
        for (int column = 0; column <= kBays; ++column) {
            auto* load = new omLoadForce(s.getStructureType(), 0);
            load->setF(Ux, omUnitValue(column == 0 ? 5.0 : 0.0, omUK_kN));
            load->setF(Uz, omUnitValue(20.0, omUK_kN));
            s.addNodeLoad(nodeId(column, level), load, "G");
        }
    }
    omLoadCase* lc = s.addLoadCase("G", omLoadCase::lsUltimate);
    for (int k = 1; k <= lc->size(); ++k)
        (*lc)(k) = 1.0;
    doc.GetExtents().AddPoint(-2.0, 2.0);
    doc.GetExtents().AddPoint(5.0 * kBays + 2.0, -3.5 * kStoreys - 2.0);
}

// A top-level frame with the view on the document, its client 1920 x 1080.
// The view in a frame of its own, at the bench's size.
template <class View> View* createView(AStrakonDocument& doc) {
    auto* frame = new CFrameWnd;
    CCreateContext context;
    context.m_pNewViewClass = View::GetThisClass();
    context.m_pCurrentDoc = &doc;
    frame->Create(nullptr, "View", WS_OVERLAPPEDWINDOW, CRect(0, 0, kWidth, kHeight), nullptr, 0, 0, &context);
    frame->InitialUpdateFrame(&doc, TRUE);
    auto* view = static_cast<View*>(frame->GetActiveView());
    view->GetInputWidget()->resize(kWidth, kHeight);
    QCoreApplication::processEvents();
    return view;
}

template <class View> View* openView(AStrakonDocument& doc) {
    View* view = createView<View>(doc);
    view->OnZoomExtents();
    return view;
}

// The median of the runs of a full redraw, in milliseconds.
double medianRedraw(AZoomView& view, int runs) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        image.fill(Qt::white);
        const auto t0 = std::chrono::steady_clock::now();
        {
            CImageDC dc(&image);
            view.OnPrepareDC(&dc);
            view.OnDraw(&dc);
        }
        const auto t1 = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    std::sort(times.begin(), times.end());
    if (qEnvironmentVariableIsSet("VIEW_REDRAW_BENCH_IMAGE"))
        image.save(qEnvironmentVariable("VIEW_REDRAW_BENCH_IMAGE") + QString("-%1.png").arg(runs));
    return times[times.size() / 2];
}

// The concrete design view of the beam, at the bench's size.
ADesignConcreteView* openDesignView(AStrakonDocument& doc) {
    auto* view = createView<ADesignConcreteView>(doc);
    view->SetElementNumber(designtest::RCBeam::member);
    view->OnSize(0, kWidth, kHeight);
    return view;
}

template <class F> double median(int runs, F&& run) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        run();
        const auto t1 = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

int benchDesignView(int runs) {
    RegisterStrakonDesignResources();
    designtest::useDefaultFactors();
    AStrakonDocument doc;
    designtest::addRCBeam(*doc.GetModel());
    omRCDesignBeamData data = designtest::rcBeamData();
    doc.ChangeDesignData(designtest::RCBeam::member, &data);
    if (!doc.Solve()) {
        std::fprintf(stderr, "the beam did not solve\n");
        return 1;
    }
    doc.DesignElement(designtest::RCBeam::member);
    ADesignConcreteView* view = openDesignView(doc);
    std::printf("%zu result points on the beam\n", view->GetPositions().size());
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    const double redraw = median(runs, [&] {
        image.fill(Qt::white);
        CImageDC dc(&image);
        view->OnPrepareDC(&dc);
        view->OnDraw(&dc);
    });
    std::printf("%-44s median %8.2f ms\n", "Concrete design view, full redraw", redraw);
    if (qEnvironmentVariableIsSet("VIEW_REDRAW_BENCH_IMAGE"))
        image.save(qEnvironmentVariable("VIEW_REDRAW_BENCH_IMAGE") + QString("-design.png"));

    for (int i = 3; i <= 500; ++i)
        doc.GetModel()->addLoadCase("LC" + std::to_string(i), i % 2 ? omLoadCase::lsUltimate
                                                                     : omLoadCase::lsServiceability);
    const double fill = median(runs, [&] { view->FillLoadCaseLists(); });
    std::printf("%-44s median %8.2f ms\n", "Load-case lists of 500 cases, filled", fill);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    QTemporaryDir settings;
    CSettingsStore::Instance().SetFolder(settings.path().toStdString());
    omLogFile::Instance()->newFileName((settings.path() + "/Strakon.log").toStdString());

    AStrakonDocument doc;
    buildFrame(doc);
    if (!doc.Solve()) {
        std::fprintf(stderr, "the frame did not solve\n");
        return 1;
    }
    std::printf("%zu nodes, %zu members, one solved load case\n", doc.GetModel()->getNodeMap()->size(),
                doc.GetModel()->getElementMap()->size());

    AGeometryView* geometry = openView<AGeometryView>(doc);
    std::printf("%-44s median %8.2f ms\n", "Geometry view, full redraw", medianRedraw(*geometry, runs));

    ALCResultView* results = openView<ALCResultView>(doc);
    results->SetResultCase(1);
    doc.SetActiveResultCase(1, false);
    std::printf("%-44s median %8.2f ms\n", "Result view, moments with labels, full redraw",
                medianRedraw(*results, runs));
    const int design = benchDesignView(runs);
    omLogFile::Instance()->close();
    return design;
}
