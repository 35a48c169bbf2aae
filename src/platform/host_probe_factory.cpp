#include "platform/host_probe_factory.h"

#include <QGuiApplication>
#include <QString>

#ifdef GLYPH_HAVE_XCB
#include "platform/x11_host_probe.h"
#endif

namespace {

class NoHostProbe final : public HostProbe {
  public:
    WindowId findTopLevelWindow(std::string_view) override { return NoWindow; }
    WindowId findChildWindow(WindowId, std::string_view) override { return NoWindow; }
};

bool hasDesktop() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

std::unique_ptr<HostProbe> createHostProbe() {
#ifdef GLYPH_HAVE_XCB
    if (hasDesktop()) {
        return std::make_unique<X11HostProbe>();
    }
#endif
    return std::make_unique<NoHostProbe>();
}
