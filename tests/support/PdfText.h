#pragma once
// Reading real PDFs back: the text pdftotext finds and the page count pdfinfo
// reports. Both tools come from poppler-utils (scripts/setup).
#include <array>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>

namespace testsupport {

// The standard output of a shell command.
inline std::string RunCommand(const std::string& command) {
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer;
        std::size_t n;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), p)) > 0)
            out.append(buffer.data(), n);
        ::pclose(p);
    }
    return out;
}

// The text of one page of pdf in its layout (0: all pages).
inline std::string PdfText(const std::filesystem::path& pdf, int page = 0) {
    std::string command = "pdftotext -layout";
    if (page > 0) command += " -f " + std::to_string(page) + " -l " + std::to_string(page);
    return RunCommand(command + " '" + pdf.string() + "' - 2>/dev/null");
}

inline int PdfPages(const std::filesystem::path& pdf) {
    const std::string info = RunCommand("pdfinfo '" + pdf.string() + "' 2>/dev/null");
    std::smatch m;
    return std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(m[1]) : 0;
}

} // namespace testsupport
