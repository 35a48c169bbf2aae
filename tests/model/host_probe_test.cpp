#include "model/host_probe.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace {

// Windows as (parent, class) -> id; the root's children are the top-level windows.
class FakeHostProbe : public HostProbe {
  public:
    WindowId add(WindowId parent, std::string className) {
        const WindowId id = ++last_;
        windows_[{parent, std::move(className)}] = id;
        return id;
    }
    WindowId findTopLevelWindow(std::string_view className) override {
        return findChildWindow(NoWindow, className);
    }
    WindowId findChildWindow(WindowId parent, std::string_view className) override {
        const auto found = windows_.find({parent, std::string(className)});
        return found == windows_.end() ? NoWindow : found->second;
    }

  private:
    std::map<std::pair<WindowId, std::string>, WindowId> windows_;
    WindowId last_ = NoWindow;
};

TEST(HostIsRunning, NeedsTheMainWindowItsDocumentAreaAndADocumentWindowInThatChain) {
    FakeHostProbe probe;
    EXPECT_FALSE(hostIsRunning(probe));
    const WindowId main = probe.add(NoWindow, std::string(HostMainWindowClass));
    EXPECT_FALSE(hostIsRunning(probe));
    // A document window that is not inside the document area does not count.
    probe.add(main, std::string(HostDocumentWindowClass));
    EXPECT_FALSE(hostIsRunning(probe));
    const WindowId area = probe.add(main, std::string(HostDocumentAreaClass));
    EXPECT_FALSE(hostIsRunning(probe));
    probe.add(area, std::string(HostDocumentWindowClass));
    EXPECT_TRUE(hostIsRunning(probe));
}

}  // namespace
