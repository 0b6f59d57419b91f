// Catalogue records, the shipped catalogue and the catalogue I section.
#include "model/omCrossSectionStandardI.h"

#include "common/omAsciiDB.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using R = omStandardSectionIRecord;

const std::string kIpe200 =
    "\"IPE 200\", 200, 100, 8.5, 5.6, 159, 28.48, 1943, 194.3, 142.4, 28.47, 220.6, 6.98, 12990";

std::filesystem::path shippedCatalogue() {
    return std::filesystem::path(STRAKON_SOURCE_DIR) / "resources/data/Common/DB/StandardSectionsI.db";
}

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

R ipe200() {
    R r;
    std::istringstream in(kIpe200 + "\n");
    EXPECT_EQ(r.read(in), 1);
    return r;
}

class TempFile {
public:
    explicit TempFile(const std::string& text) {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/strakon-db-XXXXXX";
        const int fd = ::mkstemp(pattern.data());
        if (fd >= 0) ::close(fd);
        m_path = pattern;
        std::ofstream(m_path, std::ios::binary) << text;
    }
    ~TempFile() {
        std::error_code ec;
        std::filesystem::remove(m_path, ec);
    }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// --- the record -------------------------------------------------------------

TEST(StandardSectionIRecord, FieldsByIndex) {
    const R r = ipe200();
    EXPECT_EQ(r.numberOfFields(), 14u);
    EXPECT_EQ(r.fieldName(0), "Name");
    EXPECT_EQ(r.fieldName(5), "h-2c");
    EXPECT_EQ(r.fieldName(13), "Iw");
    EXPECT_EQ(r.omAsciiRecord::fieldFlags(), "11111111111111");
    EXPECT_TRUE(r.isFieldUsed(13));
    EXPECT_EQ(r.field(0), "IPE 200");
    EXPECT_EQ(r.field(3), "8.5");
    EXPECT_EQ(r.field(13), "12990");
    EXPECT_EQ(r.field(14), "");
    EXPECT_EQ(r.number(R::fd), 8.5);
    EXPECT_EQ(r.number(R::ft), 5.6);
    EXPECT_EQ(r.number(R::fIw), 12990.0);

    R odd;
    odd.setNumber(R::fIw, 125934.052921875);
    odd.setNumber(R::fIt, 0.0000123456789);
    EXPECT_EQ(odd.field(13), "125934");
    EXPECT_EQ(odd.field(12), "1.23457e-05");
}

TEST(StandardSectionIRecord, ReadStopsAtTheEndOfTheData) {
    for (const char* text : {"", "\n\n# only a comment\n", "[HEA]\n"}) {
        R r;
        std::istringstream in(text);
        EXPECT_EQ(r.read(in), 0) << text;
    }
}

TEST(StandardSectionIRecord, ReadsConsecutiveLinesWithAnyLineEnd) {
    for (const std::string end : {"\n", "\r\n"}) {
        std::istringstream in(kIpe200 + end +
                              "\"IPE 220\", 220, 110, 9.2, 5.9, 177.6, 33.4, 2772, 252, 205, "
                              "37.3, 285, 9.07, 22670" +
                              end);
        R a, b;
        EXPECT_EQ(a.read(in), 1);
        EXPECT_EQ(b.read(in), 1);
        EXPECT_EQ(b.name(), "IPE 220");
        EXPECT_EQ(b.number(R::fIw), 22670.0);
        R c;
        EXPECT_EQ(c.read(in), 0);
    }
}

TEST(StandardSectionIRecord, LastLineWithoutLineBreakIsARecord) {
    std::istringstream in(kIpe200);
    R r;
    EXPECT_EQ(r.read(in), 1);
    EXPECT_EQ(r.name(), "IPE 200");
    EXPECT_EQ(r.number(R::fIw), 12990.0);
    EXPECT_EQ(r.read(in), 0);
}

TEST(StandardSectionIRecord, IncompleteOrMalformedLinesFail) {
    const std::string lines[] = {
        "\"IPE 200\", 200, 100, 8.5, 5.6, 159\n", // seventh number missing
        "\"IPE 200\", 200, 100, 8.5, 5.6, 159, 28.48, 1943, 194.3, 142.4, 28.47, 220.6, 6.98\n", // 12 numbers
        "\"IPE 200\", 200, 100, 8.5, x, 159, 28.48, 1943, 194.3, 142.4, 28.47, 220.6, 6.98, 12990\n",
        "\"IPE 200\", 200, 100, 8.5, 5.6e, 159, 28.48, 1943, 194.3, 142.4, 28.47, 220.6, 6.98, 12990\n",
        "\"IPE 200, 200, 100\n", // unclosed quote
    };
    for (const std::string& line : lines) {
        R r = ipe200();
        std::istringstream in(line);
        EXPECT_EQ(r.read(in), -1) << line;
        EXPECT_EQ(r.name(), "IPE 200") << "a failed read leaves the record as it was";
        EXPECT_EQ(r.number(R::fIw), 12990.0);
    }
}

TEST(StandardSectionIRecord, WriteThenReadGivesTheSameRecord) {
    R r = ipe200();
    r.setName("HE \"200\", A\\B");
    r.setNumber(R::fIw, 125934.052921875);
    std::ostringstream out;
    out.precision(17);
    EXPECT_TRUE(r.write(out));
    EXPECT_EQ(out.str().back(), '\n');
    std::istringstream in(out.str());
    R back;
    EXPECT_EQ(back.read(in), 1);
    EXPECT_EQ(back.name(), r.name());
    for (unsigned f = R::fh; f <= R::fIw; ++f)
        EXPECT_EQ(back.number(f), r.number(f)) << f;

    // In the stream's default format the numbers keep six significant digits.
    std::ostringstream coarse;
    r.write(coarse);
    EXPECT_EQ(coarse.str(),
              "\"HE \\\"200\\\", A\\\\B\", 200, 100, 8.5, 5.6, 159, 28.48, 1943, 194.3, 142.4, 28.47, "
              "220.6, 6.98, 125934\n");
    std::istringstream in2(coarse.str());
    EXPECT_EQ(back.read(in2), 1);
    EXPECT_EQ(back.number(R::fIw), 125934.0);
}

TEST(StandardSectionIRecord, CopiesTakeNameAndNumbers) {
    const R r = ipe200();
    R c(r);
    EXPECT_EQ(c.name(), "IPE 200");
    EXPECT_EQ(c.number(R::fA), 28.48);
    R d;
    d = r;
    EXPECT_EQ(d.field(7), "1943");
    EXPECT_EQ(d.fieldName(7), "Iy");
}

// --- the shipped catalogue ----------------------------------------------------

TEST(StandardSectionCatalogue, EveryProfileLoads) {
    omAsciiDB<R> db(shippedCatalogue(), true);
    ASSERT_TRUE(db.isOpen()) << db.getError();
    EXPECT_EQ(db.getBadRecordCount(), 0u);
    ASSERT_EQ(db.getGroupNames(), (std::vector<std::string>{"IPE", "HEA", "HEB", "HEM"}));
    const std::pair<const char*, size_t> counts[] = {{"IPE", 18}, {"HEA", 24}, {"HEB", 24}, {"HEM", 24}};
    for (const auto& [group, count] : counts) {
        const auto records = db.getRecords(group);
        ASSERT_EQ(records.size(), count) << group;
        for (const R* r : records) {
            SCOPED_TRACE(r->name());
            EXPECT_EQ(r->name().rfind(group, 0), 0u);
            omCrossSectionStandardI s(db.getCurrentGroup(), *r, 1);
            EXPECT_TRUE(s.isProperlySet());
            // The tabulated values agree with the dimensions: the area is the
            // plates' plus the four root fillets', the elastic moduli follow
            // from the second moments, and the plastic modulus exceeds the elastic one.
            const double h = s.height(), b = s.breadth(), tw = s.webThickness(), tf = s.flangeThickness();
            const double r0 = s.getVariable(5).Get(omUK_cm);
            const double fillets = (4.0 - std::numbers::pi) * r0 * r0;
            EXPECT_NEAR(s.A(), 2 * b * tf + (h - 2 * tf) * tw + fillets, 1e-4 * s.A());
            EXPECT_NEAR(s.Wy(), 2 * s.Iy() / h, 1e-5 * s.Wy());
            EXPECT_NEAR(s.Wz(), 2 * s.Iz() / b, 1e-5 * s.Wz());
            EXPECT_GT(s.Zy(), s.Wy());
            EXPECT_GT(s.Iy(), s.Iz());
            EXPECT_GT(s.Ix(), 0.0);
            EXPECT_GT(r->number(R::fIw), 0.0);
        }
    }
}

TEST(StandardSectionCatalogue, ValuesAgreeWithPublishedTables) {
    omAsciiDB<R> db(shippedCatalogue());
    struct Published {
        const char* name;
        double A, Iy, Zy;
    };
    const Published rows[] = {{"IPE 300", 53.8, 8356, 628.4}, {"HEB 200", 78.1, 5696, 642.5}};
    for (const Published& p : rows) {
        const R* r = db.findFirstRecord(p.name, 0);
        ASSERT_NE(r, nullptr) << p.name;
        EXPECT_NEAR(r->number(R::fA), p.A, 0.005 * p.A) << p.name;
        EXPECT_NEAR(r->number(R::fIy), p.Iy, 0.005 * p.Iy) << p.name;
        EXPECT_NEAR(r->number(R::fZy), p.Zy, 0.005 * p.Zy) << p.name;
    }
}

TEST(StandardSectionCatalogue, LoadsWithoutFinalLineBreakAndWithCrLf) {
    std::string text = readText(shippedCatalogue());
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    std::string crlf;
    for (char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    for (const std::string& variant : {text, crlf}) {
        TempFile file(variant);
        omAsciiDB<R> db(file.path(), true);
        ASSERT_TRUE(db.isOpen());
        EXPECT_EQ(db.getBadRecordCount(), 0u);
        const auto hem = db.getRecords("HEM");
        ASSERT_EQ(hem.size(), 24u);
        EXPECT_EQ(hem.back()->name(), "HEM 1000");
        EXPECT_EQ(db.getRecords("IPE").size(), 18u);
    }
}

// --- the catalogue section ----------------------------------------------------

TEST(StandardSectionI, NeedsACatalogueLine) {
    omCrossSectionStandardI s(3);
    EXPECT_EQ(s.type(), csStandardI);
    EXPECT_TRUE(s.isRolled());
    EXPECT_FALSE(s.changeAxis());
    EXPECT_EQ(s.getGroup(), "");
    const double dims[] = {20, 10, 0.56, 0.85, 1.2};
    for (unsigned i = 1; i <= 5; ++i)
        s.setVariable(i, omUnitValue(dims[i - 1], omUK_cm));
    EXPECT_FALSE(s.isProperlySet());
    s.setStandardSection("", ipe200());
    EXPECT_FALSE(s.isProperlySet()) << "no group";
    s.setStandardSection("IPE", R());
    EXPECT_FALSE(s.isProperlySet()) << "an empty record";
}

TEST(StandardSectionI, VariablesDescribeARolledSection) {
    omCrossSectionStandardI s(3);
    ASSERT_EQ(s.numberOfVariables(), 5);
    EXPECT_EQ(s.name(5), "r");
    EXPECT_EQ(s.description(5), "flange-web radius");
    EXPECT_EQ(s.step(5), 0.05);
    EXPECT_EQ(s.upper(5), 2.0);
    EXPECT_EQ(s.name(3), "tw");
    EXPECT_EQ(s.step(3), 0.05);
    EXPECT_EQ(s.upper(4), 5.0);
    EXPECT_TRUE(s.values(3).empty());
    EXPECT_TRUE(s.values(4).empty());
}

TEST(StandardSectionI, TakesDimensionsAndTabulatedValuesFromTheRecord) {
    omCrossSectionStandardI s("IPE", ipe200(), 3);
    EXPECT_TRUE(s.isProperlySet());
    EXPECT_EQ(s.getGroup(), "IPE");
    EXPECT_EQ(s.getSectionName(), "IPE 200");
    EXPECT_DOUBLE_EQ(s.height(), 20.0);
    EXPECT_DOUBLE_EQ(s.breadth(), 10.0);
    EXPECT_DOUBLE_EQ(s.webThickness(), 0.56);
    EXPECT_DOUBLE_EQ(s.flangeThickness(), 0.85);
    EXPECT_DOUBLE_EQ(s.getVariable(5).Get(omUK_mm), 12.0); // (200 - 159 - 17) / 2
    EXPECT_EQ(s.A(), 28.48);
    EXPECT_EQ(s.Ix(), 6.98);
    EXPECT_EQ(s.Iy(), 1943.0);
    EXPECT_EQ(s.Wy(), 194.3);
    EXPECT_EQ(s.Iz(), 142.4);
    EXPECT_EQ(s.Wz(), 28.47);
    EXPECT_EQ(s.Zy(), 220.6);
    EXPECT_EQ(s.Iyz(), 0.0);
    EXPECT_EQ(s.getMaxBarBands(), 2);
    EXPECT_EQ(s.getStirrupLength(3, 4), 0.0);
    // From the dimensions: the rolled shear area and the plastic modulus about z.
    EXPECT_DOUBLE_EQ(s.Vz(), 1.04 * 20.0 * 0.56);
    EXPECT_DOUBLE_EQ(s.Vy(), 2.0 * 10.0 * 0.85);
    EXPECT_DOUBLE_EQ(s.Zz(), 0.85 * 100.0 / 2.0 + 18.3 * 0.56 * 0.56 / 4.0);
    EXPECT_DOUBLE_EQ(s.iy(), std::sqrt(1943.0 / 28.48));
    EXPECT_DOUBLE_EQ(s.zTop(), -10.0);
}

TEST(StandardSectionI, ChangedAxesExchangeTheTabulatedValues) {
    omCrossSectionStandardI s("IPE", ipe200(), 3);
    s.setChangeAxis(true);
    EXPECT_EQ(s.Iy(), 142.4);
    EXPECT_EQ(s.Iz(), 1943.0);
    EXPECT_EQ(s.Wy(), 28.47);
    EXPECT_EQ(s.Wz(), 194.3);
    EXPECT_EQ(s.Zz(), 220.6);
    EXPECT_EQ(s.A(), 28.48);
    EXPECT_DOUBLE_EQ(s.height(), 10.0);
    EXPECT_DOUBLE_EQ(s.zBottom(), 5.0);
}

TEST(StandardSectionI, CopiesKeepRecordAndGroup) {
    omCrossSectionStandardI s("IPE", ipe200(), 3);
    s.setName("column");
    s.setChangeAxis(true);
    std::unique_ptr<omCrossSectionStandardI> c(s.clone());
    EXPECT_EQ(c->getIndex(), 3u);
    EXPECT_EQ(c->getGroup(), "IPE");
    EXPECT_EQ(c->getSectionName(), "IPE 200");
    EXPECT_TRUE(c->changeAxis());
    EXPECT_TRUE(c->isRolled());
    EXPECT_EQ(c->name(), "column");
    EXPECT_EQ(c->Iz(), 1943.0);
    omCrossSectionStandardI other(8);
    other = s;
    EXPECT_EQ(other.getIndex(), 3u);
    EXPECT_TRUE(other.isProperlySet());
    // Through the base: the whole object is copied.
    std::unique_ptr<omCrossSection> base(static_cast<const omCrossSection&>(s).clone());
    EXPECT_EQ(base->type(), csStandardI);
    EXPECT_EQ(base->A(), 28.48);
}

TEST(StandardSectionI, NewDimensionsChangeOnlyTheDimensionBasedValues) {
    omCrossSectionStandardI s("IPE", ipe200(), 3);
    const double Zz = s.Zz();
    s.setVariable(3, omUnitValue(1.0, omUK_cm));
    EXPECT_EQ(s.A(), 28.48);
    EXPECT_EQ(s.Iy(), 1943.0);
    EXPECT_NE(s.Zz(), Zz);
    EXPECT_DOUBLE_EQ(s.Vz(), 1.04 * 20.0 * 1.0);
}

} // namespace
