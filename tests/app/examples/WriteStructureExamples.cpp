// Writes the example structures through the structure document's own save:
//   structure_examples <folder>
// The settings the save reads come from a store of its own in the folder, so
// that the files do not depend on the user who runs it.
#include "DesignExamples.h"
#include "StructureFileSupport.h"

#include "app/shell/AStorageInterface.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"
#include "platform/storage/CSettingsStore.h"

#include <QtWidgets/QApplication>

#include <cstdio>
#include <filesystem>
#include <functional>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: structure_examples <folder>\n");
        return 2;
    }
    // The document's members include window-side objects: they want an application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder / ".settings");
    CSettingsStore::Instance().SetFolder(folder / ".settings");
    AStorageInterface::InitializeAll();
    const std::pair<const char*, std::function<void(omStrakon&)>> examples[] = {
        {"empty", [](omStrakon&) {}},
        {"portal-frame", [](omStrakon& s) { structurefile::buildPortal(s); }},
        {"beam-on-ground", [](omStrakon& s) { structurefile::buildBeamOnGround(s); }},
        {"nonlinear-column", [](omStrakon& s) { structurefile::buildNonLinearColumn(s); }},
        {"sections-and-materials", [](omStrakon& s) { structurefile::buildSectionsAndMaterials(s); }},
        {"steel-portal", [](omStrakon& s) { designexamples::buildSteelPortal(s); }},
        {"rc-beam", [](omStrakon& s) { designexamples::buildRCBeam(s); }},
    };
    int failures = 0;
    for (const auto& [name, build] : examples) {
        AStrakonDocument doc;
        doc.OnNewDocument();
        build(*doc.GetModel());
        doc.GetDocAttributes().title = name;
        doc.GetDocAttributes().author = "Strakon examples";
        const std::filesystem::path file = folder / (std::string(name) + ".oxs");
        std::filesystem::remove(file);
        if (!doc.OnSaveDocument(file.string().c_str())) {
            std::fprintf(stderr, "could not write %s\n", file.string().c_str());
            ++failures;
        }
        doc.OnCloseDocument();
    }
    std::filesystem::remove_all(folder / ".settings");
    return failures == 0 ? 0 : 1;
}
