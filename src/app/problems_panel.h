#pragma once

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QWidget>

#include "display/library_problems.h"

class TEditForm;

// The Problems panel: every finding of the problem rules in the library as stored, one row
// each, kept current as entries are stored and the list changes; activating a row goes to its
// entry and selects its entity.
class ProblemsPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ProblemsPanel(TEditForm& form);

    // Stores the current entry when it was changed and checks the whole library again.
    void checkNow();
    const LibraryProblems& problems() const { return problems_; }
    // Shows the panel's dock and brings it to the front.
    void showPanel();
    // Goes to the entry and selects the entity of the finding in row (0-based).
    void goToFinding(int row);
    void setTexts();

    QTreeView* list() const { return list_; }
    QCheckBox* checkBeforeSaving() const { return checkBeforeSaving_; }

    // Whether a save asks first when the library has errors, as the user left it.
    static bool checksBeforeSaving();
    static void setChecksBeforeSaving(bool on);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void entryStored(int n);
    void listChanged();
    // Fills the rows from the findings, when the panel is seen; otherwise when it is shown.
    void showFindings();
    void scheduleRows();
    QString text(int number) const;

    class Rows;

    TEditForm& form_;
    LibraryProblems problems_;
    Rows* rows_ = nullptr;
    QLabel* summary_ = nullptr;
    QCheckBox* checkBeforeSaving_ = nullptr;
    QPushButton* checkNow_ = nullptr;
    QTreeView* list_ = nullptr;
    bool rowsStale_ = true;
    bool rowsPending_ = false;
};
