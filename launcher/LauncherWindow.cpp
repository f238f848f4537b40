// SPDX-License-Identifier: GPL-3.0-or-later
#include "LauncherWindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "Catalogue.h"
#include "FileSystem.h"
#include "FolderSettings.h"
#include "HelpWindow.h"
#include "LauncherTexts.h"
#include "QuestionImportAction.h"
#include "SuitePrograms.h"
#include "Widgets.h"
#include "YearCheck.h"
#include "YearFileActions.h"

namespace jitsu::launcher {

namespace {

constexpr const char* kFolderKey = "dataFolder";
// The program that fixes a finding, kept with its line in the list.
constexpr int kFixedInRole = Qt::UserRole;

namespace fs = std::filesystem;

QString fromPath(const std::filesystem::path& path) {
    return QString::fromStdString(utf8FromPath(path));
}

}  // namespace

LauncherWindow::LauncherWindow(Services& services, QWidget* parent)
    : ProgramWindow(parent), services_(services) {
    setWindowTitle(captionWithVersion(QStringLiteral("実力テスト")));
    setFont(windowFont(14));
    auto* layout = new QVBoxLayout(this);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(new QLabel(QStringLiteral("データのフォルダー"), this));
    FolderE = new QLineEdit(this);
    FolderE->setObjectName("FolderE");
    FolderE->setReadOnly(true);
    FolderE->setMinimumWidth(420);
    folderRow->addWidget(FolderE, 1);
    auto* folderButton = new QPushButton(QStringLiteral("選ぶ…"), this);
    folderButton->setObjectName("FolderButton");
    folderRow->addWidget(folderButton);
    folderRow->addWidget(addHelp(this, "launcher.md", {}));
    layout->addLayout(folderRow);

    auto* statusRow = new QHBoxLayout;
    StatusL = new QLabel(this);
    StatusL->setObjectName("StatusL");
    StatusL->setWordWrap(true);
    statusRow->addWidget(StatusL, 1);
    statusRow->addWidget(new QLabel(QStringLiteral("印刷する年度"), this));
    EraCB = new QComboBox(this);
    EraCB->setObjectName("EraCB");
    EraCB->addItems({QStringLiteral("西暦（2026年度）"), QStringLiteral("和暦（令和８年度）")});
    EraCB->setAccessibleName(QStringLiteral("印刷する年度の書き方"));
    statusRow->addWidget(EraCB);
    layout->addLayout(statusRow);

    FilesSG = new QTableWidget(0, 4, this);
    FilesSG->setObjectName("FilesSG");
    FilesSG->setHorizontalHeaderLabels({QStringLiteral("学年"), QStringLiteral("テスト"),
                                        QStringLiteral("点数ファイルの保存"),
                                        QStringLiteral("結果ファイルの保存")});
    FilesSG->verticalHeader()->hide();
    FilesSG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FilesSG->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    FilesSG->setAccessibleName(QStringLiteral("ファイルの保存日時"));
    FilesSG->setTabKeyNavigation(false);  // one Tab stop; the arrow keys move inside
    FilesSG->setMinimumHeight(120);       // it scrolls rather than grows
    layout->addWidget(FilesSG, 1);

    auto* buttons = new QGridLayout;
    for (std::size_t i = 0; i < ProgramButtons.size(); ++i) {
        const SuiteProgram& program = suitePrograms()[i];
        auto* button = new QPushButton(
            QString::fromUtf8(program.label.data(), static_cast<int>(program.label.size())), this);
        button->setObjectName(
            QString::fromUtf8(program.name.data(), static_cast<int>(program.name.size())) +
            "Button");
        button->setMinimumHeight(40);
        buttons->addWidget(button, 0, static_cast<int>(i));
        connect(button, &QPushButton::clicked, this,
                [this, i] { ProgramButtonClick(static_cast<int>(i)); });
        ProgramButtons[i] = button;
    }
    layout->addLayout(buttons);
    History = new HistoryRow(services_, this);
    layout->addWidget(History);
    Questions = new QuestionsRow(services_, this);
    layout->addWidget(Questions);

    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(new QLabel(QStringLiteral("ファイルの点検"), this), 1);
    RosterButton = new QPushButton(QStringLiteral("名簿の取り込み…"), this);
    RosterButton->setObjectName("RosterButton");
    ScoresButton = new QPushButton(QStringLiteral("点数の取り込み…"), this);
    ScoresButton->setObjectName("ScoresButton");
    QuestionsButton = new QPushButton(QStringLiteral("設問別データの取り込み…"), this);
    QuestionsButton->setObjectName("QuestionsButton");
    ExportButton = new QPushButton(QStringLiteral("Excel に書き出し…"), this);
    ExportButton->setObjectName("ExportButton");
    VersionsButton = new QPushButton(QStringLiteral("以前の版に戻す…"), this);
    VersionsButton->setObjectName("VersionsButton");
    yearRow->addWidget(RosterButton);
    yearRow->addWidget(ScoresButton);
    yearRow->addWidget(QuestionsButton);
    yearRow->addWidget(ExportButton);
    yearRow->addWidget(VersionsButton);
    layout->addLayout(yearRow);
    FindingsL = new QListWidget(this);
    FindingsL->setObjectName("FindingsL");
    FindingsL->setMinimumHeight(80);
    FindingsL->setWordWrap(true);
    layout->addWidget(FindingsL);

    // Fits a school laptop (1366 × 768) and a screen at 150 % (1280 × 720 logical pixels).
    resize(760, 620);
    connect(RosterButton, &QPushButton::clicked, this, &LauncherWindow::RosterButtonClick);
    connect(ScoresButton, &QPushButton::clicked, this, &LauncherWindow::ScoresButtonClick);
    connect(QuestionsButton, &QPushButton::clicked, this, &LauncherWindow::QuestionsButtonClick);
    connect(ExportButton, &QPushButton::clicked, this, &LauncherWindow::ExportButtonClick);
    connect(VersionsButton, &QPushButton::clicked, this, &LauncherWindow::VersionsButtonClick);

    connect(folderButton, &QPushButton::clicked, this, &LauncherWindow::FolderButtonClick);
    connect(EraCB, &QComboBox::activated, this, &LauncherWindow::EraChosen);
    connect(FindingsL, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        openFixingProgram(item->data(kFixedInRole).toString());
    });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &LauncherWindow::refresh);
    connect(&scan_, &FolderScan::overviewRead, this, &LauncherWindow::showOverview);
    connect(&scan_, &FolderScan::findingsRead, this, &LauncherWindow::showFindings);
}

void LauncherWindow::dataDirNamed() { QSettings().setValue(kFolderKey, fromPath(services_.dir)); }

bool LauncherWindow::FormCreate() {
    setFolder(QSettings().value(kFolderKey).toString());
    return true;
}

void LauncherWindow::FolderButtonClick() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("データのフォルダーを選ぶ"), folder_);
    if (folder.isEmpty()) return;
    QSettings().setValue(kFolderKey, folder);
    setFolder(folder);
}

void LauncherWindow::setFolder(const QString& folder) {
    folder_ = folder;
    History->setFolder(folder.toStdString());
    Questions->setFolder(folder.toStdString());
    FolderE->setText(fromPath(pathFromUtf8(folder.toStdString())));  // the system's separators
    // Nothing starts until the folder has been read.
    for (QPushButton* button : ProgramButtons) button->setEnabled(false);
    for (QWidget* control :
         std::initializer_list<QWidget*>{History, Questions, RosterButton, ExportButton})
        control->setEnabled(false);
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    if (painted_) readFolder();
}

void LauncherWindow::readFolder() {
    alignScoresToEditedRosters(folder_.toStdString(), services_.messages);
    refresh();
}

void LauncherWindow::refresh() {
    if (painted_) scan_.start(folder_.toStdString());
}

void LauncherWindow::showOverview(const FolderOverview& overview) {
    // Watched from when it is there: a USB stick may come back.
    if (overview.exists && watcher_.directories().isEmpty()) watcher_.addPath(folder_);
    StatusL->setText(QString::fromStdString(folderStatusText(overview)));
    // A damaged settings file shows 西暦, what the pages then print; choosing writes it anew.
    FolderSettings settings;
    (void)readFolderSettings(folder_.toStdString(), settings);
    EraCB->setCurrentIndex(settings.era == Era::Wareki ? 1 : 0);
    EraCB->setEnabled(overview.exists);
    const std::vector<OverviewRow> rows = overviewRows(overview);
    FilesSG->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < FilesSG->rowCount(); ++r) {
        const OverviewRow& row = rows[static_cast<std::size_t>(r)];
        int c = 0;
        for (const std::string* text : {&row.grade, &row.test, &row.scores, &row.results})
            FilesSG->setItem(r, c++, new QTableWidgetItem(QString::fromStdString(*text)));
    }
    for (std::size_t i = 0; i < ProgramButtons.size(); ++i)
        ProgramButtons[i]->setEnabled(canStart(suitePrograms()[i].needsBasicData, overview));
    History->setEnabled(canStart(true, overview));
    Questions->setEnabled(!overview.tests.empty());
    RosterButton->setEnabled(canStart(true, overview));
    ScoresButton->setEnabled(!overview.tests.empty());
    QuestionsButton->setEnabled(!overview.tests.empty());
    ExportButton->setEnabled(!exportableTests(overview).empty());
    VersionsButton->setEnabled(!filesWithVersions(folder_.toStdString()).empty());
    FindingsL->clear();
    if (canStart(true, overview)) FindingsL->addItem(QString::fromUtf8(text::kChecking));
}

void LauncherWindow::showFindings(const std::vector<yearfiles::Finding>& findings) {
    FindingsL->clear();
    for (const yearfiles::Finding& finding : findings) {
        const bool error = finding.severity == yearfiles::Finding::Severity::Error;
        auto* item = new QListWidgetItem(
            style()->standardIcon(error ? QStyle::SP_MessageBoxCritical
                                        : QStyle::SP_MessageBoxWarning),
            QString::fromStdString(yearfiles::findingLine(finding, true)), FindingsL);
        item->setData(kFixedInRole, QString::fromStdString(finding.fixedIn));
        if (!finding.fixedIn.empty())
            item->setToolTip(QString::fromUtf8(text::kOpensOnDoubleClick));
    }
    if (findings.empty()) FindingsL->addItem(QString::fromUtf8(text::kNoFindings));
}

void LauncherWindow::EraChosen(int index) {
    const FolderSettings settings{index == 1 ? Era::Wareki : Era::Seireki};
    if (Status s = writeFolderSettings(folder_.toStdString(), settings); !s)
        services_.messages.alert(text::kSettingsNotSaved, "確認", MessageIcon::Stop, s.reason());
}

void LauncherWindow::RosterButtonClick() {
    const QString source = QFileDialog::getOpenFileName(
        this, QStringLiteral("名簿の表（Excel・CSV・TSV）を選ぶ"), folder_,
        QStringLiteral("表 (*.xlsx *.csv *.tsv *.txt);;すべてのファイル (*)"));
    if (source.isEmpty()) return;
    bool chosen = false;
    const QStringList grades = {QStringLiteral("1年"), QStringLiteral("2年"),
                                QStringLiteral("3年")};
    const QString grade = QInputDialog::getItem(this, QStringLiteral("名簿の取り込み"),
                                                QStringLiteral("学年"), grades, 0, false, &chosen);
    if (chosen) importRoster(source, static_cast<int>(grades.indexOf(grade)) + 1);
}

void LauncherWindow::importRoster(const QString& source, int grade) {
    const RosterPlan plan = planRosterImport(folder_.toStdString(), source.toStdString(), grade);
    if (!plan.status) {
        services_.messages.alert(text::kRosterNotImported, "確認", MessageIcon::Stop,
                                 plan.status.reason());
        return;
    }
    if (services_.messages.ask(plan.question, "確認", MessageIcon::Question, MessageButtons::YesNo,
                               MessageAnswer::No, plan.details) != MessageAnswer::Yes)
        return;
    if (Status s = writeRosterImport(plan); !s)
        services_.messages.alert(text::kRosterNotSaved, "確認", MessageIcon::Stop, s.reason());
    else
        services_.messages.inform(because(N_("{2} student(s) imported into {1}"),
                                          plan.target.filename(), plan.roster.students)
                                      .text(),
                                  "確認", MessageIcon::None);
    refresh();
}

void LauncherWindow::ScoresButtonClick() {
    const FolderOverview overview = readFolderOverview(folder_.toStdString());
    const QString source = QFileDialog::getOpenFileName(
        this, QStringLiteral("点数の表（Excel・CSV・TSV）を選ぶ"), folder_,
        QStringLiteral("表 (*.xlsx *.csv *.tsv *.txt);;すべてのファイル (*)"));
    if (source.isEmpty()) return;
    if (const auto files = chooseTest(overview.tests, QStringLiteral("点数の取り込み")))
        importScores(source, files->grade, files->test);
}

std::optional<TestFiles> LauncherWindow::chooseTest(const std::vector<TestFiles>& tests,
                                                    const QString& title) {
    QStringList labels;
    for (const TestFiles& files : tests)
        labels << QStringLiteral("%1年 第%2回").arg(files.grade).arg(files.test);
    bool chosen = false;
    const QString label = QInputDialog::getItem(this, title, QStringLiteral("学年とテスト"), labels,
                                                0, false, &chosen);
    if (!chosen || labels.indexOf(label) < 0) return std::nullopt;
    return tests[static_cast<std::size_t>(labels.indexOf(label))];
}

void LauncherWindow::importScores(const QString& source, int grade, int test) {
    const ScoreImportPlan plan =
        planScoresImport(folder_.toStdString(), source.toStdString(), grade, test);
    if (!plan.status) {
        services_.messages.alert(text::kScoresNotImported, "確認", MessageIcon::Stop,
                                 plan.status.reason());
        return;
    }
    if (services_.messages.ask(plan.question, "確認", MessageIcon::Question, MessageButtons::YesNo,
                               MessageAnswer::No, plan.preview) != MessageAnswer::Yes)
        return;
    std::string done;
    if (Status s =
            jitsu::launcher::importScores(folder_.toStdString(), plan, services_.messages, done);
        !s)
        services_.messages.alert(text::kScoresNotSaved, "確認", MessageIcon::Stop, s.reason());
    else if (!done.empty())
        services_.messages.inform(done, "確認", MessageIcon::None);
    refresh();
}

void LauncherWindow::QuestionsButtonClick() {
    const FolderOverview overview = readFolderOverview(folder_.toStdString());
    const QString filter = QStringLiteral("表 (*.xlsx *.csv *.tsv *.txt);;すべてのファイル (*)");
    const QString source = QFileDialog::getOpenFileName(
        this, QStringLiteral("設問の表（「設問」と「解答」のシートがある Excel か、設問の CSV）"),
        folder_, filter);
    if (source.isEmpty()) return;
    QString answers;
    if (!holdsBothSheets(source.toStdString())) {
        answers =
            QFileDialog::getOpenFileName(this, QStringLiteral("解答の表を選ぶ"), folder_, filter);
        if (answers.isEmpty()) return;
    }
    const auto files = chooseTest(overview.tests, QStringLiteral("設問別データの取り込み"));
    if (!files) return;
    QStringList subjects;
    for (const std::string& name : givenSubjects(folder_.toStdString(), files->grade, files->test))
        subjects << QString::fromStdString(name);
    bool chosen = false;
    const QString subject =
        QInputDialog::getItem(this, QStringLiteral("設問別データの取り込み"),
                              QStringLiteral("科目"), subjects, 0, false, &chosen);
    if (chosen && !subject.isEmpty())
        importQuestions(source, answers, files->grade, files->test, subject);
}

void LauncherWindow::importQuestions(const QString& source, const QString& answers, int grade,
                                     int test, const QString& subject) {
    const QuestionImportPlan plan =
        planQuestionsImport(folder_.toStdString(), source.toStdString(), answers.toStdString(),
                            {grade, test, subject.toStdString()});
    if (!plan.status) {
        services_.messages.alert(text::kQuestionsNotImported, "確認", MessageIcon::Stop,
                                 plan.status.reason());
        return;
    }
    if (!plan.importable) {
        services_.messages.alert(plan.question, "確認", MessageIcon::Exclamation, plan.preview);
        return;
    }
    if (services_.messages.ask(plan.question, "確認", MessageIcon::Question, MessageButtons::YesNo,
                               MessageAnswer::No, plan.preview) != MessageAnswer::Yes)
        return;
    std::string done;
    if (Status s =
            jitsu::launcher::importQuestions(folder_.toStdString(), plan, services_.messages, done);
        !s)
        services_.messages.alert(text::kScoresNotSaved, "確認", MessageIcon::Stop, s.reason());
    else if (!done.empty())
        services_.messages.inform(done, "確認", MessageIcon::None);
    refresh();
}

void LauncherWindow::ExportButtonClick() {
    const FolderOverview overview = readFolderOverview(folder_.toStdString());
    const auto files = chooseTest(exportableTests(overview), QStringLiteral("Excel に書き出し"));
    if (!files) return;
    const QString output = QFileDialog::getSaveFileName(
        this, QStringLiteral("書き出すファイル"),
        fromPath(exportFileName(folder_.toStdString(), overview.year, *files)),
        QStringLiteral("Excel の表 (*.xlsx);;CSV（UTF-8） (*.csv)"));
    if (!output.isEmpty()) exportResults(*files, output);
}

void LauncherWindow::exportResults(const TestFiles& files, const QString& output) {
    if (!confirmFreshResults(folder_.toStdString(), services_.messages, files.grade, files.test))
        return;
    std::string done;
    if (Status s = exportTest(folder_.toStdString(), files, output.toStdString(), done); !s)
        services_.messages.alert(text::kNotExported, "確認", MessageIcon::Stop, s.reason());
    else
        services_.messages.inform(done, "確認", MessageIcon::None);
}

void LauncherWindow::VersionsButtonClick() {
    QStringList files;
    for (const std::string& name : filesWithVersions(folder_.toStdString()))
        files << QString::fromStdString(name);
    bool chosen = false;
    const QString file =
        QInputDialog::getItem(this, QStringLiteral("以前の版に戻す"), QStringLiteral("ファイル"),
                              files, 0, false, &chosen);
    if (!chosen || file.isEmpty()) return;
    QStringList labels;
    for (const FileVersion& v : listVersions(folder_.toStdString() / fs::path(file.toStdString())))
        labels << QString::fromStdString(versionLabel(v));
    const QString label = QInputDialog::getItem(this, QStringLiteral("以前の版に戻す"),
                                                file + QStringLiteral(" の版（新しい順）"), labels,
                                                0, false, &chosen);
    if (chosen && labels.indexOf(label) >= 0) restoreFileVersion(file, labels.indexOf(label) + 1);
}

void LauncherWindow::restoreFileVersion(const QString& file, int number) {
    const fs::path path = folder_.toStdString() / fs::path(file.toStdString());
    const std::vector<FileVersion> versions = listVersions(path);
    if (number < 1 || number > static_cast<int>(versions.size())) return;
    if (services_.messages.ask(
            file.toStdString() + " を、この版に戻しますか？\n今の内容も版として残ります。", "確認",
            MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No,
            versionLabel(versions[static_cast<std::size_t>(number - 1)])) != MessageAnswer::Yes)
        return;
    if (Status s = restoreVersion(path, number); !s)
        services_.messages.alert(text::kNotRestored, "確認", MessageIcon::Stop, s.reason());
    refresh();
}

void LauncherWindow::ProgramButtonClick(int index) {
    const SuiteProgram& program = suitePrograms()[static_cast<std::size_t>(index)];
    // The folder may have changed since it was last looked at (a stick taken out).
    refresh();
    if (!canStart(program.needsBasicData, readFolderOverview(folder_.toStdString()))) return;
    const auto path =
        findProgram(QCoreApplication::applicationDirPath().toStdString(), program.name);
    const std::string name = installedName(program.name);
    if (path.empty()) {
        services_.messages.alert("プログラム " + name + " が見つかりません。", "確認",
                                 MessageIcon::Stop);
        return;
    }
    QProcess process;
    process.setProgram(fromPath(path));
    process.setWorkingDirectory(folder_);
    if (!process.startDetached())
        services_.messages.alert("プログラム " + name + " を起動できませんでした。", "確認",
                                 MessageIcon::Stop, process.errorString().toStdString());
}

void LauncherWindow::openFixingProgram(const QString& name) {
    for (std::size_t i = 0; i < suitePrograms().size(); ++i)
        if (QString::fromUtf8(suitePrograms()[i].name.data(),
                              static_cast<int>(suitePrograms()[i].name.size())) == name &&
            ProgramButtons[i]->isEnabled())
            ProgramButtonClick(static_cast<int>(i));
}

void LauncherWindow::paintEvent(QPaintEvent* event) {
    ProgramWindow::paintEvent(event);
    if (painted_) return;
    // The folder is read from the next turn of the event loop: the frame just painted goes to
    // the screen first, and the rosters, the scan and any question about them come after it.
    painted_ = true;
    QTimer::singleShot(0, this, &LauncherWindow::readFolder);
}

void LauncherWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refresh();
    QWidget::changeEvent(event);
}

}  // namespace jitsu::launcher
