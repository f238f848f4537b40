// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace jitsu::launcher::text {

// The launcher's own texts (UTF-8), always Japanese as every window of the suite.
inline constexpr const char* kChecking = "点検しています…";
inline constexpr const char* kNoFindings = "問題は見つかりませんでした。";
inline constexpr const char* kOpensOnDoubleClick =
    "ダブルクリックで、直すためのプログラムを開きます";
inline constexpr const char* kRosterNotImported = "名簿を取り込めませんでした。";
inline constexpr const char* kRosterNotSaved = "名簿を保存できませんでした。";
inline constexpr const char* kScoresNotImported = "点数を取り込めませんでした。";
inline constexpr const char* kQuestionsNotImported = "設問別データを取り込めませんでした。";
inline constexpr const char* kScoresNotSaved = "点数を保存できませんでした。";
inline constexpr const char* kNotExported = "書き出せませんでした。";
inline constexpr const char* kNotRestored = "元に戻せませんでした。";
inline constexpr const char* kSettingsNotSaved = "設定を保存できませんでした。";

}  // namespace jitsu::launcher::text
