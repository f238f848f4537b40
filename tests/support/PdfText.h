// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

// The standard output of a shell command.
inline std::string commandOutput(const std::string& command) {
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::array<char, 4096> buffer;
    while (pipe && std::fgets(buffer.data(), buffer.size(), pipe.get())) output += buffer.data();
    return output;
}

// Text as pdftotext gives it back: the ideographic blank comes out as an ASCII blank, and the
// full-width tilde, which shares its glyph with the wave dash, as the wave dash. Apply to both
// sides of a comparison.
inline std::string pdfNormalised(std::string text) {
    auto replaceAll = [&text](const std::string& from, const std::string& to) {
        for (std::size_t pos = 0; (pos = text.find(from, pos)) != std::string::npos;
             pos += to.size())
            text.replace(pos, from.size(), to);
    };
    replaceAll("\u3000", " ");
    replaceAll("\uFF5E", "\u301C");
    return text;
}

// The text of a PDF file in reading order, normalised as above.
inline std::string pdfText(const std::filesystem::path& pdf) {
    return pdfNormalised(commandOutput("pdftotext -raw '" + pdf.string() + "' -"));
}

// The number of pages of a PDF file, or -1.
inline int pdfPageCount(const std::filesystem::path& pdf) {
    std::string info = commandOutput("pdfinfo '" + pdf.string() + "' 2>/dev/null");
    auto pos = info.find("Pages:");
    return pos == std::string::npos ? -1 : std::stoi(info.substr(pos + 6));
}
