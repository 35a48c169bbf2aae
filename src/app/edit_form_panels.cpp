// The panels of the main window: docks around the classic form, each with its toggle in the
// View menu.

#include "app/edit_form.h"
#include "app/inspector_panel.h"

namespace {

constexpr int InspectorTitle = 307;
constexpr int InspectorHint = 308;

}  // namespace

QDockWidget* TEditForm::addPanel(QWidget* content, const char* name, int titleString,
                                 int hintString, Qt::DockWidgetArea area) {
    auto* dock = new QDockWidget(this);
    dock->setObjectName(name);  // the key of the dock in saveState
    dock->setWidget(content);
    dock->setAllowedAreas(Qt::AllDockWidgetAreas);
    addDockWidget(area, dock);
    dock->hide();
    viewMenu_.menu->addAction(dock->toggleViewAction());
    panels_.push_back({dock, titleString, hintString});
    return dock;
}

void TEditForm::setPanelTexts() {
    for (const Panel& panel : panels_) {
        panel.dock->setWindowTitle(QString::fromStdString(strings_.loadText(panel.titleString)));
        panel.dock->toggleViewAction()->setStatusTip(
            QString::fromStdString(strings_.loadText(panel.hintString)));
    }
}

// Every panel of the window, in the order of their toggles in the View menu.
void TEditForm::createPanels() {
    addPanel(new InspectorPanel(*this), "InspectorDock", InspectorTitle, InspectorHint);
}
