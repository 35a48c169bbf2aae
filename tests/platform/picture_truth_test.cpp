// After every command, pointer release and key the drawing area shows what a fresh full redraw
// of the same state shows: selection, grips, origin marker, size circle and rubber band
// included. Random sessions of clicks, drags, tools, undos, colours and keys on the real canvas,
// each step run as the window runs it.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sstream>
#include <string>

#include "display/arc_geometry.h"
#include "editing/clipboard.h"
#include "editing/colours.h"
#include "editing/drawing_tools.h"
#include "editing/edit_context.h"
#include "editing/keyboard.h"
#include "editing/pointer_input.h"
#include "editing/redraw.h"
#include "editing/selection_commands.h"
#include "editing/undo.h"
#include "platform/support/raster_session.h"
#include "support/entities.h"

namespace {

bool isDrag(PointerState state) {
    return state == PointerState::DragHandle || state == PointerState::MoveSelection ||
           state == PointerState::DragOrigin || state == PointerState::DragSizeRadius ||
           state == PointerState::DragClipRadius;
}

// One symbol entry whose lines and arcs cross each other, the grid and the origin marker.
struct Session : RasterSession {
    Session() {
        WorkingCopy& work = state.work;
        work.workEntry.sizeRadius = 60;
        const Entity drawing[] = {
            lineEntity(20, 20, 290, 275, 3),
            lineEntity(290, 275, 35, 260, 5),
            arcEntity(125, 155, 185, 155, 155, 155, 1, 10),
            arcEntity(140, 140, 200, 200, 170, 170, 0, 1),
            lineEntity(155, 5, 155, 305, 7),
            lineEntity(35, 215, 275, 215, 2),
        };
        for (const Entity& e : drawing) {
            work.workEntities[work.workEntityCount++] = e;
        }
        state.showSizeRadius = true;
        // As a freshly loaded entry: nothing to undo, nothing selected.
        ui.setEnabled(Command::tbUndoBtn, false);
        ui.setEnabled(Command::EditMenu_Delete, false);
        RepaintEntry(ctx);
    }

    // A command, release or key, run as TEditForm::runHandler runs it; an invalidated drawing is
    // then repainted by the paint event.
    void command(const std::function<void(EditContext&)>& handler) {
        const int invalidations = ui.invalidations;
        handler(ctx);
        SettlePicture(ctx);
        if (ui.invalidations != invalidations) {
            RepaintEntry(ctx);
        }
    }
    // A command as the window offers it: disabled ones cannot be chosen.
    void command(Command which, const std::function<void(EditContext&)>& handler) {
        if (ui.isEnabled(which).value_or(true)) {
            command(handler);
        }
    }
    // A pointer move or press: XOR feedback only.
    void feedback(const std::function<void(EditContext&)>& handler) {
        const int invalidations = ui.invalidations;
        handler(ctx);
        if (ui.invalidations != invalidations) {
            RepaintEntry(ctx);
        }
    }
};

// Where the user points: anywhere, grid points, the ends and middles of entities (their
// grips), the origin and the size circle.
DisplayPoint somePoint(const Session& s, std::mt19937& random) {
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const EditorState& st = s.state;
    const DisplayPoint origin{st.work.workEntry.originX, st.work.workEntry.originY};
    switch (pick(5)) {
        case 0:
            return {pick(310), pick(310)};
        case 1:
            return {5 + 15 * pick(21), 5 + 15 * pick(21)};
        case 2: {
            if (st.work.workEntityCount == 0) {
                return origin;
            }
            const Entity& e = st.work.workEntities[pick(st.work.workEntityCount)];
            switch (pick(3)) {
                case 0:
                    return {e.x1, e.y1};
                case 1:
                    return {e.x2, e.y2};
                default:
                    return e.isArc ? ArcMidpoint(e)
                                   : DisplayPoint{(e.x1 + e.x2) / 2, (e.y1 + e.y2) / 2};
            }
        }
        case 3:
            return {origin.x + pick(5) - 2, origin.y + pick(5) - 2};
        default:
            return {origin.x + st.work.workEntry.sizeRadius, origin.y};
    }
}

// One step of a session, described for the failure message.
std::string step(Session& s, std::mt19937& random) {
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    std::ostringstream said;
    const DisplayPoint p = somePoint(s, random);
    said << "(" << p.x << "," << p.y << ") ";
    ShiftState shift;
    shift.shift = pick(4) == 0;
    switch (pick(12)) {
        case 0:
        case 1:
        case 2: {
            said << (shift.shift ? "shift-click" : "click");
            s.feedback([&](EditContext& c) { SymBox_MouseMove(c, {}, p.x, p.y); });
            s.feedback(
                [&](EditContext& c) { SymBox_MouseDown(c, MouseButton::Left, shift, p.x, p.y); });
            s.command(
                [&](EditContext& c) { SymBox_MouseUp(c, MouseButton::Left, shift, p.x, p.y); });
            break;
        }
        case 3:
        case 4: {
            const DisplayPoint q = somePoint(s, random);
            said << "drag to (" << q.x << "," << q.y << ")";
            ShiftState held;
            held.left = true;
            s.feedback([&](EditContext& c) { SymBox_MouseMove(c, {}, p.x, p.y); });
            s.feedback(
                [&](EditContext& c) { SymBox_MouseDown(c, MouseButton::Left, {}, p.x, p.y); });
            for (int i = 1; i <= 4; ++i) {
                const int x = p.x + (q.x - p.x) * i / 4 + (i == 1 ? 1 : 0);
                const int y = p.y + (q.y - p.y) * i / 4;
                s.feedback([&](EditContext& c) { SymBox_MouseMove(c, held, x, y); });
            }
            s.command([&](EditContext& c) { SymBox_MouseUp(c, MouseButton::Left, {}, q.x, q.y); });
            break;
        }
        case 5: {
            static const std::function<void(EditContext&)> tools[] = {
                tbSelectBtn_Click, tbLineBtn_Click, tbArcBtn_Click};
            const int tool = pick(3);
            said << "tool " << tool;
            s.command(tools[tool]);
            break;
        }
        case 6:
            said << "undo";
            s.command(Command::tbUndoBtn, tbUndoBtn_click);
            break;
        case 7: {
            const int colour = 1 + pick(16);
            said << "colour " << colour;
            s.command([colour](EditContext& c) { ColourBox_Click(c, colour); });
            break;
        }
        case 8:
            said << "select all";
            s.command(Command::EditMenu_SelectAll, EditMenu_SelectAll_Click);
            break;
        case 9: {
            const auto key = static_cast<DrawingKey>(pick(5) == 0 ? 32 : 37 + pick(4));
            said << "key " << static_cast<int>(key);
            s.feedback([&](EditContext& c) { SymBox_MouseMove(c, {}, p.x, p.y); });
            s.command([key](EditContext& c) { Editor_KeyDown(c, key); });
            break;
        }
        case 10:
            said << "pointer leaves";
            s.feedback(Form_MouseMove);
            s.command(Timer2Timer);
            break;
        default: {
            const bool remove = pick(2) == 0;
            said << (remove ? "delete" : "size radius");
            if (remove) {
                s.command(Command::EditMenu_Delete, EditMenu_Delete_Click);
            } else {
                s.command(SymbolMenu_ShowSizeRad_Click);
            }
            break;
        }
    }
    return said.str();
}

// How many pixels differ and where, empty when none does.
std::string differences(const QImage& shown, const QImage& fresh) {
    if (shown == fresh) {
        return {};
    }
    int count = 0;
    PixelBox box;
    std::ostringstream first;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != fresh.pixel(x, y)) {
                if (count < 4) {
                    first << " (" << x << "," << y << ") " << std::hex << shown.pixel(x, y)
                          << " not " << fresh.pixel(x, y) << std::dec;
                }
                ++count;
                box = box.united({x, y, x + 1, y + 1});
            }
        }
    }
    std::ostringstream text;
    text << count << " pixels differ within " << box.left << "," << box.top << " - " << box.right
         << "," << box.bottom << ":" << first.str();
    return text.str();
}

TEST(PictureTruth, AfterEveryStepTheAreaIsWhatAFreshRedrawShows) {
    int compared = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        Session s;
        std::string done;
        for (int i = 0; i < 60; ++i) {
            done += step(s, random) + "\n";
            if (isDrag(s.state.pointerState)) {
                continue;  // the ghosts of a drag are meant to be there until the release
            }
            QtCanvas fresh;
            RecordingEditorUi freshUi;
            EditContext freshCtx{s.state, fresh, freshUi, s.strings, s.clipboard};
            PaintPicture(freshCtx, WholeSurface);
            ++compared;
            ASSERT_EQ(differences(s.canvas.image(), fresh.image()), "") << "seed " << seed << ":\n"
                                                                        << done;
        }
    }
    EXPECT_GT(compared, 1500);
}

}  // namespace
