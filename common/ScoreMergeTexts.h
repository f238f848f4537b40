// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace jitsu::text {

// The questions a save of scores asks, by score entry and by an import alike (UTF-8).
// "ほかの端末で同じ点数が変更されています（%d 件）。", one line per cell
// "%s %s　%s　こちら %s　ファイル %s", "ほか %d 件", then the question.
inline constexpr const char* kConflictCount = "ほかの端末で同じ点数が変更されています（";
inline constexpr const char* kConflictCountEnd = " 件）。";
inline constexpr const char* kConflictOurs = "　こちら ";
inline constexpr const char* kConflictFile = "　ファイル ";
inline constexpr const char* kNoScore = "なし";
inline constexpr const char* kConflictMore = "ほか ";
inline constexpr const char* kConflictMoreEnd = " 件";
inline constexpr const char* kConflictRest =
    "こちらの入力で上書きしますか？（はい：こちら、いいえ：ファイル）";
// The start of every question about a score file: its name follows.
inline constexpr const char* kShapeFile = "点数データのファイル「";
// "点数データのファイル「%s」は基礎データと合わないまま開かれています。…"
inline constexpr const char* kReplaceRest =
    "」は基礎データと数が合わないまま開かれています。今の基礎データの形で保存し、"
    "ファイルを置き換えますか？";

}  // namespace jitsu::text
