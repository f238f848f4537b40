#pragma once

#include <QWidget>
#include <filesystem>
#include <optional>
#include <string>

#include "EditGrid.h"
#include "EditorChecks.h"
#include "EditorTexts.h"
#include "Services.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace jitsu {

// The basic data editor: school and test name, year, and per grade page the classes with their
// head counts, the subjects with their discipline numbers and the full marks of every test.
// The widgets show an EditorTexts, which also keeps the cells cut off by a smaller count. The
// file is loaded by FormCreate and saved whenever the window closes, unless the user chooses to
// end without saving because a text cannot be saved, the file cannot be written, or another
// terminal changed the file since it was read.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(Services& services, QWidget* parent = nullptr);

    QLineEdit* GakkouMei;
    QLineEdit* TestMei;
    QLineEdit* Nendo;
    QSpinBox* NendoUD;
    QPushButton* OKButton;
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet3;
    QLineEdit* ClassSu1;
    QLineEdit* ClassSu2;
    QLineEdit* ClassSu3;
    QSpinBox* ClassSu1UD;
    QSpinBox* ClassSu2UD;
    QSpinBox* ClassSu3UD;
    EditGrid* SGC1;
    EditGrid* SGC2;
    EditGrid* SGC3;
    QLineEdit* KamokuSu1;
    QLineEdit* KamokuSu2;
    QLineEdit* KamokuSu3;
    QSpinBox* KamokuSu1UD;
    QSpinBox* KamokuSu2UD;
    QSpinBox* KamokuSu3UD;
    QLineEdit* JissiSu1;
    QLineEdit* JissiSu2;
    QLineEdit* JissiSu3;
    QSpinBox* JissiSu1UD;
    QSpinBox* JissiSu2UD;
    QSpinBox* JissiSu3UD;
    EditGrid* SGK1;
    EditGrid* SGK2;
    EditGrid* SGK3;

public slots:
    // Loads the basic data file into the window; a missing file leaves the start contents, with
    // the grids sized to the start counts. False when the file exists but cannot be read (the
    // message was shown with the reason): the program then ends, leaving the file as it is.
    bool FormCreate();
    void ClassSu1Change() { classCountChanged(0); }
    void ClassSu2Change() { classCountChanged(1); }
    void ClassSu3Change() { classCountChanged(2); }
    void KamokuSu1Change() { subjectCountChanged(0); }
    void KamokuSu2Change() { subjectCountChanged(1); }
    void KamokuSu3Change() { subjectCountChanged(2); }
    void JissiSu1Change() { testCountChanged(0); }
    void JissiSu2Change() { testCountChanged(1); }
    void JissiSu3Change() { testCountChanged(2); }
    void OKButtonClick();

public:
    // Saves the file. Returns whether the window may close: true once saved, or when the user
    // chooses to end without saving; false when the user goes back to correct a text that
    // cannot be saved, to retry a save that failed, or from replacing a file that another
    // terminal changed since it was read (asked first: はい replaces it, いいえ ends without
    // saving, キャンセル and Esc go back).
    bool FormClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPage(int g, QWidget* sheet);
    void classCountChanged(int g);
    void subjectCountChanged(int g);
    void testCountChanged(int g);
    void showTexts();
    EditGrid* gridOf(int g, Grid grid) const;
    void showGrid(int g, Grid grid);
    void storeCells(int g, Grid grid, const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void takeEdits();
    void showProblem(const Problem& problem);

    Services& services_;
    std::filesystem::path path_;
    std::optional<std::string> readText_;  // the file as read; nullopt when there was none
    EditorTexts texts_;
};

}  // namespace jitsu
