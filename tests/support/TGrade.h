#pragma once
// A record of a test database, written as the program's grade and catalogue
// records are: a name, then numbers, each read after the separator skip.
#include "common/omAsciiDB.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <string>

class TGrade : public omAsciiRecord {
public:
    static constexpr const char* names[] = {"Name", "E", "fck", "Density"};
    TGrade() : omAsciiRecord("1111", names) {}

    bool write(std::ostream& out) const override {
        omWriteString(name, out);
        for (double v : values)
            out << ", " << v;
        out << '\n';
        return true;
    }
    int read(std::istream& in) override {
        if (isEnd(in)) return 0;
        if (omReadString(name, in) < 0) return -1;
        for (double& v : values) {
            extws(in);
            in >> v;
        }
        if (!in.good()) return -1;
        nextLine(in);
        return 1;
    }
    unsigned numberOfFields() const override { return 4; }
    std::string field(unsigned i) const override {
        if (i == 0) return name;
        if (i > 3) return {};
        char buffer[32];
        auto r = std::to_chars(buffer, buffer + sizeof buffer, values[i - 1]);
        return std::string(buffer, r.ptr);
    }

    std::string name;
    double values[3] = {};
};
