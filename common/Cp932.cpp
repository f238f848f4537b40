// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace jitsu {

namespace {

// One conversion descriptor per direction and thread, reset before every use.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much of `in` as possible into `out`; returns false at an invalid or
    // incomplete sequence, with `in` advanced to it.
    bool convert(std::string_view& in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        bool good = true;
        while (srcLeft > 0) {
            char buffer[256];
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, dst);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                good = false;
                break;
            }
        }
        in = std::string_view(src, srcLeft);
        return good;
    }

private:
    iconv_t cd_;
};

Converter& fromCp932() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& toCp932Converter() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

}  // namespace

bool isCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t cp932PrefixLength(std::string_view text, std::size_t maxBytes) {
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t width =
            isCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        if (i + width > maxBytes) break;
        i += width;
    }
    return i;
}

std::string cp932ToUtf8(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    while (!fromCp932().convert(cp932, out)) {
        out += "\xEF\xBF\xBD";  // U+FFFD
        cp932.remove_prefix(1);
    }
    return out;
}

std::optional<std::string> utf8ToCp932(std::string_view utf8) {
    std::string out;
    if (!toCp932Converter().convert(utf8, out)) return std::nullopt;
    return out;
}

bool utf16ToUtf8(std::string_view utf16, bool bigEndian, std::string& utf8) {
    thread_local Converter little("UTF-8", "UTF-16LE"), big("UTF-8", "UTF-16BE");
    utf8.clear();
    return (bigEndian ? big : little).convert(utf16, utf8);
}

std::string toCp932(std::string_view utf8) {
    auto converted = utf8ToCp932(utf8);
    return converted ? *converted : std::string(utf8);
}

}  // namespace jitsu
