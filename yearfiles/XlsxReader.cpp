// SPDX-License-Identifier: GPL-3.0-or-later
// Reading an xlsx workbook: the zip archive through libzip, its XML parts through expat.
#include <expat.h>
#include <zip.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>

#include "Reason.h"
#include "SheetReader.h"

namespace jitsu::yearfiles {

namespace {

// No part of a school's workbook comes near this once unpacked; a larger one is refused before
// it is unpacked (a zip bomb).
constexpr zip_uint64_t kMaxPartBytes = zip_uint64_t(64) << 20;

std::string_view localName(const XML_Char* name) {
    std::string_view n(name);
    const std::size_t colon = n.rfind(':');
    return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

std::string attribute(const XML_Char** attributes, std::string_view name) {
    for (std::size_t i = 0; attributes[i]; i += 2)
        if (localName(attributes[i]) == name) return attributes[i + 1];
    return "";
}

// Parses one XML part, calling `start(name, attributes)`, `end(name)` and `text(chars)` with
// element names stripped of their prefixes.
class XmlPart {
public:
    std::function<void(std::string_view, const XML_Char**)> start;
    std::function<void(std::string_view)> end;
    std::function<void(std::string_view)> text;

    // False with `error` set when the part is no well-formed XML.
    bool parse(const std::string& content, std::string& error) {
        std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(
            XML_ParserCreate(nullptr), &XML_ParserFree);
        XML_SetUserData(parser.get(), this);
        XML_SetElementHandler(
            parser.get(),
            [](void* self, const XML_Char* name, const XML_Char** attributes) {
                auto* part = static_cast<XmlPart*>(self);
                if (part->start) part->start(localName(name), attributes);
            },
            [](void* self, const XML_Char* name) {
                auto* part = static_cast<XmlPart*>(self);
                if (part->end) part->end(localName(name));
            });
        XML_SetCharacterDataHandler(parser.get(), [](void* self, const XML_Char* s, int length) {
            auto* part = static_cast<XmlPart*>(self);
            if (part->text) part->text(std::string_view(s, static_cast<std::size_t>(length)));
        });
        if (XML_Parse(parser.get(), content.data(), static_cast<int>(content.size()), 1) ==
            XML_STATUS_OK)
            return true;
        // The parser's own words stay English: they name XML, which only its reader knows.
        error = because(N_("{1} at line {2}"), XML_ErrorString(XML_GetErrorCode(parser.get())),
                        XML_GetCurrentLineNumber(parser.get()))
                    .text();
        return false;
    }
};

// The text of a string item (<si> or <is>): its <t> and its runs' <t>, not the phonetic
// readings (<rPh>) that Japanese Excel adds.
struct StringItem {
    int phonetic = 0;
    bool inText = false;
    std::string value;

    void start(std::string_view name) {
        if (name == "rPh") ++phonetic;
        if (name == "t" && phonetic == 0) inText = true;
    }
    void end(std::string_view name) {
        if (name == "rPh") --phonetic;
        if (name == "t") inText = false;
    }
    void text(std::string_view chars) {
        if (inText) value += chars;
    }
};

// A number cell's value as a person would type it: 85, 72.5.
std::string numberText(const std::string& raw) {
    char* end = nullptr;
    const double value = std::strtod(raw.c_str(), &end);
    if (raw.empty() || *end != '\0' || !std::isfinite(value)) return raw;
    char buffer[32];
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    else
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

// "BC12" → column 54 (0-based: A is 0); -1 when the reference has no column letters; at least
// kMaxSheetColumns when it lies past the last column.
long columnOf(const std::string& reference) {
    long column = 0;
    std::size_t i = 0;
    for (; i < reference.size() && reference[i] >= 'A' && reference[i] <= 'Z' &&
           column <= kMaxSheetColumns;
         ++i)
        column = column * 26 + (reference[i] - 'A' + 1);
    return i == 0 ? -1 : column - 1;
}

class Workbook {
public:
    Workbook(std::string_view bytes, std::string source) : source_(std::move(source)) {
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t* data = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
        if (data) {
            archive_ = zip_open_from_source(data, ZIP_RDONLY, &error);
            if (!archive_) zip_source_free(data);
        }
        if (!archive_) opening_ = zip_error_strerror(&error);
        zip_error_fini(&error);
    }
    ~Workbook() {
        if (archive_) zip_discard(archive_);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    Status read(const SheetChoice& choice, std::vector<Sheet>& sheets) {
        if (!archive_)
            return fail(because(N_("not a workbook that can be read ({1})"), opening_).text());
        std::vector<std::pair<std::string, std::string>> parts;  // sheet name, part
        if (Status s = sheetParts(parts); !s) return s;
        if (Status s = sharedStrings(); !s) return s;
        for (const auto& [name, part] : parts) {
            if (choice.which == SheetChoice::Which::Named && name != choice.name) continue;
            Sheet sheet;
            sheet.name = name;
            if (Status s = readSheet(part, sheet); !s) return s;
            sheets.push_back(std::move(sheet));
            if (choice.which != SheetChoice::Which::All) return Status::ok();
        }
        if (!sheets.empty()) return Status::ok();
        if (choice.which != SheetChoice::Which::Named)
            return fail(std::string(tr(N_("no sheet in the workbook"))));
        std::string names;
        for (const auto& part : parts) names += (names.empty() ? "\"" : ", \"") + part.first + "\"";
        return fail(
            because(N_("no sheet named \"{1}\" (the sheets: {2})"), choice.name, names).text());
    }

private:
    Status fail(const std::string& what) const { return Status::error(source_ + ": " + what); }

    // The part's content; `present` false (and ok) when the archive has no such part.
    Status part(const std::string& name, std::string& content, bool* present = nullptr) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat(archive_, name.c_str(), 0, &stat) != 0) {
            if (present) {
                *present = false;
                return Status::ok();
            }
            return fail(because(N_("the workbook has no part {1}"), name).text());
        }
        if (present) *present = true;
        if (!(stat.valid & ZIP_STAT_SIZE) || stat.size > kMaxPartBytes)
            return fail(
                because(N_("{1} is larger than any workbook part this reads"), name).text());
        std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(
            zip_fopen(archive_, name.c_str(), 0), &zip_fclose);
        content.assign(static_cast<std::size_t>(stat.size), '\0');
        if (!file ||
            zip_fread(file.get(), content.data(), stat.size) != static_cast<zip_int64_t>(stat.size))
            return fail(
                because(N_("{1} cannot be unpacked ({2})"), name, zip_strerror(archive_)).text());
        return Status::ok();
    }

    Status parse(const std::string& name, XmlPart& handlers, bool optional = false) {
        std::string content;
        bool present = true;
        if (Status s = part(name, content, optional ? &present : nullptr); !s || !present) return s;
        std::string error;
        if (!handlers.parse(content, error)) return fail(name + ": " + error);
        return Status::ok();
    }

    // Every sheet's name and part, in the workbook's order.
    Status sheetParts(std::vector<std::pair<std::string, std::string>>& parts) {
        std::map<std::string, std::string> targets;  // relationship id → part
        XmlPart relations;
        relations.start = [&](std::string_view name, const XML_Char** attributes) {
            if (name != "Relationship") return;
            std::string target = attribute(attributes, "Target");
            target = target.starts_with("/") ? target.substr(1) : "xl/" + target;
            targets[attribute(attributes, "Id")] = target;
        };
        if (Status s = parse("xl/_rels/workbook.xml.rels", relations); !s) return s;
        XmlPart workbook;
        workbook.start = [&](std::string_view name, const XML_Char** attributes) {
            if (name == "sheet")
                parts.emplace_back(attribute(attributes, "name"),
                                   targets[attribute(attributes, "id")]);
        };
        return parse("xl/workbook.xml", workbook);
    }

    Status sharedStrings() {
        StringItem item;
        XmlPart strings;
        strings.start = [&](std::string_view name, const XML_Char**) {
            if (name == "si") item = {};
            item.start(name);
        };
        strings.end = [&](std::string_view name) {
            item.end(name);
            if (name == "si") shared_.push_back(std::move(item.value));
        };
        strings.text = [&](std::string_view chars) { item.text(chars); };
        return parse("xl/sharedStrings.xml", strings, true);
    }

    Status readSheet(const std::string& name, Sheet& sheet) {
        SheetRow row;
        std::string type, value;
        long column = -1, nextColumn = 0;
        std::size_t lastRow = 0, cells = 0;
        bool inValue = false, inInline = false;
        StringItem item;
        std::string bad;
        XmlPart xml;
        xml.start = [&](std::string_view element, const XML_Char** attributes) {
            if (element == "row") {
                const std::string number = attribute(attributes, "r");
                row = SheetRow{};
                row.number =
                    number.empty() ? lastRow + 1 : std::strtoul(number.c_str(), nullptr, 10);
                if (row.number <= lastRow && bad.empty())
                    bad = row.number == 0
                              ? std::string(tr(N_("a row numbered 0")))
                              : because(N_("row {1} comes after row {2}"), number, lastRow).text();
                lastRow = row.number;
                nextColumn = 0;
            } else if (element == "c") {
                type = attribute(attributes, "t");
                column = columnOf(attribute(attributes, "r"));
                if (column < 0) column = nextColumn;
                value.clear();
                item = {};
            } else if (element == "v") {
                inValue = true;
            } else if (element == "is") {
                inInline = true;
            }
            if (inInline) item.start(element);
        };
        xml.end = [&](std::string_view element) {
            if (inInline) item.end(element);
            if (element == "v") {
                inValue = false;
            } else if (element == "is") {
                inInline = false;
            } else if (element == "c" && bad.empty()) {
                std::string text;
                if (column >= kMaxSheetColumns ||
                    cells + static_cast<std::size_t>(column) > kMaxSheetCells) {
                    bad = because(N_("row {1} goes past the last column or the cells any sheet "
                                     "of a school holds"),
                                  row.number)
                              .text();
                    return;
                }
                if (value.empty() && type != "inlineStr") {
                    // A cell with a style but no value.
                } else if (type == "s") {
                    const unsigned long index = std::strtoul(value.c_str(), nullptr, 10);
                    if (index >= shared_.size() && bad.empty())
                        bad = because(N_("row {1} names shared string {2}, which is not there"),
                                      row.number, value)
                                  .text();
                    else if (index < shared_.size())
                        text = shared_[index];
                } else if (type == "inlineStr") {
                    text = item.value;
                } else if (type == "" || type == "n") {
                    text = numberText(value);
                } else {
                    text = value;  // str (a formula's text), b, e
                }
                const auto at = static_cast<std::size_t>(column);
                if (row.cells.size() <= at) {
                    cells += at + 1 - row.cells.size();
                    row.cells.resize(at + 1);
                }
                row.cells[at] = trimmedCell(text);
                nextColumn = column + 1;
            } else if (element == "row") {
                if (std::any_of(row.cells.begin(), row.cells.end(),
                                [](const std::string& c) { return !c.empty(); }))
                    sheet.rows.push_back(std::move(row));
            }
        };
        xml.text = [&](std::string_view chars) {
            if (inValue) value += chars;
            if (inInline) item.text(chars);
        };
        if (Status s = parse(name, xml); !s) return s;
        if (!bad.empty()) return fail(because(N_("sheet \"{1}\": {2}"), sheet.name, bad).text());
        return Status::ok();
    }

    std::string source_;
    zip_t* archive_ = nullptr;
    std::string opening_;
    std::vector<std::string> shared_;
};

}  // namespace

Status readXlsxSheets(std::string_view bytes, const std::string& source, const SheetChoice& choice,
                      std::vector<Sheet>& sheets) {
    return Workbook(bytes, source).read(choice, sheets);
}

}  // namespace jitsu::yearfiles
