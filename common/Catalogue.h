// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

// Marks an English text for the catalogue where it is written (xgettext --keyword=N_); it is
// looked up where it is shown.
#define N_(text) text

namespace jitsu {

// The translations of one language: the English texts of the suite, as written in the code, to
// that language. Read from a GNU gettext catalogue (.mo, built by msgfmt from po/LANG.po).
class Catalogue {
public:
    Catalogue() = default;
    // Reads a .mo file; false (and an empty catalogue) when it is missing or not a catalogue.
    bool load(const std::filesystem::path& moFile);
    // The translation of `english`, or `english` itself when the catalogue has none.
    std::string_view lookup(std::string_view english) const;
    std::size_t size() const { return texts_.size(); }

private:
    std::unordered_map<std::string, std::string> texts_;
};

// The language the process speaks in: English (the texts as written) until one of these is
// called, once, at the start.
// The windows: always Japanese, whatever the person's locale. False when the Japanese catalogue
// is not installed (the texts then stay English).
bool speakJapanese();
// The command-line tool: Japanese when the locale asks for it (the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty names ja, e.g. ja_JP.UTF-8) or, when none is
// set (a Windows PC), when the system's language does ("ja-JP"); else English. `environment`
// is getenv and `systemLanguage` userInterfaceLanguage (System.h), or a test's stand-ins.
void speakLocaleLanguage(const std::function<const char*(const char*)>& environment,
                         const std::function<std::string()>& systemLanguage);
// Back to English (tests).
void speakEnglish();
bool speaksJapanese();

// `english` in the process's language.
std::string_view tr(std::string_view english);

// `english` in the process's language with its places {1} … {9} filled by `values` in order
// of number (a translation may place them in another order or leave one out).
std::string trFormat(std::string_view english, std::span<const std::string> values);

// Where the catalogues are looked for: beside an installed program (BIN/../share/locale) and
// in the build tree. The Japanese catalogue is LOCALEDIR/ja/LC_MESSAGES/jitsuryoku.mo.
std::filesystem::path japaneseCataloguePath();

}  // namespace jitsu
