// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace jitsu::text {

// The texts of the score entry window (UTF-8).
inline constexpr const char* kScoreEntryCaption = "実力テスト点数入力";
inline constexpr const char* kSubjectNotGiven = "この科目は今回は実施されていないはずです。";
inline constexpr const char* kNoSubjectGiven = "この回に実施される科目がありません。";
inline constexpr const char* kScoresNotSaved =
    "点数データを保存できませんでした。担当者に連絡してください。";
inline constexpr const char* kCloseQuestion =
    "　　点数データに変更がありました。データを更新し、保存しますか？　　　";
inline constexpr const char* kScoresUnreadable =
    "点数データのファイルを読み込めませんでした。この回の点数は入力できません。";
// "点数データのファイル「%s」の点数の数（%zu）が基礎データから決まる数（%zu）と合いません。…"
inline constexpr const char* kShapeFile = "点数データのファイル「";
inline constexpr const char* kShapeFound = "」の点数の数（";
inline constexpr const char* kShapeExpected = "）が、基礎データから決まる数（";
inline constexpr const char* kShapeRest =
    "）と合いません。ファイルが書かれた後でクラス数か科目数が変更されています。"
    "点数が別の生徒や科目にずれて表示されることがあります。このまま開きますか？";
// "保存しました（%d:%02d）"
inline constexpr const char* kSavedAt = "保存しました（";
inline constexpr const char* kSavedAtEnd = "）";
// "%sホーム、%d番、%s のデータが１教科１科目の制限を越えています。修正しますか？"
inline constexpr const char* kClashHome = "ホーム、";
inline constexpr const char* kClashPosition = "番、";
inline constexpr const char* kClashRest =
    " のデータが１教科１科目の制限を越えています。修正しますか？";

}  // namespace jitsu::text
