#ifdef GLYPH_HAVE_XCB

#include "platform/x11_host_probe.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <string>
#include <vector>

#include "platform/host_probe_factory.h"
#include "support/xvfb_server.h"

namespace {

using namespace std::string_literals;

class X11HostProbeTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { server = new XvfbServer; }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }

    void SetUp() override {
        if (server->display().empty()) {
            GTEST_SKIP() << "Xvfb could not be started";
        }
        connection = xcb_connect(server->display().c_str(), nullptr);
        ASSERT_EQ(xcb_connection_has_error(connection), 0);
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    }
    void TearDown() override {
        if (connection == nullptr) {
            return;
        }
        for (xcb_window_t window : created) {
            xcb_destroy_window(connection, window);
        }
        sync();
        xcb_disconnect(connection);
    }

    // A window below parent whose WM_CLASS holds exactly the given bytes.
    xcb_window_t windowWithWmClass(xcb_window_t parent, const std::string& wmClass) {
        const xcb_window_t window = xcb_generate_id(connection);
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, parent, 0, 0, 50, 50, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLASS,
                            XCB_ATOM_STRING, 8, static_cast<uint32_t>(wmClass.size()),
                            wmClass.data());
        if (parent == root) {
            created.push_back(window);
        }
        sync();
        return window;
    }
    xcb_window_t window(xcb_window_t parent, std::string_view className) {
        return windowWithWmClass(parent, "host\0"s + std::string(className) + '\0');
    }
    // Waits until the server has handled every request sent so far.
    void sync() {
        free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }

    bool hostRunning() {
        X11HostProbe probe(server->display());
        return hostIsRunning(probe);
    }

    static XvfbServer* server;
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    std::vector<xcb_window_t> created;
};

XvfbServer* X11HostProbeTest::server = nullptr;

TEST_F(X11HostProbeTest, HostRunsOnlyWithMainWindowDocumentAreaAndDocumentWindow) {
    EXPECT_FALSE(hostRunning());
    const xcb_window_t main = window(root, HostMainWindowClass);
    EXPECT_FALSE(hostRunning());
    const xcb_window_t area = window(main, HostDocumentAreaClass);
    EXPECT_FALSE(hostRunning());
    window(area, HostDocumentWindowClass);
    EXPECT_TRUE(hostRunning());
}

TEST_F(X11HostProbeTest, DocumentWindowOutsideTheDocumentAreaDoesNotCount) {
    const xcb_window_t main = window(root, HostMainWindowClass);
    window(main, HostDocumentAreaClass);
    window(main, HostDocumentWindowClass);
    window(root, HostDocumentWindowClass);
    EXPECT_FALSE(hostRunning());
}

TEST_F(X11HostProbeTest, WindowsAreFoundInsideWindowManagerFramesAndNestedPanels) {
    const xcb_window_t frame = window(root, "Frame");
    const xcb_window_t main = window(frame, HostMainWindowClass);
    const xcb_window_t panel = window(main, "Panel");
    const xcb_window_t area = window(panel, HostDocumentAreaClass);
    window(window(area, "Splitter"), HostDocumentWindowClass);
    EXPECT_TRUE(hostRunning());

    X11HostProbe probe(server->display());
    EXPECT_EQ(probe.findTopLevelWindow(HostMainWindowClass), main);
    EXPECT_EQ(probe.findChildWindow(main, HostDocumentAreaClass), area);
    EXPECT_EQ(probe.findChildWindow(area, HostMainWindowClass), NoWindow);
}

TEST_F(X11HostProbeTest, ClassNamesMatchWithoutCaseAndOddWmClassValuesAreSkipped) {
    X11HostProbe probe(server->display());
    windowWithWmClass(root, std::string(HostMainWindowClass));  // instance part only
    windowWithWmClass(root, "");
    windowWithWmClass(root, "\0\0\0"s);
    const xcb_window_t other = window(root, "veltrax_NORWIND_class");
    EXPECT_EQ(probe.findTopLevelWindow(HostMainWindowClass), other);
    EXPECT_EQ(probe.findTopLevelWindow("Veltrax_Norwind"), NoWindow);
}

TEST_F(X11HostProbeTest, NoDisplayAndUnknownParentsFindNothing) {
    X11HostProbe nowhere(":9999");
    EXPECT_FALSE(nowhere.isConnected());
    EXPECT_FALSE(hostIsRunning(nowhere));
    EXPECT_EQ(nowhere.findChildWindow(12345, HostDocumentAreaClass), NoWindow);

    X11HostProbe probe(server->display());
    EXPECT_EQ(probe.findChildWindow(NoWindow, HostDocumentAreaClass), NoWindow);
    EXPECT_EQ(probe.findChildWindow(0x7fffffffu, HostDocumentAreaClass), NoWindow);
    EXPECT_EQ(probe.findChildWindow(uint64_t(1) << 40, HostDocumentAreaClass), NoWindow);
    EXPECT_TRUE(probe.isConnected());
}

TEST(WindowClassOf, TakesTheSecondNulTerminatedString) {
    EXPECT_EQ(windowClassOf("inst\0Class\0"s), "Class");
    EXPECT_EQ(windowClassOf("inst\0Class"s), "Class");
    EXPECT_EQ(windowClassOf("inst"), "");
    EXPECT_EQ(windowClassOf(""), "");
    EXPECT_EQ(windowClassOf("\0\0"s), "");
}

TEST(CreateHostProbe, OffscreenPlatformNeverSeesAHost) {
    // The editor on the offscreen platform looks at no display, even when one is at hand.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "probe";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
    EXPECT_FALSE(hostIsRunning(*createHostProbe()));
}

}  // namespace

#endif
