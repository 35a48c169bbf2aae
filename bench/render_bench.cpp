// Drawing speed on the real Qt canvas: a full redraw of a crowded entry and the XOR updates
// of a rubber band, which run on every pointer move.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>
#include <numbers>

#include "app/sym_box.h"
#include "display/primitives.h"
#include "editing/edit_context.h"
#include "editing/redraw.h"
#include "model/library.h"
#include "platform/headless_ports.h"
#include "platform/qt_canvas.h"
#include "platform/string_table.h"

namespace {

// 250 entities, every other one an arc, spread over the whole drawing area.
EntityArray crowdedEntry() {
    EntityArray entities{};
    uint32_t seed = 12345;
    const auto next = [&](int32_t low, int32_t high) {
        seed = seed * 1103515245u + 12345u;
        return low + static_cast<int32_t>((seed >> 8) % static_cast<uint32_t>(high - low + 1));
    };
    for (int i = 0; i < MaxEntities; ++i) {
        Entity& e = entities[static_cast<size_t>(i)];
        e.colour = next(1, 16);
        if (i % 2 == 0) {
            e.x1 = next(5, 305);
            e.y1 = next(5, 305);
            e.x2 = next(5, 305);
            e.y2 = next(5, 305);
            continue;
        }
        const double cx = next(60, 250), cy = next(60, 250), r = next(10, 55);
        const double a = next(0, 359) * std::numbers::pi / 180;
        const double b = next(0, 359) * std::numbers::pi / 180;
        e.isArc = 1;
        e.centreX = static_cast<float>(cx);
        e.centreY = static_cast<float>(cy);
        e.x1 = static_cast<int32_t>(std::lround(cx + r * std::cos(a)));
        e.y1 = static_cast<int32_t>(std::lround(cy - r * std::sin(a)));
        e.x2 = static_cast<int32_t>(std::lround(cx + r * std::cos(b)));
        e.y2 = static_cast<int32_t>(std::lround(cy - r * std::sin(b)));
        e.arcFlag = static_cast<uint8_t>(next(0, 1));
    }
    return entities;
}

// The crowded entry in an edit state with the ports a redraw needs.
struct CrowdedEditor {
    CrowdedEditor() {
        editor->work.workEntities = crowdedEntry();
        editor->work.workEntityCount = MaxEntities;
        editor->work.workEntry.useColours = 1;
        editor->work.workEntry.originX = 155;
        editor->work.workEntry.originY = 155;
    }
    std::unique_ptr<EditorState> editor = std::make_unique<EditorState>();
    QtCanvas canvas;
    HeadlessEditorUi ui;
    const StringTable strings;
    PrivateClipboard clipboard;
    EditContext ctx{*editor, canvas, ui, strings, clipboard};
};

void BM_FullRedraw250Entities(benchmark::State& state) {
    CrowdedEditor crowded;
    for (auto _ : state) {
        RedrawEntry(crowded.ctx, true);
        benchmark::DoNotOptimize(crowded.canvas.image().constBits());
    }
}
BENCHMARK(BM_FullRedraw250Entities);

// A full repaint of the zoomed drawing area as the paint box makes it: the entry redrawn on
// the surface, then every surface pixel blitted as a block of zoom x zoom pixels with the
// bevel on top. The argument is the zoom; the window's backing store is an RGB32 image of the
// zoomed size (2480 x 2480 at eight times, of which a screen shows a part).
void BM_FullRepaintZoomed(benchmark::State& state) {
    const int zoom = static_cast<int>(state.range(0));
    CrowdedEditor crowded;
    QImage shown(SurfaceSize * zoom, SurfaceSize * zoom, QImage::Format_RGB32);
    const QImage bevel = drawingBevel(QSize(SurfaceSize, SurfaceSize), QPalette());
    for (auto _ : state) {
        RedrawEntry(crowded.ctx, true);
        QPainter painter(&shown);
        paintZoomedRaster(painter, crowded.canvas.image(), bevel, zoom, shown.rect());
        benchmark::DoNotOptimize(shown.constBits());
    }
}
BENCHMARK(BM_FullRepaintZoomed)->Arg(1)->Arg(3)->Arg(8)->Unit(benchmark::kMicrosecond);

// The same repaint as a full HD screen shows it: where the zoomed area is larger than the
// screen, the window fills the screen and only the drawing's visible part is painted.
void BM_FullRepaintZoomedOnScreen(benchmark::State& state) {
    const int zoom = static_cast<int>(state.range(0));
    CrowdedEditor crowded;
    const QRect screen(0, 0, 1920, 1080);
    const QRect visible = screen.intersected(QRect(0, 0, SurfaceSize * zoom, SurfaceSize * zoom));
    QImage shown(visible.size(), QImage::Format_RGB32);
    const QImage bevel = drawingBevel(QSize(SurfaceSize, SurfaceSize), QPalette());
    for (auto _ : state) {
        RedrawEntry(crowded.ctx, true);
        QPainter painter(&shown);
        paintZoomedRaster(painter, crowded.canvas.image(), bevel, zoom, visible);
        benchmark::DoNotOptimize(shown.constBits());
    }
}
BENCHMARK(BM_FullRepaintZoomedOnScreen)->Arg(3)->Arg(8)->Unit(benchmark::kMicrosecond);

// Pointer moves that swing a rubber band between two positions: on each move the band drawn for
// the old position is XOR-ed away and the one for the new position drawn.
template <class Position, class DrawBand>
void swingRubberBand(benchmark::State& state, Position first, Position second, DrawBand draw) {
    QtCanvas canvas;
    Position old = first;
    draw(canvas, old);
    for (auto _ : state) {
        const Position now = old == first ? second : first;
        draw(canvas, old);
        draw(canvas, now);
        old = now;
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}

// A line from the last point to the pointer, across the whole area.
void BM_RubberBandLineAcrossTheArea(benchmark::State& state) {
    swingRubberBand(state, DisplayPoint{305, 300}, DisplayPoint{300, 305},
                    [](QtCanvas& canvas, DisplayPoint pointer) {
                        DrawLineEntity(canvas, {5, 5}, pointer, 1, true, DrawMode::Xor);
                    });
}
BENCHMARK(BM_RubberBandLineAcrossTheArea);

// An arc across the area whose centre follows the pointer.
void swingArc(benchmark::State& state, RealPoint first, RealPoint second, uint8_t flag) {
    swingRubberBand(state, first, second, [flag](QtCanvas& canvas, RealPoint centre) {
        DrawArcEntity(canvas, centre, {5, 155}, {305, 155}, 1, true, flag, DrawMode::Xor);
    });
}

void BM_RubberBandArcAcrossTheArea(benchmark::State& state) {
    swingArc(state, {155, 160}, {155, 150}, 1);
}
BENCHMARK(BM_RubberBandArcAcrossTheArea);

// The flattest arc a rubber band can show: a radius near the 3000-pixel limit.
void BM_RubberBandArcOfTheLargestRadius(benchmark::State& state) {
    swingArc(state, {155, 3150}, {155, 3140}, 0);
}
BENCHMARK(BM_RubberBandArcOfTheLargestRadius);

// For comparison: the same XOR line through QPainter's raster op, which hands figures of
// more than about 96 pixels to its thread pool.
void BM_QPainterXorLineAcrossTheArea(benchmark::State& state) {
    QImage image(SurfaceSize, SurfaceSize, QImage::Format_RGB32);
    image.fill(qRgb(192, 192, 192));
    QPainter painter(&image);
    painter.setPen(QColor(0, 255, 255));
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (auto _ : state) {
        painter.drawLine(5, 5, 305, 300);
        painter.drawLine(5, 5, 305, 300);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_QPainterXorLineAcrossTheArea);

}  // namespace

BENCHMARK_MAIN();
