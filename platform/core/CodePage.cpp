#include "platform/core/CodePage.h"

#include <cerrno>
#include <iconv.h>
#include <map>
#include <memory>
#include <stdexcept>

namespace codepage {
namespace {

bool isAscii(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80) return false;
    return true;
}

// One iconv descriptor per direction and code page, per thread: opening one is
// far slower than converting a short string.
class Converter {
public:
    Converter(const std::string& to, const std::string& from) : m_cd(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (valid()) iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts one unit; returns false when the input cannot be converted.
    bool convert(const char* in, size_t inLen, std::string& out) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char* inPtr = const_cast<char*>(in);
        size_t inLeft = inLen;
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
            return false;
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        return true;
    }

private:
    iconv_t m_cd;
};

Converter& converter(const std::string& to, const std::string& from) {
    thread_local std::map<std::string, std::unique_ptr<Converter>> cache;
    auto& slot = cache[to + "<" + from];
    if (!slot) slot = std::make_unique<Converter>(to, from);
    if (!slot->valid()) throw std::invalid_argument("unknown code page: " + (to == "UTF-8" ? from : to));
    return *slot;
}

// Length of the UTF-8 sequence that starts with byte c, 0 when c cannot start one.
size_t sequenceLength(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    if ((c & 0xF8) == 0xF0) return 4;
    return 0;
}

void appendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

std::string fromUtf8(std::string_view utf8, const std::string& codePage) {
    if (isAscii(utf8)) return std::string(utf8);
    Converter& conv = converter(codePage, "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        size_t len = sequenceLength(c);
        if (len == 0 || i + len > utf8.size()) {
            out += '?';
            ++i;
            continue;
        }
        if (!conv.convert(utf8.data() + i, len, out)) {
            // A C1 control character stands for a byte the code page leaves undefined.
            if (len == 2 && c == 0xC2) {
                auto c2 = static_cast<unsigned char>(utf8[i + 1]);
                if (c2 >= 0x80 && c2 < 0xA0)
                    out += static_cast<char>(c2);
                else
                    out += '?';
            } else {
                out += '?';
            }
        }
        i += len;
    }
    return out;
}

std::string toUtf8(std::string_view bytes, const std::string& codePage) {
    if (isAscii(bytes)) return std::string(bytes);
    Converter& conv = converter("UTF-8", codePage);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char ch : bytes) {
        auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
            continue;
        }
        if (!conv.convert(&ch, 1, out)) appendUtf8(out, c);
    }
    return out;
}

bool isValidUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const size_t len = sequenceLength(static_cast<unsigned char>(text[i]));
        if (len == 0 || i + len > text.size()) return false;
        for (size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += len;
    }
    return true;
}

bool isSupported(const std::string& codePage) {
    iconv_t cd = iconv_open("UTF-8", codePage.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    iconv_close(cd);
    return true;
}

std::size_t utf8Prefix(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text.size();
    std::size_t n = maxBytes;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    return n;
}

} // namespace codepage
