#pragma once

namespace jitsu::text {

// The suite's own message texts (UTF-8), shared by the programs and the command-line tool.
inline constexpr const char* kConfirm = "確認";
inline constexpr const char* kWarning = "警告";
inline constexpr const char* kBasicDataMissing =
    "基礎となるデータのファイルを開けませんでした。プログラムは続行できません。担当者に連絡してください。";
inline constexpr const char* kRosterMissingEnd =
    "生徒氏名のファイルを開けませんでした。プログラムは続行できません。担当者に連絡してください。";
inline constexpr const char* kRosterMissingPrint =
    "生徒氏名のファイルを開けませんでした。印刷は実行できません。担当者に連絡してください。";
inline constexpr const char* kScoresMissingPrint =
    "点数データのファイルを開けませんでした。印刷は実行できません。担当者に連絡してください。";
inline constexpr const char* kResultsNotSaved = "データの保存に失敗しました。担当者に連絡してください。";
inline constexpr const char* kResultsNotRead = "データの読込に失敗しました。担当者に連絡してください。";
// Before printing or saving from a file whose content is not what its writer wrote.
inline constexpr const char* kDamagedFile =
    "ファイルの内容に問題があります（詳細を下に示します）。このまま続けますか？";
// A print job that the printer could not print (no printer, an unwritable output file).
inline constexpr const char* kPrintFailed = "印刷に失敗しました。担当者に連絡してください。";

}  // namespace jitsu::text
