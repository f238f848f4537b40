// SPDX-License-Identifier: GPL-3.0-or-later
#include "Catalogue.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

#include "System.h"

namespace jitsu {

namespace {

constexpr std::uint32_t kMoMagic = 0x950412de;
// Far more than the suite's catalogue: a larger file is not ours.
constexpr std::uintmax_t kMaxCatalogueBytes = 4 * 1024 * 1024;

std::uint32_t word(std::string_view bytes, std::size_t at, bool swapped) {
    std::uint32_t w = 0;
    std::memcpy(&w, bytes.data() + at, 4);
    return swapped ? __builtin_bswap32(w) : w;
}

// The text the table entry at `entry` points to; false when it leaves the file.
bool textAt(std::string_view bytes, std::size_t entry, bool swapped, std::string_view& text) {
    if (entry > bytes.size() || bytes.size() - entry < 8) return false;
    const std::size_t length = word(bytes, entry, swapped),
                      offset = word(bytes, entry + 4, swapped);
    if (offset > bytes.size() || bytes.size() - offset < length) return false;
    text = bytes.substr(offset, length);
    return true;
}

const Catalogue& englishCatalogue() {
    static const Catalogue none;
    return none;
}

const Catalogue* current = &englishCatalogue();

const Catalogue& japaneseCatalogue() {
    static const std::unique_ptr<Catalogue> catalogue = [] {
        auto c = std::make_unique<Catalogue>();
        (void)c->load(japaneseCataloguePath());
        return c;
    }();
    return *catalogue;
}

}  // namespace

bool Catalogue::load(const std::filesystem::path& moFile) {
    texts_.clear();
    std::error_code ec;
    const auto size = std::filesystem::file_size(moFile, ec);
    if (ec || size < 28 || size > kMaxCatalogueBytes) return false;
    std::ifstream in(moFile, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() != size) return false;
    const bool swapped = word(bytes, 0, false) != kMoMagic;
    if (word(bytes, 0, swapped) != kMoMagic || word(bytes, 4, swapped) != 0) return false;
    const std::size_t count = word(bytes, 8, swapped), originals = word(bytes, 12, swapped),
                      translations = word(bytes, 16, swapped);
    for (std::size_t i = 0; i < count; ++i) {
        std::string_view english, translated;
        if (!textAt(bytes, originals + 8 * i, swapped, english) ||
            !textAt(bytes, translations + 8 * i, swapped, translated)) {
            texts_.clear();
            return false;
        }
        if (!english.empty()) texts_.emplace(english, translated);  // "" holds the header
    }
    return true;
}

std::string_view Catalogue::lookup(std::string_view english) const {
    const auto found = texts_.find(std::string(english));
    return found == texts_.end() ? english : std::string_view(found->second);
}

bool speakJapanese() {
    current = &japaneseCatalogue();
    return current->size() > 0;
}

void speakLocaleLanguage(const std::function<const char*(const char*)>& environment,
                         const std::function<std::string()>& systemLanguage) {
    auto speak = [](std::string_view language) {
        if (language.starts_with("ja"))
            (void)speakJapanese();
        else
            speakEnglish();
    };
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = environment(name); value && *value) return speak(value);
    speak(systemLanguage());
}

void speakEnglish() { current = &englishCatalogue(); }

bool speaksJapanese() { return current != &englishCatalogue(); }

std::string_view tr(std::string_view english) { return current->lookup(english); }

std::string trFormat(std::string_view english, std::span<const std::string> values) {
    const std::string_view text = tr(english);
    std::string out;
    out.reserve(text.size() + 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{' && i + 2 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' &&
            text[i + 2] == '}') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < values.size()) out += values[n];
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::filesystem::path japaneseCataloguePath() {
    const std::filesystem::path relative = "ja/LC_MESSAGES/jitsuryoku.mo";
    const auto installed = programFolder() / "../share/locale" / relative;
    std::error_code ec;
    if (std::filesystem::exists(installed, ec)) return installed;
    return std::filesystem::path(JITSU_BUILD_LOCALEDIR) / relative;
}

}  // namespace jitsu
