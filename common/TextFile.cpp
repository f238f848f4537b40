// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"

#include "FileSystem.h"

namespace jitsu {

Status readTextFile(const std::filesystem::path& path, std::size_t maxBytes, std::string& text,
                    FileFindings* health) {
    if (health) *health = FileFindings{};
    std::string raw;
    if (Status s = fileSystem().readFile(path, maxBytes, raw); !s) return s;
    if (health) surveyBytes(raw, *health);
    text = fromCrLf(raw);
    return Status::ok();
}

std::string fromCrLf(std::string_view raw) {
    std::string text;
    text.reserve(raw.size());
    // The stretches between the CRs of CR LF ends, each appended whole.
    std::size_t from = 0;
    for (std::size_t cr = raw.find("\r\n"); cr != std::string_view::npos;
         cr = raw.find("\r\n", cr + 2)) {
        text.append(raw.substr(from, cr - from));
        from = cr + 1;
    }
    text.append(raw.substr(from));
    return text;
}

Status readFileBytes(const std::filesystem::path& path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    return fileSystem().readFile(path, maxBytes, bytes);
}

std::string toCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace jitsu
