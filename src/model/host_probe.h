#pragma once

#include <cstdint>
#include <string_view>

// The host's window classes: its main window, its document area and a document window.
inline constexpr std::string_view HostMainWindowClass = "Veltrax_Norwind_Class";
inline constexpr std::string_view HostDocumentAreaClass = "MDIClient";
inline constexpr std::string_view HostDocumentWindowClass = "Afx:400000:b:14fe:6:1177";

// A window of the windowing system; NoWindow when none was found.
using WindowId = uint64_t;
inline constexpr WindowId NoWindow = 0;

// Looks for other programs' windows by their window class name.
class HostProbe {
  public:
    virtual ~HostProbe() = default;
    virtual WindowId findTopLevelWindow(std::string_view className) = 0;
    // A window of the class among the children of parent.
    virtual WindowId findChildWindow(WindowId parent, std::string_view className) = 0;
};

// Whether the host runs with a project open: its main window holds a document area that holds
// a document window.
bool hostIsRunning(HostProbe& probe);
