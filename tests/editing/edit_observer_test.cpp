// A view that refreshes only what it is told has changed stays equal to the edit state through
// any sequence of editing: no change slips past the observer. And a view that follows a drag as
// it goes shows what the release then stores.

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "editing/clipboard.h"
#include "editing/colours.h"
#include "editing/drawing_tools.h"
#include "editing/entry_arrangement.h"
#include "editing/entry_commands.h"
#include "editing/entry_session.h"
#include "editing/entry_transfer.h"
#include "editing/escape.h"
#include "editing/pointer_input.h"
#include "editing/release_outcome.h"
#include "editing/selection.h"
#include "editing/selection_commands.h"
#include "editing/support/editor_fixture.h"
#include "editing/transform_commands.h"
#include "editing/undo.h"

namespace {

// Keeps its own copy of each part of the state and refreshes a part only when told.
class MirrorView : public EditObserver {
  public:
    explicit MirrorView(const EditorState& state) : s_(state) {}

    void copyAll() {
        copyEntities();
        copySelection();
        copySettings();
        copyEntryList();
        currentEntry_ = s_.library.currentEntry;
    }

    void entitiesChanged() override { copyEntities(); }
    void selectionChanged() override { copySelection(); }
    void entrySettingsChanged() override { copySettings(); }
    void entryListChanged() override { copyEntryList(); }
    void entryStored(int /*n*/) override { copyEntryList(); }
    void currentEntryChanged() override {
        currentEntry_ = s_.library.currentEntry;
        copyEntities();
        copySettings();
    }

    // What differs from the state; empty when the view is up to date.
    std::string staleParts() const {
        std::string stale;
        if (entities_ != entitiesOf(s_)) {
            stale += " entities";
        }
        if (selection_ != s_.selection) {
            stale += " selection";
        }
        if (!(settings_ == s_.work.workEntry)) {
            stale += " settings";
        }
        if (entries_ != entriesOf(s_)) {
            stale += " entry list";
        }
        if (currentEntry_ != s_.library.currentEntry) {
            stale += " current entry";
        }
        return stale;
    }

  private:
    static std::vector<Entity> entitiesOf(const EditorState& s) {
        const auto& slots = s.work.workEntities;
        return {slots.begin(), slots.begin() + s.work.workEntityCount};
    }
    // Each entry as stored in the library: its settings, then its entities.
    using StoredEntry = std::pair<LibraryEntry, std::vector<Entity>>;
    static std::vector<StoredEntry> entriesOf(const EditorState& s) {
        std::vector<StoredEntry> entries;
        for (int n = 1; n <= s.library.entryCount; ++n) {
            const EntityArray& slots = s.library.entities(n);
            entries.emplace_back(
                s.library.entry(n),
                std::vector<Entity>(slots.begin(), slots.begin() + countEntities(slots)));
        }
        return entries;
    }
    void copyEntities() { entities_ = entitiesOf(s_); }
    void copySelection() { selection_ = s_.selection; }
    void copySettings() { settings_ = s_.work.workEntry; }
    void copyEntryList() { entries_ = entriesOf(s_); }

    const EditorState& s_;
    std::vector<Entity> entities_;
    Selection selection_{};
    LibraryEntry settings_;
    std::vector<StoredEntry> entries_;
    int32_t currentEntry_ = 0;
};

class EditObserverTest : public EditorFixture {
  protected:
    EditObserverTest() {
        addEntry("first", {lineEntity(20, 20, 140, 20), arcEntity(50, 155, 110, 155, 80, 155, 0)});
        addEntry("second", {lineEntity(35, 200, 200, 200)});
        loadEntry(ctx, 1);
        state.showSizeRadius = true;
        view.copyAll();
    }

    void click(DisplayPoint p, ShiftState shift = {}) {
        SymBox_MouseMove(watched, {}, p.x, p.y);
        shift.left = true;
        SymBox_MouseDown(watched, MouseButton::Left, shift, p.x, p.y);
        SymBox_MouseUp(watched, MouseButton::Left, shift, p.x, p.y);
    }
    // Escape before the release takes the drag back.
    void drag(DisplayPoint from, DisplayPoint to, bool escaped = false) {
        SymBox_MouseMove(watched, {}, from.x, from.y);
        const ShiftState held{false, true, false, false};
        SymBox_MouseDown(watched, MouseButton::Left, held, from.x, from.y);
        // The first move grabs; the next ones drag.
        SymBox_MouseMove(watched, held, (from.x + to.x) / 2, (from.y + to.y) / 2);
        SymBox_MouseMove(watched, held, to.x, to.y);
        if (escaped) {
            Editor_Escape(watched);
        }
        const WorkAfterRelease shown = workAfterRelease(state);
        // The drags whose entities are stored only at the release.
        const bool storedAtRelease = state.pointerState == PointerState::MoveSelection ||
                                     state.pointerState == PointerState::DragHandle;
        SymBox_MouseUp(watched, MouseButton::Left, held, to.x, to.y);
        const WorkAfterRelease stored = workAfterRelease(state);
        if (storedAtRelease &&
            (shown.entities != stored.entities || !(shown.entry == stored.entry))) {
            ++dragsShownWrong;
        }
    }
    int dragsShownWrong = 0;

    // Anywhere, or on something that can be picked or dragged: the origin, the size radius
    // circle, an entity's end point.
    DisplayPoint randomPoint() {
        std::uniform_int_distribution<int> coordinate(0, 315);
        const LibraryEntry& entry = state.work.workEntry;
        const int count = state.work.workEntityCount;
        switch (std::uniform_int_distribution<int>(0, 5)(random)) {
            case 0:
                return {entry.originX, entry.originY};
            case 1:
                return {entry.originX + entry.sizeRadius, entry.originY};
            case 2:
            case 3:
                if (count > 0) {
                    const Entity& e = workEntity(1 + coordinate(random) % count);
                    return coordinate(random) % 2 == 0 ? DisplayPoint{e.x1, e.y1}
                                                       : DisplayPoint{e.x2, e.y2};
                }
                break;
            default:
                break;
        }
        return {coordinate(random), coordinate(random)};
    }

    // One user action, chosen at random.
    // Returns the number of the action taken.
    int act() {
        const DisplayPoint p = randomPoint();
        const DisplayPoint q = randomPoint();
        const int action = std::uniform_int_distribution<int>(0, 21)(random);
        switch (action) {
            case 0:
                tbLineBtn_Click(watched);
                break;
            case 1:
                tbArcBtn_Click(watched);
                break;
            case 2:
                tbSelectBtn_Click(watched);
                break;
            case 3:
            case 4:
            case 5:
                click(p);
                break;
            case 6:
                click(p, ShiftState{true, false, false, false});
                break;
            case 7:
            case 8:
                drag(p, q);
                break;
            case 9:
                tbUndoBtn_click(watched);
                break;
            case 10:
                EditMenu_SelectAll_Click(watched);
                break;
            case 11:
                ColourBox_Click(watched, 1 + p.x % 16);
                break;
            case 12:
                EditMenu_Cut_Click(watched);
                break;
            case 13:
                EditMenu_Paste_Click(watched);
                break;
            case 14:
                leaveCurrentEntry(watched);
                loadEntry(watched, 1 + p.x % state.library.entryCount);
                break;
            case 15:
                if (p.x % 4 == 0) {
                    ::addEntry(watched, {"added" + std::to_string(p.y), true, false});
                } else {
                    changeEntrySettings(watched,
                                        {"renamed" + std::to_string(p.y), p.y % 2 == 0, false},
                                        state.work.workEntry.useColours != 0, false);
                }
                break;
            case 16:
                tbRedoBtn_click(watched);
                break;
            case 17:
                drag(p, {q.y, q.x}, true);  // anywhere, even from the origin
                break;
            case 18:
                EditMenu_Transform_Click(watched, {static_cast<TransformKind>(p.x % 5)});
                break;
            case 19:
                moveCurrentEntry(watched, state.library.currentEntry + (p.x % 2 == 0 ? 1 : -1));
                break;
            case 20:
                duplicateCurrentEntry(watched);
                break;
            case 21:
                // Into the same library: every name is taken, and each answer is tried.
                copyCurrentEntry(watched);
                ui.choices.push_back(p.y % 3);
                pasteEntries(watched);
                break;
        }
        return action;
    }

    MirrorView view{state};
    EditContext watched{state, canvas, ui, strings, clipboard, view};
    std::mt19937 random{20261208};
};

TEST_F(EditObserverTest, ViewsStayEqualToTheStateAndDragsShowWhatTheReleaseStores) {
    for (int step = 0; step < 3000; ++step) {
        const int action = act();
        ASSERT_EQ(view.staleParts(), "") << "after step " << step << ", action " << action;
        ASSERT_EQ(dragsShownWrong, 0) << "after step " << step << ", action " << action;
    }
}

}  // namespace
