#include "app/save_check.h"

#include <QCheckBox>
#include <QMessageBox>

#include "app/edit_form.h"
#include "app/numbered_text.h"
#include "app/problems_panel.h"

namespace {

constexpr int ProblemsTitleString = 455;
constexpr int CheckBeforeSavingString = 465;
constexpr int ErrorsAtSaveString = 468;
constexpr int SaveAnywayString = 469;
constexpr int ShowProblemsString = 470;

}  // namespace

bool checkBeforeSave(TEditForm& form) {
    if (!ProblemsPanel::checksBeforeSaving()) {
        return true;
    }
    ProblemsPanel& panel = form.problemsPanel();
    panel.checkNow();
    const LibraryProblems& problems = panel.problems();
    if (problems.errorCount() == 0) {
        return true;
    }
    const auto text = [&form](int number) { return numberedText(form.strings(), number); };
    QMessageBox box(
        QMessageBox::Warning, text(ProblemsTitleString),
        text(ErrorsAtSaveString).arg(problems.errorCount()).arg(problems.warningCount()),
        QMessageBox::Save | QMessageBox::Open | QMessageBox::Cancel, &form);
    box.button(QMessageBox::Save)->setText(text(SaveAnywayString));
    box.button(QMessageBox::Open)->setText(text(ShowProblemsString));
    box.button(QMessageBox::Open)->setIcon({});  // the style's folder would mislead
    box.setDefaultButton(QMessageBox::Open);
    box.setEscapeButton(QMessageBox::Cancel);
    auto* again = new QCheckBox(text(CheckBeforeSavingString), &box);
    again->setChecked(true);
    box.setCheckBox(again);
    const int answer = box.exec();
    if (!again->isChecked()) {
        // The panel's box shows the setting and writes it.
        panel.checkBeforeSaving()->setChecked(false);
    }
    if (answer == QMessageBox::Open) {
        panel.showPanel();
    }
    return answer == QMessageBox::Save;
}
