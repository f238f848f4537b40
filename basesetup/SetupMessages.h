// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace jitsu::text {

// The editor's own message texts (UTF-8).
inline constexpr const char* kNotSaved = "設定データを保存できませんでした";
inline constexpr const char* kEndWithoutSaving = "保存せずに終了しますか？";
inline constexpr const char* kCannotSave = "入力内容に保存できない項目があります。";
inline constexpr const char* kCorrectThem = "修正しますか？（「いいえ」で保存せずに終了します）";
inline constexpr const char* kEmptyClasses =
    "人数が 0 のクラスがあります。名簿の生徒が別のクラスに振り分けられることがあります。";
inline constexpr const char* kSaveEmptyClasses =
    "このまま保存しますか？（「いいえ」で入力に戻ります）";
inline constexpr const char* kFullMarksNote = "満点が空欄の科目は、その回には実施しない科目です。";
inline constexpr const char* kChangedElsewhere =
    "基礎データのファイルが、読み込んだ後にほかの端末で変更されています。"
    "こちらの内容で上書きしますか？（「いいえ」で保存せずに終了します）";

}  // namespace jitsu::text
