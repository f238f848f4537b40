// SPDX-License-Identifier: GPL-3.0-or-later
#include "RosterImport.h"

#include <algorithm>
#include <array>

#include "AtomicWrite.h"
#include "Cp932.h"
#include "FileSystem.h"
#include "Reason.h"
#include "SheetColumns.h"
#include "StudentNumber.h"
#include "TextFile.h"

namespace jitsu::yearfiles {

namespace {

enum Column { kClass, kNumber, kName, kColumns };

const std::array<const char*, kColumns> kColumnNames = {"class", "number", "name"};

// A control character as U+XXXX: it cannot be shown as itself.
std::string controlCharacterName(unsigned char c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    return std::string("U+00") + kHex[c >> 4] + kHex[c & 0xF];
}

// The first character of UTF-8 `text` that CP932 cannot carry, or "".
std::string firstUnwritable(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        const std::string_view one = text.substr(i, length);
        if (!utf8ToCp932(one)) return std::string(one);
        i += length;
    }
    return "";
}

// The rows a header can be among: a title and a few notes above it at most.
constexpr std::size_t kHeaderSearchRows = 10;

struct Student {
    int cls = 0;
    std::string number, name;  // CP932
    std::size_t line = 0;
};

class Importer {
public:
    Importer(const ImportOptions& options, const GradeData& grade)
        : options_(options), grade_(grade) {}

    Status read(const Sheet& sheet, ImportedRoster& imported) {
        std::size_t first = 0;
        if (Status s = findColumns(sheet, first); !s) return s;
        for (std::size_t r = first; r < sheet.rows.size(); ++r)
            if (Status s = student(sheet.rows[r]); !s) return s;
        if (students_.empty()) return fail(0, tr(N_("no student in the file")));
        return write(imported);
    }

private:
    Status fail(std::size_t line, std::string_view what) const {
        return placedError(options_.source, line, std::string(what));
    }

    // The columns from --columns, or from the header row; `first` the first student row.
    Status findColumns(const Sheet& sheet, std::size_t& first) {
        if (!options_.columns.empty()) {
            for (std::size_t i = 0; i < options_.columns.size(); ++i)
                for (int c = 0; c < kColumns; ++c)
                    if (options_.columns[i] == kColumnNames[c]) where_[c] = static_cast<int>(i);
            for (int c = 0; c < kColumns; ++c)
                if (where_[c] < 0)
                    return fail(
                        0, because(N_("--columns names no {1} column"), kColumnNames[c]).text());
            // A header row above the students is skipped.
            const bool header =
                !sheet.rows.empty() &&
                std::any_of(sheet.rows[0].cells.begin(), sheet.rows[0].cells.end(),
                            [](auto& cell) { return columnKind(cell) != ColumnKind::Other; });
            first = header ? 1 : 0;
            return Status::ok();
        }
        for (std::size_t r = 0; r < sheet.rows.size() && r < kHeaderSearchRows; ++r) {
            const HeaderColumns found = headerColumns(sheet.rows[r]);
            if (found.number < 0 || (found.name < 0 && found.family < 0)) continue;
            if (found.cls < 0)
                return fail(sheet.rows[r].number,
                            tr(N_("the header row names no class column (組)")));
            columns_ = found;
            where_ = {found.cls, found.number, found.name};
            first = r + 1;
            return Status::ok();
        }
        return fail(sheet.rows.empty() ? 0 : sheet.rows[0].number,
                    tr(N_("no header row naming 組, 番号 and 氏名 (give --columns "
                          "class,number,name)")));
    }

    Status student(const SheetRow& row) {
        Student s;
        s.line = row.number;
        const std::string& classCell = row.cell(static_cast<std::size_t>(where_[kClass]));
        if (auto problem = classOf(classCell, s.cls)) return fail(row.number, *problem);
        if (columns_.grade >= 0)
            if (auto problem = checkGradeCell(row.cell(columns_.grade), options_.gradeNumber))
                return fail(row.number, *problem);
        const std::string name =
            where_[kName] >= 0 ? row.cell(static_cast<std::size_t>(where_[kName]))
                               : joinedName(row.cell(static_cast<std::size_t>(columns_.family)),
                                            columns_.given >= 0
                                                ? row.cell(static_cast<std::size_t>(columns_.given))
                                                : std::string());
        if (Status st =
                field(studentNumberText(row.cell(static_cast<std::size_t>(where_[kNumber]))),
                      N_("student number"), kStudentNumberField, row.number, s.number);
            !st)
            return st;
        std::optional<std::string> number = normalStudentNumber(s.number);
        if (!number)
            return fail(row.number,
                        because(N_("the student number \"{1}\" is not a number: write it in "
                                   "digits only"),
                                row.cell(static_cast<std::size_t>(where_[kNumber])))
                            .text());
        s.number = std::move(*number);
        if (Status st = field(name, N_("name"), kNameField, row.number, s.name); !st) return st;
        students_.push_back(std::move(s));
        return Status::ok();
    }

    std::optional<std::string> classOf(const std::string& cell, int& cls) {
        if (auto problem = classOfCell(cell, grade_, options_.gradeNumber, cls)) return problem;
        const std::string name = grade_.classNames[cls].utf8() + "組";
        if (std::find(forms_.begin(), forms_.end(), std::make_pair(cell, name)) == forms_.end())
            forms_.emplace_back(cell, name);
        return std::nullopt;
    }

    Status field(const std::string& text, const char* what, std::size_t size, std::size_t line,
                 std::string& out) const {
        const Reason which(what);
        if (text.empty()) return fail(line, because(N_("the {1} is empty"), which).text());
        if (text.find_first_of(",\t\n") != std::string::npos)
            return fail(line, because(N_("the {1} \"{2}\" holds a comma, a tab or a line break"),
                                      which, text)
                                  .text());
        // A control character (a NUL from a damaged file) would be written into the roster,
        // which then no reader takes.
        const auto control = std::find_if(text.begin(), text.end(),
                                          [](unsigned char c) { return c < 0x20 || c == 0x7F; });
        if (control != text.end())
            return fail(line, because(N_("the {1} holds the control character {2}, which a "
                                         "roster cannot keep"),
                                      which, controlCharacterName(*control))
                                  .text());
        std::optional<std::string> bytes = utf8ToCp932(text);
        if (!bytes)
            return fail(line, because(N_("the {1} \"{2}\" holds {3}, which CP932 cannot carry: "
                                         "write it another way"),
                                      which, text, firstUnwritable(text))
                                  .text());
        if (bytes->size() > size - 1)
            return fail(line, because(N_("the {1} \"{2}\" is {3} bytes in CP932, the roster "
                                         "holds {4}"),
                                      which, text, bytes->size(), size - 1)
                                  .text());
        out = std::move(*bytes);
        return Status::ok();
    }

    Status write(ImportedRoster& imported) {
        std::stable_sort(students_.begin(), students_.end(),
                         [](const Student& a, const Student& b) {
                             return a.cls != b.cls ? a.cls < b.cls
                                                   : compareStudentNumbers(a.number, b.number) < 0;
                         });
        // The same number twice in a class is a typing slip that would shift the class.
        for (std::size_t i = 1; i < students_.size(); ++i) {
            const Student &a = students_[i - 1], &b = students_[i];
            if (a.cls == b.cls && compareStudentNumbers(a.number, b.number) == 0)
                return fail(std::max(a.line, b.line),
                            because(N_("student number {1} of class {2} again (line {3})"),
                                    cp932ToUtf8(b.number), grade_.classNames[b.cls].utf8(),
                                    std::min(a.line, b.line))
                                .text());
        }
        std::vector<unsigned> counts(static_cast<std::size_t>(grade_.classes()));
        imported = {};
        for (const Student& s : students_) {
            imported.bytes += s.number + "," + s.name + "\r\n";
            imported.classes.push_back(grade_.classNames[s.cls].utf8());
            ++counts[static_cast<std::size_t>(s.cls)];
        }
        imported.students = static_cast<int>(students_.size());
        imported.classForms = forms_;
        imported.classCounts = counts;
        for (int k = 0; k < grade_.classes(); ++k)
            if (counts[k] != grade_.headCounts[k])
                imported.notes.push_back(grade_.classNames[k].utf8() + "組：" +
                                         std::to_string(counts[k]) + " 人（基礎データの人数は " +
                                         std::to_string(grade_.headCounts[k]) + " 人）");
        return Status::ok();
    }

    const ImportOptions& options_;
    const GradeData& grade_;
    std::array<int, kColumns> where_ = {-1, -1, -1};
    HeaderColumns columns_;
    std::vector<std::pair<std::string, std::string>> forms_;
    std::vector<Student> students_;
};

}  // namespace

std::optional<std::vector<std::string>> parseColumnList(const std::string& list) {
    std::vector<std::string> columns;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        std::string item = list.substr(start, end - start);
        if (item == "-")
            item.clear();
        else if (std::find(kColumnNames.begin(), kColumnNames.end(), item) == kColumnNames.end())
            return std::nullopt;
        columns.push_back(item);
        start = end + 1;
    }
    return columns;
}

Status importRoster(std::string_view raw, const ImportOptions& options, const GradeData& grade,
                    ImportedRoster& imported) {
    std::vector<Sheet> sheets;
    const SheetChoice choice{
        options.sheet.empty() ? SheetChoice::Which::First : SheetChoice::Which::Named,
        options.sheet};
    if (Status s = readSheets(raw, options.source, options.encoding, choice, sheets); !s) return s;
    return Importer(options, grade).read(sheets.front(), imported);
}

Status importRosterFile(const std::filesystem::path& source, ImportOptions options,
                        const GradeData& grade, ImportedRoster& imported) {
    std::string raw;
    if (Status read = readFileBytes(source, kMaxSheetFileBytes, raw); !read) return read;
    options.source = utf8FromPath(source);
    return importRoster(raw, options, grade, imported);
}

std::string previewText(const ImportedRoster& imported, std::size_t lines) {
    std::string out = std::to_string(imported.students) + " 人\n";
    for (const std::string& note : imported.notes) out += note + "\n";
    if (!imported.classForms.empty()) out += "\n組の読み取り\n";
    for (const auto& [cell, cls] : imported.classForms) out += "「" + cell + "」→ " + cls + "\n";
    out += "\n組\t番号\t氏名\n";
    const std::string text = cp932ToUtf8(imported.bytes);
    std::size_t start = 0;
    for (std::size_t i = 0; i < lines && i < imported.classes.size(); ++i) {
        const std::size_t end = text.find("\r\n", start);
        std::string line = text.substr(start, end - start);
        line[line.find(',')] = '\t';
        out += imported.classes[i] + "\t" + line + "\n";
        start = end + 2;
    }
    return out + (lines < imported.classes.size() ? "…\n" : "");
}

Status writeRoster(const std::filesystem::path& path, const ImportedRoster& imported,
                   bool replace) {
    std::error_code ec;
    if (!replace && std::filesystem::exists(path, ec))
        return Status::error(because(N_("{1} exists already (use --force to replace it)"), path));
    return writeFileAtomically(path, imported.bytes);
}

}  // namespace jitsu::yearfiles
