#pragma once
// Reading real PDFs back: the text pdftotext finds and the page count pdfinfo
// reports. Both tools come from poppler-utils (scripts/setup).
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <utility>
#include <vector>

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

// The ligatures the report's font sets (fi, fl, ffi, ffl), which pdftotext
// gives back as one character each, as their letters.
inline std::string LigaturesAsLetters(std::string text) {
    static const std::pair<std::string, std::string> kLigatures[] = {
        {"\xEF\xAC\x81", "fi"}, {"\xEF\xAC\x82", "fl"}, {"\xEF\xAC\x83", "ffi"}, {"\xEF\xAC\x84", "ffl"}};
    for (const auto& [ligature, letters] : kLigatures)
        for (std::size_t at = text.find(ligature); at != std::string::npos; at = text.find(ligature, at))
            text.replace(at, ligature.size(), letters);
    return text;
}

// The ligatures as letters and runs of white space as one blank, so that a
// text the layout broke into lines compares whole.
inline std::string Squeezed(const std::string& text) {
    std::string out;
    bool blank = false;
    for (char c : LigaturesAsLetters(text)) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            blank = true;
            continue;
        }
        if (blank && !out.empty()) out += ' ';
        blank = false;
        out += c;
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

// One word of a page as pdftotext -bbox places it, in points from the page's top left corner.
struct PdfWord {
    std::string text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    int page = 0;
};
struct PdfPageWords {
    double width = 0, height = 0;
    std::vector<PdfWord> words;
};

// The words of every page of pdf with their boxes.
inline std::vector<PdfPageWords> PdfWords(const std::filesystem::path& pdf) {
    const std::string html = RunCommand("pdftotext -bbox '" + pdf.string() + "' - 2>/dev/null");
    std::vector<PdfPageWords> pages;
    static const std::regex pageTag(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    static const std::regex wordTag(
        R"re(<word xMin="([0-9.-]+)" yMin="([0-9.-]+)" xMax="([0-9.-]+)" yMax="([0-9.-]+)">([^<]*)</word>)re");
    auto from = html.cbegin();
    while (true) {
        std::smatch pm, wm;
        const bool hasPage = std::regex_search(from, html.cend(), pm, pageTag);
        const bool hasWord = std::regex_search(from, html.cend(), wm, wordTag);
        if (!hasPage && !hasWord) break;
        if (hasPage && (!hasWord || pm.position(0) < wm.position(0))) {
            pages.push_back({std::stod(pm[1]), std::stod(pm[2]), {}});
            from = pm[0].second;
            continue;
        }
        if (!pages.empty())
            pages.back().words.push_back({wm[5], std::stod(wm[1]), std::stod(wm[2]), std::stod(wm[3]),
                                          std::stod(wm[4]), static_cast<int>(pages.size())});
        from = wm[0].second;
    }
    return pages;
}

} // namespace testsupport
