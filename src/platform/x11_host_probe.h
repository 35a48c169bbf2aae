#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/host_probe.h"

struct xcb_connection_t;

// Finds windows on an X display by the class part of their WM_CLASS property, compared
// without regard to case as window class names are. A window manager puts each top-level
// window into a frame of its own, so the top-level search covers the whole window tree, the
// shallowest match first; the child search covers all descendants of the parent.
class X11HostProbe final : public HostProbe {
  public:
    // The display by name (":1"), or the one DISPLAY names when empty. Without a display every
    // lookup finds nothing; a lost connection is made again at the next lookup.
    explicit X11HostProbe(std::string displayName = {});
    ~X11HostProbe() override;
    X11HostProbe(const X11HostProbe&) = delete;
    X11HostProbe& operator=(const X11HostProbe&) = delete;

    bool isConnected();
    WindowId findTopLevelWindow(std::string_view className) override;
    WindowId findChildWindow(WindowId parent, std::string_view className) override;

  private:
    WindowId findBelow(uint32_t top, std::string_view className);

    std::string displayName_;
    xcb_connection_t* connection_ = nullptr;
    uint32_t root_ = 0;
};

// The class part of a WM_CLASS value (instance name, NUL, class name, NUL); empty when the
// value holds no class part.
std::string_view windowClassOf(std::string_view wmClass);
