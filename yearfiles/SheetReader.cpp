// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetReader.h"

#include <algorithm>

#include "Catalogue.h"
#include "Cp932.h"
#include "FileFindings.h"
#include "FileSystem.h"
#include "TextFile.h"

namespace jitsu::yearfiles {

Status placedError(const std::string& source, std::size_t line, const std::string& what) {
    std::string reason = source;
    if (line) reason.append(":").append(std::to_string(line));
    return Status::error(reason.append(": ").append(what));
}

namespace {

// The text as UTF-8 with LF line ends, whatever the file's encoding and line ends.
Status decodeText(std::string_view raw, const std::string& source, TextEncoding encoding,
                  std::string& text) {
    if (raw.starts_with("\xFF\xFE") || raw.starts_with("\xFE\xFF")) {
        if (!utf16ToUtf8(raw.substr(2), raw[0] == '\xFE', text))
            return placedError(source, positionIn(text, text.size()).line,
                               std::string(tr(N_("bytes that are not UTF-16"))));
    } else {
        if (raw.starts_with("\xEF\xBB\xBF")) {
            raw.remove_prefix(3);
            encoding = TextEncoding::Utf8;
        }
        FileFindings health;
        surveyBytes(raw, health);
        const bool ascii = std::all_of(raw.begin(), raw.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (encoding == TextEncoding::Detect)
            encoding = ascii || health.looksUtf8 ? TextEncoding::Utf8 : TextEncoding::Cp932;
        if (encoding == TextEncoding::Cp932) {
            text = cp932ToUtf8(raw);
            if (const std::size_t bad = text.find("\xEF\xBF\xBD"); bad != std::string::npos)
                return placedError(source, positionIn(text, bad).line,
                                   std::string(tr(N_("bytes that are not CP932"))));
        } else {
            if (!ascii && !health.looksUtf8)
                return placedError(source, 0, std::string(tr(N_("bytes that are not UTF-8"))));
            text = raw;
        }
    }
    // CR LF and a lone CR (old Macintosh files) both end a line.
    std::string lf;
    lf.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        lf += text[i] == '\r' ? '\n' : text[i];
    }
    text = std::move(lf);
    return Status::ok();
}

// Records of CSV or TSV text; a quote toggles quoting wherever it stands, "" inside quotes is
// one quote, and a line break inside quotes belongs to the field.
Status splitRecords(const std::string& text, const std::string& source, Sheet& sheet) {
    // Tabs and commas inside quotes are the cells' own.
    std::size_t tabs = 0, commas = 0;
    bool inQuotes = false;
    for (char c : text) {
        inQuotes ^= c == '"';
        tabs += !inQuotes && c == '\t';
        commas += !inQuotes && c == ',';
    }
    const char separator = tabs > commas ? '\t' : ',';
    SheetRow row;
    std::string field;
    bool quoted = false;
    std::size_t line = 1, quoteLine = 0, cells = 0;
    row.number = 1;
    auto endRow = [&] {
        row.cells.push_back(trimmedCell(field));
        field.clear();
        if (std::any_of(row.cells.begin(), row.cells.end(),
                        [](const std::string& c) { return !c.empty(); }))
            sheet.rows.push_back(std::move(row));
        row = SheetRow{};
        row.number = line;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' && quoted && i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
            quoteLine = line;
        } else if (c == '\n' && quoted) {
            ++line;
            field += c;
        } else if (!quoted && (c == '\n' || c == separator)) {
            if (++cells > kMaxSheetCells)
                return placedError(
                    source, line,
                    because(N_("more than {1} cells, more than any sheet of a school"),
                            kMaxSheetCells)
                        .text());
            if (c == separator) {
                row.cells.push_back(trimmedCell(field));
                field.clear();
            } else {
                ++line;
                endRow();
            }
        } else {
            field += c;
        }
    }
    if (quoted)
        return placedError(source, quoteLine,
                           std::string(tr(N_("a quote opened here is never closed"))));
    endRow();
    return Status::ok();
}

}  // namespace

const std::string& SheetRow::cell(std::size_t column) const {
    static const std::string empty;
    return column < cells.size() ? cells[column] : empty;
}

std::string trimmedCell(std::string_view text) {
    const std::string_view blanks[] = {" ", "\t", "\r", "\n", "　"};
    for (bool cut = true; cut;) {
        cut = false;
        for (std::string_view b : blanks) {
            if (text.starts_with(b)) {
                text.remove_prefix(b.size());
                cut = true;
            }
            if (text.ends_with(b)) {
                text.remove_suffix(b.size());
                cut = true;
            }
        }
    }
    return std::string(text);
}

Status readSheets(std::string_view bytes, const std::string& source, TextEncoding encoding,
                  const SheetChoice& choice, std::vector<Sheet>& sheets) {
    sheets.clear();
    if (bytes.starts_with("PK\x03\x04")) return readXlsxSheets(bytes, source, choice, sheets);
    Sheet sheet;
    sheet.name = utf8FromPath(pathFromUtf8(source).stem());
    if (choice.which == SheetChoice::Which::Named && choice.name != sheet.name)
        return placedError(
            source, 0,
            because(N_("a text file has one sheet, \"{1}\", not \"{2}\""), sheet.name, choice.name)
                .text());
    std::string text;
    if (Status s = decodeText(bytes, source, encoding, text); !s) return s;
    if (Status s = splitRecords(text, source, sheet); !s) return s;
    sheets.push_back(std::move(sheet));
    return Status::ok();
}

Status readSheetFile(const std::filesystem::path& path, TextEncoding encoding,
                     const SheetChoice& choice, std::vector<Sheet>& sheets) {
    std::string bytes;
    if (Status s = readFileBytes(path, kMaxSheetFileBytes, bytes); !s) return s;
    return readSheets(bytes, utf8FromPath(path), encoding, choice, sheets);
}

}  // namespace jitsu::yearfiles
