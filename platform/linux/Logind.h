#pragma once

#include "platform/Platform.h"

#include <functional>

// Log-off and power requests to systemd-logind on the system bus.
namespace logind {

// Sends the request and returns at once; answered(false) when logind refuses or cannot be
// reached. Power requests are interactive, so the desktop may ask for a password first:
// the answer comes on the window's thread, which goes on meanwhile.
void endSession(SessionEnd request, std::function<void(bool accepted)> answered);

} // namespace logind
