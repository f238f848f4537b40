// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace jitsu::text {

// The suite's own message texts (UTF-8), shared by the programs and the command-line tool.
inline constexpr const char* kConfirm = "確認";
inline constexpr const char* kWarning = "警告";
inline constexpr const char* kBasicDataMissing =
    "基礎となるデータのファイルを開けませんでした。プログラムは続行できません。担当者に連絡してくだ"
    "さい。";
inline constexpr const char* kRosterMissingEnd =
    "生徒氏名のファイルを開けませんでした。プログラムは続行できません。担当者に連絡してください。";
inline constexpr const char* kRosterMissingPrint =
    "生徒氏名のファイルを開けませんでした。印刷は実行できません。担当者に連絡してください。";
inline constexpr const char* kScoresMissingPrint =
    "点数データのファイルを開けませんでした。印刷は実行できません。担当者に連絡してください。";
inline constexpr const char* kResultsNotSaved =
    "データの保存に失敗しました。担当者に連絡してください。";
inline constexpr const char* kResultsOutOfDate =
    "成績ファイルは、点数または基礎データが保存される前に計算されたものです。\n"
    "計算し直してから使いますか？（いいえ：何もしません）";
inline constexpr const char* kResultsNotRead =
    "データの読込に失敗しました。担当者に連絡してください。";
// After the name of a results file that does not exist.
inline constexpr const char* kResultsFileMissing =
    " がありません。先に個人票印刷（reportcard）で実行し、保存してください。";
// A folder settings file that cannot be read: the pages go on with the defaults.
inline constexpr const char* kSettingsUnread =
    "このフォルダーの設定ファイルが読めないため、年度は西暦で印刷します。";
// Before printing or saving from a file whose content is not what its writer wrote.
inline constexpr const char* kDamagedFile =
    "ファイルの内容に問題があります（詳細を下に示します）。このまま続けますか？";
// A print job that the printer could not print (no printer, an unwritable output file).
inline constexpr const char* kPrintFailed = "印刷に失敗しました。担当者に連絡してください。";
// Pages that leave the printable area: the first text, the magnification that fits, the question.
inline constexpr const char* kPageTooLarge = "印刷できる範囲に収まらないページがあります。";
inline constexpr const char* kPrintAnyway = "このまま印刷しますか？";

}  // namespace jitsu::text
