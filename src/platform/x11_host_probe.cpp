#include "platform/x11_host_probe.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Bounds one search on a crowded or hostile display.
constexpr size_t MaxWindowsSearched = 100000;
// WM_CLASS values longer than this (in 32-bit units) are read only in part.
constexpr uint32_t MaxWmClassLength = 256;

bool sameClassName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

}  // namespace

std::string_view windowClassOf(std::string_view wmClass) {
    const size_t end = wmClass.find('\0');
    if (end == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = wmClass.substr(end + 1);
    return rest.substr(0, rest.find('\0'));
}

X11HostProbe::X11HostProbe(std::string displayName) : displayName_(std::move(displayName)) {}

X11HostProbe::~X11HostProbe() {
    if (connection_ != nullptr) {
        xcb_disconnect(connection_);
    }
}

bool X11HostProbe::isConnected() {
    if (connection_ != nullptr && xcb_connection_has_error(connection_) == 0) {
        return true;
    }
    if (connection_ != nullptr) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
    }
    const char* name = displayName_.empty() ? std::getenv("DISPLAY") : displayName_.c_str();
    if (name == nullptr || *name == '\0') {
        return false;
    }
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(name, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return false;
    }
    xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screen.rem > 0; ++i) {
        xcb_screen_next(&screen);
    }
    if (screen.rem == 0) {
        xcb_disconnect(connection);
        return false;
    }
    connection_ = connection;
    root_ = screen.data->root;
    return true;
}

WindowId X11HostProbe::findTopLevelWindow(std::string_view className) {
    if (!isConnected()) {
        return NoWindow;
    }
    return findBelow(root_, className);
}

WindowId X11HostProbe::findChildWindow(WindowId parent, std::string_view className) {
    if (parent == NoWindow || parent > UINT32_MAX || !isConnected()) {
        return NoWindow;
    }
    return findBelow(static_cast<uint32_t>(parent), className);
}

// Breadth first, one level at a time, each level's requests sent together before the first
// reply is awaited, so a search costs a few round trips per level rather than per window.
WindowId X11HostProbe::findBelow(uint32_t top, std::string_view className) {
    std::vector<xcb_window_t> level{top};
    size_t searched = 0;
    while (!level.empty() && searched < MaxWindowsSearched) {
        std::vector<xcb_query_tree_cookie_t> trees;
        trees.reserve(level.size());
        for (xcb_window_t window : level) {
            trees.push_back(xcb_query_tree(connection_, window));
        }
        std::vector<xcb_window_t> children;
        for (xcb_query_tree_cookie_t cookie : trees) {
            xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection_, cookie, nullptr);
            if (tree == nullptr) {
                continue;  // the window went away meanwhile
            }
            const xcb_window_t* list = xcb_query_tree_children(tree);
            const int count = xcb_query_tree_children_length(tree);
            const size_t room = MaxWindowsSearched - std::min(MaxWindowsSearched, searched);
            const size_t taken = std::min<size_t>(static_cast<size_t>(count), room);
            children.insert(children.end(), list, list + taken);
            searched += taken;
            std::free(tree);
        }
        std::vector<xcb_get_property_cookie_t> classes;
        classes.reserve(children.size());
        for (xcb_window_t window : children) {
            classes.push_back(xcb_get_property(connection_, 0, window, XCB_ATOM_WM_CLASS,
                                               XCB_ATOM_STRING, 0, MaxWmClassLength));
        }
        WindowId found = NoWindow;
        for (size_t i = 0; i < classes.size(); ++i) {
            xcb_get_property_reply_t* property =
                xcb_get_property_reply(connection_, classes[i], nullptr);
            if (property == nullptr) {
                continue;
            }
            const auto* bytes = static_cast<const char*>(xcb_get_property_value(property));
            const int length = xcb_get_property_value_length(property);
            const std::string_view value(bytes, static_cast<size_t>(std::max(length, 0)));
            if (found == NoWindow && sameClassName(windowClassOf(value), className)) {
                found = children[i];
            }
            std::free(property);
        }
        if (found != NoWindow) {
            return found;
        }
        level = std::move(children);
    }
    return NoWindow;
}
