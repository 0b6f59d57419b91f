// Every abstract class that the program asks a document, view or window for
// through dynamic_cast has a class of the program that implements it: a cast to
// an interface that nothing implements always fails, and the feature behind it
// silently does nothing. The sources are read as text; a stand-in in the tests
// does not count.
#include "SettingsFixture.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"
#include "app/views/AElementResultDocument.h"
#include "app/views/AGeometryViewDocument.h"
#include "app/views/AZoomViewDocument.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct ClassInfo {
    std::vector<std::string> bases;
    bool abstract = false;
    std::string file;
};

std::string read(const fs::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Comments and string literals out, so that neither text nor examples count as code.
std::string code(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "//") == 0) {
            while (i < text.size() && text[i] != '\n')
                ++i;
            out += '\n';
        } else if (text.compare(i, 2, "/*") == 0) {
            const size_t end = text.find("*/", i + 2);
            i = end == std::string::npos ? text.size() : end + 1;
        } else if (text[i] == '"') {
            out += "\"\"";
            for (++i; i < text.size() && text[i] != '"'; ++i)
                if (text[i] == '\\') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The body of the class whose opening brace is at open, without nested braces' contents.
std::string outerBody(const std::string& text, size_t open) {
    std::string body;
    int depth = 0;
    for (size_t i = open; i < text.size(); ++i) {
        if (text[i] == '{') {
            ++depth;
            continue;
        }
        if (text[i] == '}') {
            if (--depth == 0) break;
            continue;
        }
        if (depth == 1) body += text[i];
    }
    return body;
}

std::vector<fs::path> productSources() {
    std::vector<fs::path> files;
    const fs::path root(STRAKON_SOURCE_DIR);
    for (const char* folder : {"app", "framework", "controls", "platform", "common", "model", "rezavud"})
        for (const auto& entry : fs::recursive_directory_iterator(root / folder))
            if (entry.is_regular_file() && (entry.path().extension() == ".h" || entry.path().extension() == ".cpp"))
                files.push_back(entry.path());
    return files;
}

class ProductSources {
public:
    ProductSources() {
        const std::regex declaration(R"(\b(?:class|struct)\s+(\w+)\s*(?:final\s*)?(:\s*[^{;()]*)?\{)");
        const std::regex base(R"((?:public|protected|private|virtual|\s)*(\w+(?:::\w+)*))");
        // A pure function, not a member initialised to zero: the "= 0" follows a parameter list and its qualifiers.
        const std::regex pure(R"(\)\s*(?:const\s*)?(?:noexcept\s*)?(?:override\s*)?(?:final\s*)?=\s*0\s*;)");
        const std::regex cast(R"(dynamic_cast<\s*(?:const\s+)?(\w+)\s*\*\s*>)");
        for (const fs::path& file : productSources()) {
            const std::string text = code(read(file));
            for (std::sregex_iterator it(text.begin(), text.end(), declaration), end; it != end; ++it) {
                ClassInfo info;
                info.file = file.string();
                const std::string bases = (*it)[2].matched ? (*it)[2].str().substr(1) : std::string();
                size_t start = 0;
                int angle = 0;
                for (size_t i = 0; i <= bases.size(); ++i) {
                    if (i < bases.size() && bases[i] == '<') ++angle;
                    if (i < bases.size() && bases[i] == '>') --angle;
                    if (i == bases.size() || (bases[i] == ',' && angle == 0)) {
                        std::string one = bases.substr(start, i - start);
                        one = one.substr(0, one.find('<'));
                        std::smatch m;
                        if (std::regex_search(one, m, base)) info.bases.push_back(m[1].str());
                        start = i + 1;
                    }
                }
                const size_t open = static_cast<size_t>(it->position() + it->length() - 1);
                info.abstract = std::regex_search(outerBody(text, open), pure);
                // A forward declaration never reaches here; a later definition of the same name adds to it.
                ClassInfo& known = classes[(*it)[1].str()];
                known.bases.insert(known.bases.end(), info.bases.begin(), info.bases.end());
                known.abstract = known.abstract || info.abstract;
                if (known.file.empty()) known.file = info.file;
            }
            for (std::sregex_iterator it(text.begin(), text.end(), cast), end; it != end; ++it)
                casts[(*it)[1].str()].insert(file.filename().string());
        }
    }
    bool derivesFrom(const std::string& name, const std::string& base, int depth = 0) const {
        const auto it = classes.find(name);
        if (it == classes.end() || depth > 30) return false;
        for (const std::string& b : it->second.bases) {
            const std::string shortName = b.substr(b.rfind(':') == std::string::npos ? 0 : b.rfind(':') + 1);
            if (shortName == base || derivesFrom(shortName, base, depth + 1)) return true;
        }
        return false;
    }
    std::map<std::string, ClassInfo> classes;
    std::map<std::string, std::set<std::string>> casts;
};

TEST(ProductInterfaces, EveryAbstractClassThatIsCastToHasAConcreteProductClass) {
    const ProductSources sources;
    int checked = 0;
    for (const auto& [name, files] : sources.casts) {
        const auto it = sources.classes.find(name);
        if (it == sources.classes.end() || !it->second.abstract) continue;
        ++checked;
        std::vector<std::string> implementers;
        for (const auto& [candidate, info] : sources.classes)
            if (!info.abstract && sources.derivesFrom(candidate, name)) implementers.push_back(candidate);
        std::string where;
        for (const std::string& f : files)
            where += f + " ";
        EXPECT_FALSE(implementers.empty()) << name << " is asked for (" << where
                                           << ") but no class of the program implements it";
    }
    // The interfaces of the documents and views are among those checked.
    EXPECT_GE(checked, 3);
    for (const char* name : {"AElementResultDocument", "AZoomViewDocument", "AGeometryViewDocument"})
        EXPECT_TRUE(sources.casts.count(name) && sources.classes.count(name) && sources.classes.at(name).abstract)
            << name;
}

class ProductDocumentInterfaces : public SettingsFixture {};

TEST_F(ProductDocumentInterfaces, TheStructureDocumentAnswersForEveryViewAndSheetInterface) {
    AStrakonDocument doc;
    CDocument* asDocument = &doc;
    EXPECT_NE(dynamic_cast<AElementResultDocument*>(asDocument), nullptr);
    EXPECT_NE(dynamic_cast<AZoomViewDocument*>(asDocument), nullptr);
    EXPECT_NE(dynamic_cast<AGeometryViewDocument*>(asDocument), nullptr);
    AElementResultDocument& results = doc;
    EXPECT_EQ(results.GetResultStructure(), static_cast<omStrakon*>(doc.GetModel()));
}

} // namespace
