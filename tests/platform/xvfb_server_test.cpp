#ifdef GLYPH_HAVE_XCB

#include "support/xvfb_server.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// Whether a new client gets through connection set-up and one round trip.
bool served(const std::string& display) {
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    bool ok = xcb_connection_has_error(connection) == 0;
    if (ok) {
        void* reply =
            xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
        ok = reply != nullptr;
        std::free(reply);
    }
    xcb_disconnect(connection);
    return ok;
}

TEST(XvfbServer, ServesClientsThatConnectRightAfterTheLastOneLeft) {
    // The tests of one suite share a server, and each connects just after the one before it
    // has gone: the server must not be resetting at that moment.
    XvfbServer server;
    if (server.display().empty()) {
        GTEST_SKIP() << "Xvfb could not be started";
    }
    int refused = 0;
    for (int i = 0; i < 300; ++i) {
        refused += served(server.display()) ? 0 : 1;
    }
    EXPECT_EQ(refused, 0);
}

TEST(XvfbServer, EachServerHasADisplayOfItsOwn) {
    const XvfbServer first;
    const XvfbServer second;
    if (first.display().empty() || second.display().empty()) {
        GTEST_SKIP() << "Xvfb could not be started";
    }
    EXPECT_NE(first.display(), second.display());
    EXPECT_TRUE(served(first.display()));
    EXPECT_TRUE(served(second.display()));
}

}  // namespace

#endif
