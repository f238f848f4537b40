// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstring>
#include <utility>

namespace jitsu {

namespace {

// The texts of Qt's dialogs that its Japanese translation leaves English (or Latin, as "OK"),
// by their English text in whichever dialog. Asked before Qt's own translation (installed later);
// any other text is left to it.
class MissingQtTexts : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        static const std::pair<const char*, const char*> kTexts[] = {
            {"Pages", "ページ"},      {"Advanced", "詳細設定"},
            {"Folder", "フォルダー"}, {"%1 File", "%1 ファイル"},  // the file dialog's type column
            {"File", "ファイル"},     {"Drive", "ドライブ"},
            {"OK", "ＯＫ"},  // full-width, as on every button of the suite
        };
        for (const auto& [english, japanese] : kTexts)
            if (std::strcmp(source, english) == 0) return QString::fromUtf8(japanese);
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

bool installJapaneseQtTexts() {
    // Both outlive the application, which keeps pointers to them.
    static QTranslator translator;
    static MissingQtTexts missing;
    const bool loaded = translator.load(QStringLiteral("qtbase_ja"),
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                        QCoreApplication::installTranslator(&translator);
    QCoreApplication::installTranslator(&missing);
    return loaded;
}

}  // namespace jitsu
