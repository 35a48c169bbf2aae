// The panels of the main window: docks around the classic form, each with its toggle in the
// View menu.

#include "app/edit_form.h"
#include "app/exact_values_panel.h"
#include "app/numbered_text.h"
#include "app/preview_panel.h"
#include "app/problems_panel.h"

namespace {

constexpr TEditForm::PanelTexts ExactValuesTexts{.title = 307, .toggle = 338, .hint = 308};
constexpr TEditForm::PanelTexts ProblemsTexts{.title = 455, .toggle = 456, .hint = 457};
constexpr TEditForm::PanelTexts PreviewTexts{.title = 400, .toggle = 401, .hint = 403};

}  // namespace

QDockWidget* TEditForm::addPanel(QWidget* content, const char* name, PanelTexts texts,
                                 Qt::DockWidgetArea area) {
    auto* dock = new QDockWidget(this);
    dock->setObjectName(name);  // the key of the dock in saveState
    dock->setWidget(content);
    dock->setAllowedAreas(Qt::AllDockWidgetAreas);
    addDockWidget(area, dock);
    dock->hide();
    viewMenu_.menu->addAction(dock->toggleViewAction());
    panels_.push_back({dock, texts});
    return dock;
}

void TEditForm::setPanelTexts() {
    for (const Panel& panel : panels_) {
        panel.dock->setWindowTitle(numberedText(strings_, panel.texts.title));
        // After the title, which the dock also gives its toggle.
        QAction* toggle = panel.dock->toggleViewAction();
        toggle->setText(numberedText(strings_, panel.texts.toggle));
        toggle->setStatusTip(numberedText(strings_, panel.texts.hint));
    }
}

// Every panel of the window, in the order of their toggles in the View menu.
void TEditForm::createPanels() {
    addPanel(new ExactValuesPanel(*this), "ExactValuesDock", ExactValuesTexts);
    problemsPanel_ = new ProblemsPanel(*this);
    addPanel(problemsPanel_, "ProblemsDock", ProblemsTexts, Qt::BottomDockWidgetArea);
    previewDock_ = addPanel(new PreviewPanel(*this), "PreviewDock", PreviewTexts);
}
