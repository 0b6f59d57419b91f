// The designed examples of examples/: the steel portal and the reinforced-
// concrete beam open with their design results, one entry per result point,
// and the project "designed.oxp" holds both. With STRAKON_WRITE_EXAMPLE_PROJECT
// set to a folder, the program's own save writes the project there together
// with its two structures (as structure_examples wrote them).
#include "ProjectWindowFixture.h"

#include "model/omElementMap.h"
#include "model/omElementResult.h"
#include "model/omRCDesignBeamData.h"
#include "model/omSteelDesignData.h"

namespace {

namespace fs = std::filesystem;

class ADesignedExamplesTest : public ProjectWindowFixture {
protected:
    std::vector<std::string> structureNames() {
        std::vector<std::string> names;
        for (ABaseStructureDoc* s : project()->GetStructures())
            names.push_back(s->GetTitle());
        return names;
    }
};

TEST_F(ADesignedExamplesTest, TheProjectOpensBothStructuresDesigned) {
    const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
    const char* target = std::getenv("STRAKON_WRITE_EXAMPLE_PROJECT");
    if (target && *target) {
        const fs::path out = target;
        fs::create_directories(out);
        for (const char* name : {"steel-portal.oxs", "rc-beam.oxs"})
            fs::copy_file(examples / name, out / name, fs::copy_options::overwrite_existing);
        fs::remove(out / "designed.oxp");
        newProject(out / "designed.oxp");
        for (const char* name : {"steel-portal", "rc-beam"}) {
            auto* s = project()->AddStructure(name, (out / (std::string(name) + ".oxs")).string().c_str(), TRUE);
            ASSERT_NE(s, nullptr);
            wnd().AddStructure(s);
        }
        ASSERT_TRUE(project()->DoSave((out / "designed.oxp").string().c_str(), TRUE));
        closeProject();
    }
    for (const char* name : {"steel-portal.oxs", "rc-beam.oxs", "designed.oxp"})
        fs::copy_file(examples / name, folder / name);
    ASSERT_NE(openProject(folder / "designed.oxp"), nullptr);
    EXPECT_EQ(structureNames(), (std::vector<std::string>{"steel-portal", "rc-beam"}));

    omElementMap* portal = structure("steel-portal")->GetModel()->getElementMap();
    ASSERT_EQ(portal->size(), 3u);
    for (unsigned id = 1; id <= 3; ++id) {
        const omDesignElement* e = portal->find(id);
        const auto* data = dynamic_cast<const omSteelDesignData*>(e->getDesignData());
        ASSERT_NE(data, nullptr) << id;
        EXPECT_EQ(data->getCSRes().size(), e->getResult().getPoints().size()) << id;
        EXPECT_FALSE(data->getCSRes().empty());
        EXPECT_FALSE(data->getStabilityDescription().empty());
        EXPECT_GT(data->getUltFactor(), 0.0);
    }
    const omDesignElement* beam = structure("rc-beam")->GetModel()->getElementMap()->find(1);
    const auto* rc = dynamic_cast<const omRCDesignBeamData*>(beam->getDesignData());
    ASSERT_NE(rc, nullptr);
    const std::size_t points = beam->getResult().getPoints().size();
    EXPECT_EQ(points, 11u);
    EXPECT_EQ(rc->getShearResults().size(), points);
    EXPECT_EQ(rc->getNMResults().size(), points);
    EXPECT_EQ(rc->getCrackResults().size(), points);
    EXPECT_NEAR(rc->getUltFactor(), 0.750, 0.001);
}

} // namespace
