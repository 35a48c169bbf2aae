#include "model/host_probe.h"

bool hostIsRunning(HostProbe& probe) {
    const WindowId main = probe.findTopLevelWindow(HostMainWindowClass);
    if (main == NoWindow) {
        return false;
    }
    const WindowId documentArea = probe.findChildWindow(main, HostDocumentAreaClass);
    if (documentArea == NoWindow) {
        return false;
    }
    return probe.findChildWindow(documentArea, HostDocumentWindowClass) != NoWindow;
}
