#include <QApplication>
#include <QDockWidget>
#include <QFile>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>

#include "app/drawing_zoom.h"
#include "app/entry_list.h"
#include "app/library_io.h"
#include "edit_form_fixture.h"

// The zoomed drawing area in the running window: what it shows, where the pointer lands, and
// that a drawing made zoomed is the drawing made at actual size.
namespace {

class ZoomTest : public EditFormTest {
  protected:
    void startWithTree() {
        start(writeFile("three.sym", ThreeSymbols));
        box = form().widgets().symBox;
    }

    // A mouse event at a pixel of the zoomed paint box.
    void send(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), box->mapToGlobal(QPointF(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(box, &event);
    }
    void click(QPoint at) {
        send(QEvent::MouseMove, at, Qt::NoButton);
        send(QEvent::MouseButtonPress, at, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at, Qt::NoButton);
    }

    // Lines and an arc clicked at surface points, each click at `inBlock` within the point's
    // block of the current zoom; then the library saved.
    QByteArray drawAndSave(int inBlock, const QString& name) {
        const int k = form().zoom();
        const auto at = [k, inBlock](int x, int y) {
            return QPoint(x * k + inBlock, y * k + inBlock);
        };
        action(Command::EditMenu_Snap)->trigger();  // every pixel counts, not only the grid
        action(Command::tbLineBtn)->trigger();
        click(at(20, 200));
        click(at(81, 203));
        click(at(81, 260));
        action(Command::tbArcBtn)->trigger();
        click(at(140, 262));
        click(at(110, 231));
        const std::string file = path(name);
        EXPECT_TRUE(writeLibrary(form(), file));
        QFile saved(QString::fromStdString(file));
        EXPECT_TRUE(saved.open(QIODevice::ReadOnly));
        return saved.readAll();
    }

    SymBox* box = nullptr;
};

TEST_F(ZoomTest, EveryPixelOfABlockMapsBackToItsSurfacePixelAndShowsItsColour) {
    startWithTree();
    const QImage& raster = form().canvas().image();
    for (int k = MinZoom; k <= MaxZoom; ++k) {
        form().setZoom(k);
        ASSERT_EQ(box->size(), QSize(310 * k, 310 * k));
        const QImage shown = box->grab().toImage();
        for (int s : {5, 6, 140, 155, 185, 304, 305}) {
            for (int inBlock : {0, k - 1}) {
                const QPoint at(s * k + inBlock, s * k + (k - 1 - inBlock));
                send(QEvent::MouseMove, at, Qt::NoButton);
                EXPECT_EQ(form().state().rawPointerPos, (DisplayPoint{s, s}))
                    << "zoom " << k << " at " << at.x() << "," << at.y();
                EXPECT_EQ(shown.pixel(at), raster.pixel(s, s)) << "zoom " << k;
            }
        }
    }
    // The blocks of the line in Tree (140..170 on row 185) are crisp at 8 times.
    const QImage shown = box->grab().toImage();
    for (int y = 185 * 8; y < 186 * 8; ++y) {
        for (int x = 150 * 8; x < 160 * 8; ++x) {
            ASSERT_EQ(shown.pixel(x, y), raster.pixel(x / 8, y / 8)) << x << "," << y;
        }
    }
}

TEST_F(ZoomTest, TheWindowGrowsWithTheZoomScrollsBeyondTheScreenAndIsTheClassicOneAtActualSize) {
    startWithTree();
    const QSize classic = form().centralWidget()->size();
    form().setZoom(2);
    EXPECT_EQ(form().widgets().symBox->size(), QSize(620, 620));
    // The panel holds as much of the drawing as the screen leaves room for.
    const QSize shown = form().widgets().DispBox->size();
    EXPECT_GT(shown.width(), 310);
    EXPECT_EQ(form().centralWidget()->size(),
              classic + QSize(shown.width() - 310 + 12 + 16, shown.height() - 310));
    EXPECT_EQ(form().widgets().SymbList->x() - form().widgets().RightLnIndex->x(), 336 - 322 + 16);
    EXPECT_EQ(form().widgets().SymbFilter->x(), form().widgets().SymbList->x());
    EXPECT_TRUE(form().viewMenu().actualSize->isEnabled());

    form().setZoom(MaxZoom + 3);  // brought into range
    EXPECT_EQ(form().zoom(), MaxZoom);
    EXPECT_FALSE(form().viewMenu().zoomIn->isEnabled());
    const QRect screen = form().screen()->availableGeometry();
    EXPECT_LE(form().frameGeometry().width(), screen.width());
    EXPECT_LE(form().frameGeometry().height(), screen.height());
    EXPECT_GT(form().widgets().drawingScroll->verticalScrollBar()->maximum(), 0);

    form().viewMenu().actualSize->trigger();
    EXPECT_EQ(form().zoom(), 1);
    EXPECT_EQ(form().centralWidget()->size(), QSize(466, 364));
    EXPECT_EQ(form().widgets().DispBox->geometry(), QRect(12, 31, 310, 310));
    EXPECT_EQ(form().widgets().SymbFilter->geometry(), QRect(336, 48, 121, 20));
    EXPECT_EQ(form().widgets().SymbList->geometry(), QRect(336, 70, 121, 270));
    EXPECT_EQ(form().widgets().LeftLnIndex->geometry(), QRect(0, 179, 16, 16));
    EXPECT_EQ(form().widgets().RightLnIndex->geometry(), QRect(322, 179, 16, 16));
    EXPECT_FALSE(form().viewMenu().zoomOut->isEnabled());
}

TEST_F(ZoomTest, ADrawingMadeAtThreeTimesIsSavedAsTheSameDrawingMadeAtActualSize) {
    startWithTree();
    const QByteArray actualSize = drawAndSave(0, "actual.sym");
    for (int inBlock : {0, 1, 2}) {
        startWithTree();
        form().setZoom(3);
        EXPECT_EQ(drawAndSave(inBlock, "zoomed.sym"), actualSize) << "clicked at " << inBlock;
    }
}

TEST_F(ZoomTest, TheZoomAndThePanelsAreFoundAgainAfterARestart) {
    startWithTree();
    form().setZoom(4);
    auto* dock = form().findChild<QDockWidget*>("ExactValuesDock");
    dock->toggleViewAction()->trigger();
    form().viewMenu().largePictures->trigger();
    form().close();

    startWithTree();
    EXPECT_EQ(form().zoom(), 4);
    EXPECT_TRUE(form().viewMenu().largePictures->isChecked());
    EXPECT_EQ(form().entryList().pictures(), ListPictures::Large);
    EXPECT_EQ(form().widgets().symBox->width(), 4 * 310);
    EXPECT_TRUE(form().findChild<QDockWidget*>("ExactValuesDock")->isVisible());

    // Settings that make no sense give the classic window.
    writeFile("program.ini",
              "[View]\r\nZoom=99\r\nListPictures=30\r\nPanels=@Variant(\\0\\0\\0\\x7f)\r\n");
    startWithTree();
    EXPECT_EQ(form().zoom(), 1);
    EXPECT_FALSE(form().findChild<QDockWidget*>("ExactValuesDock")->isVisible());
    EXPECT_EQ(form().entryList().pictures(), ListPictures::Small);
}

TEST(DrawingZoom, TheMiddleOfABlockMapsBackToItsPixel) {
    for (int k = MinZoom; k <= MaxZoom; ++k) {
        for (int s : {0, 5, 155, 305, 309}) {
            EXPECT_EQ(surfaceCoordinate(blockMiddle(s, k), k), s);
            EXPECT_EQ(surfaceCoordinate(s * k - 0.5, k), s - 1);  // just left of the block
        }
    }
}

}  // namespace
