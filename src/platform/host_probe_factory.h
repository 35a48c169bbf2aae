#pragma once

#include <memory>

#include "model/host_probe.h"

// The probe for the platform the editor runs on: the X display's window tree on Linux;
// a probe that finds nothing where there is no desktop to look at (the offscreen and minimal
// Qt platforms) or no lookup for the platform.
std::unique_ptr<HostProbe> createHostProbe();
