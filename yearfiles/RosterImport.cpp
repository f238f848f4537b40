#include "RosterImport.h"

#include <algorithm>
#include <array>

#include "AtomicWrite.h"
#include "Cp932.h"
#include "FileHealth.h"
#include "StudentNumber.h"
#include "TextFile.h"

namespace jitsu::yearfiles {

namespace {

enum Column { kClass, kNumber, kName, kColumns };

// The header texts that name each column.
const std::array<std::vector<std::string_view>, kColumns> kHeaderNames = {{
    {"組", "クラス", "学級"},
    {"番号", "出席番号", "学籍番号"},
    {"氏名", "名前", "生徒氏名"},
}};
const std::array<const char*, kColumns> kColumnNames = {"class", "number", "name"};

// Without the blanks a spreadsheet leaves around a cell, the ideographic space included.
std::string trimmed(std::string_view text) {
    const std::string_view blanks[] = {" ", "\t", "\r", "　"};
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

// One line of CSV or TSV: fields split at `separator`, double quotes around a field removed
// ("" inside them is one quote).
std::vector<std::string> splitFields(std::string_view line, char separator) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    for (std::string& field : fields) field = trimmed(field);
    return fields;
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

// "１２組" → "12".
std::string classKey(std::string text) {
    if (text.ends_with("組")) text.resize(text.size() - std::string_view("組").size());
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Full-width digits are EF BC 90 … EF BC 99.
        if (text.compare(i, 2, "\xEF\xBC") == 0 && i + 2 < text.size() &&
            static_cast<unsigned char>(text[i + 2]) >= 0x90 &&
            static_cast<unsigned char>(text[i + 2]) <= 0x99) {
            out += static_cast<char>('0' + static_cast<unsigned char>(text[i + 2]) - 0x90);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool allDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct Student {
    int cls = 0;
    std::string number, name;  // CP932
    std::size_t line = 0;
};

class Importer {
public:
    Importer(const ImportOptions& options, const GradeData& grade)
        : options_(options), grade_(grade) {}

    Status read(std::string_view raw, ImportedRoster& imported) {
        std::string text;
        if (Status s = decode(raw, text); !s) return s;
        const char separator =
            text.substr(0, text.find('\n')).find('\t') != std::string::npos ? '\t' : ',';
        bool first = true;
        std::size_t number = 0;
        for (std::size_t start = 0; start <= text.size(); ++number) {
            std::size_t end = std::min(text.find('\n', start), text.size());
            std::vector<std::string> fields =
                splitFields(std::string_view(text).substr(start, end - start), separator);
            start = end + 1;
            if (fields.size() == 1 && fields[0].empty()) continue;
            if (first) {
                first = false;
                if (Status s = header(fields, number + 1); !s) return s;
                if (headerSeen_) continue;
            }
            if (Status s = student(fields, number + 1); !s) return s;
        }
        if (students_.empty()) return fail(0, "no student in the file");
        return write(imported);
    }

private:
    Status fail(std::size_t line, const std::string& what) const {
        return Status::error(options_.source + (line ? ":" + std::to_string(line) : "") + ": " +
                             what);
    }

    Status decode(std::string_view raw, std::string& text) const {
        using Encoding = ImportOptions::Encoding;
        Encoding encoding = options_.encoding;
        if (raw.starts_with("\xEF\xBB\xBF")) {
            raw.remove_prefix(3);
            if (encoding == Encoding::Detect) encoding = Encoding::Utf8;
        }
        FileHealth health;
        surveyBytes(raw, health);
        // Text that is not UTF-8 is read as CP932, whose bad bytes are then told by their line.
        if (encoding == Encoding::Detect)
            encoding = health.looksUtf8 ? Encoding::Utf8 : Encoding::Cp932;
        if (encoding == Encoding::Cp932) {
            text = cp932ToUtf8(raw);
            if (const std::size_t bad = text.find("\xEF\xBF\xBD"); bad != std::string::npos)
                return fail(positionIn(text, bad).line, "bytes that are not CP932");
        } else {
            const bool ascii = std::all_of(raw.begin(), raw.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x80;
            });
            if (!ascii && !health.looksUtf8) return fail(0, "bytes that are not UTF-8");
            text = raw;
        }
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        return Status::ok();
    }

    Status header(const std::vector<std::string>& fields, std::size_t line) {
        for (int c = 0; c < kColumns; ++c)
            for (std::size_t i = 0; i < fields.size(); ++i)
                if (std::find(kHeaderNames[c].begin(), kHeaderNames[c].end(), fields[i]) !=
                    kHeaderNames[c].end()) {
                    headerSeen_ = true;
                    if (options_.columns.empty()) where_[c] = static_cast<int>(i);
                }
        for (std::size_t i = 0; i < options_.columns.size(); ++i)
            for (int c = 0; c < kColumns; ++c)
                if (options_.columns[i] == kColumnNames[c]) where_[c] = static_cast<int>(i);
        for (int c = 0; c < kColumns; ++c)
            if (where_[c] < 0) return fail(line, missingColumn(c));
        return Status::ok();
    }

    std::string missingColumn(int c) const {
        if (!options_.columns.empty())
            return std::string("--columns names no ") + kColumnNames[c] + " column";
        if (headerSeen_)
            return std::string("the header row names no ") + kColumnNames[c] + " column (" +
                   std::string(kHeaderNames[c][0]) + ")";
        return "no header row naming 組, 番号 and 氏名 (give --columns class,number,name)";
    }

    Status student(const std::vector<std::string>& fields, std::size_t line) {
        Student s;
        s.line = line;
        std::string texts[kColumns];
        for (int c = 0; c < kColumns; ++c) {
            if (where_[c] >= static_cast<int>(fields.size()))
                return fail(line, std::string("no ") + kColumnNames[c] + " column");
            texts[c] = fields[where_[c]];
        }
        s.cls = classOf(texts[kClass]);
        if (s.cls < 0)
            return fail(line, "class \"" + texts[kClass] + "\" is not a class of the grade (1 to " +
                                  std::to_string(grade_.classes()) + " or its name)");
        if (Status st =
                field(texts[kNumber], "student number", kStudentNumberField, line, s.number);
            !st)
            return st;
        std::optional<std::string> number = normalStudentNumber(s.number);
        if (!number)
            return fail(line, "the student number \"" + texts[kNumber] +
                                  "\" is not a number: write it in digits only");
        s.number = std::move(*number);
        if (Status st = field(texts[kName], "name", kNameField, line, s.name); !st) return st;
        students_.push_back(std::move(s));
        return Status::ok();
    }

    Status field(const std::string& text, const char* what, std::size_t size, std::size_t line,
                 std::string& out) const {
        if (text.empty()) return fail(line, std::string("the ") + what + " is empty");
        if (text.find_first_of(",\t") != std::string::npos)
            return fail(line,
                        std::string("the ") + what + " \"" + text + "\" holds a comma or a tab");
        std::optional<std::string> bytes = utf8ToCp932(text);
        if (!bytes)
            return fail(line, std::string("the ") + what + " \"" + text + "\" holds " +
                                  firstUnwritable(text) +
                                  ", which CP932 cannot carry: write it another way");
        if (bytes->size() > size - 1)
            return fail(line, std::string("the ") + what + " \"" + text + "\" is " +
                                  std::to_string(bytes->size()) +
                                  " bytes in CP932, the roster holds " + std::to_string(size - 1));
        out = std::move(*bytes);
        return Status::ok();
    }

    int classOf(const std::string& text) const {
        const std::string key = classKey(text);
        if (allDigits(key) && key.size() < 4) {
            const int k = std::stoi(key);
            return k >= 1 && k <= grade_.classes() ? k - 1 : -1;
        }
        for (int k = 0; k < grade_.classes(); ++k)
            if (classKey(cp932ToUtf8(grade_.classNames[k].view())) == key) return k;
        return -1;
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
                            "student number " + cp932ToUtf8(b.number) + " of class " +
                                cp932ToUtf8(grade_.classNames[b.cls].view()) + " again (line " +
                                std::to_string(std::min(a.line, b.line)) + ")");
        }
        std::vector<unsigned> counts(static_cast<std::size_t>(grade_.classes()));
        imported = {};
        for (const Student& s : students_) {
            imported.bytes += s.number + "," + s.name + "\r\n";
            imported.classes.push_back(cp932ToUtf8(grade_.classNames[s.cls].view()));
            ++counts[static_cast<std::size_t>(s.cls)];
        }
        imported.students = static_cast<int>(students_.size());
        for (int k = 0; k < grade_.classes(); ++k)
            if (counts[k] != grade_.headCounts[k])
                imported.notes.push_back(cp932ToUtf8(grade_.classNames[k].view()) + "組：" +
                                         std::to_string(counts[k]) + " 人（基礎データの人数は " +
                                         std::to_string(grade_.headCounts[k]) + " 人）");
        return Status::ok();
    }

    const ImportOptions& options_;
    const GradeData& grade_;
    std::array<int, kColumns> where_ = {-1, -1, -1};
    bool headerSeen_ = false;
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
    return Importer(options, grade).read(raw, imported);
}

Status importRosterFile(const std::filesystem::path& source, ImportOptions options,
                        const GradeData& grade, ImportedRoster& imported) {
    std::string raw;
    if (Status read = readTextFile(source, kMaxRosterBytes, raw); !read) return read;
    options.source = source.string();
    return importRoster(raw, options, grade, imported);
}

std::string previewText(const ImportedRoster& imported, std::size_t lines) {
    std::string out = std::to_string(imported.students) + " 人\n";
    for (const std::string& note : imported.notes) out += note + "\n";
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
        return Status::error(path.string() + " exists already (use --force to replace it)");
    return writeFileAtomically(path, imported.bytes);
}

}  // namespace jitsu::yearfiles
