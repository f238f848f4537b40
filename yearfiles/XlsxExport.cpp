// SPDX-License-Identifier: GPL-3.0-or-later
// The xlsx form of the exported sheet, through libxlsxwriter.
#include <xlsxwriter.h>

#include "AtomicWrite.h"
#include "ResultsExport.h"

namespace jitsu::yearfiles {

namespace {

lxw_error fillWorkbook(lxw_workbook* book, const ExportTable& table) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format* oneDecimal = workbook_add_format(book);
    format_set_num_format(oneDecimal, "0.0");
    if (!sheet || !bold || !oneDecimal) return LXW_ERROR_MEMORY_MALLOC_FAILED;
    for (std::size_t c = 0; c < table.header.size(); ++c) {
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                             c < table.widths.size() ? table.widths[c] : 12, nullptr);
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), table.header[c].c_str(), bold);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            const ExportCell& cell = table.rows[r][c];
            const auto row = static_cast<lxw_row_t>(r + 1);
            const auto col = static_cast<lxw_col_t>(c);
            lxw_error e = LXW_NO_ERROR;
            switch (cell.kind) {
                case ExportCell::Kind::Empty:
                    break;
                case ExportCell::Kind::Text:
                    e = worksheet_write_string(sheet, row, col, cell.text.c_str(), nullptr);
                    break;
                case ExportCell::Kind::Integer:
                    e = worksheet_write_number(sheet, row, col, cell.value, nullptr);
                    break;
                case ExportCell::Kind::OneDecimal:
                    e = worksheet_write_number(sheet, row, col, cell.value, oneDecimal);
                    break;
            }
            if (e != LXW_NO_ERROR) return e;
        }
    return LXW_NO_ERROR;
}

}  // namespace

Status writeXlsx(const std::filesystem::path& path, const ExportTable& table) {
    AtomicReplacement replacement(path);
    if (Status started = replacement.start(); !started) return started;
    // libxlsxwriter writes the workbook by name: the name of the writer's temporary file.
    lxw_workbook* book = workbook_new(replacement.temporaryPath().c_str());
    lxw_error error = book ? fillWorkbook(book, table) : LXW_ERROR_MEMORY_MALLOC_FAILED;
    const lxw_error closed = book ? workbook_close(book) : LXW_NO_ERROR;
    if (error == LXW_NO_ERROR) error = closed;
    if (error != LXW_NO_ERROR)
        return Status::error(
            because(N_("{1}: the workbook could not be written ({2})"), path, lxw_strerror(error)));
    return replacement.commit();
}

}  // namespace jitsu::yearfiles
