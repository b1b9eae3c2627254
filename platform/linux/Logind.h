#pragma once

#include "platform/Platform.h"

// Log-off and power requests to systemd-logind on the system bus.
namespace logind {

// Sends the request and waits for logind's answer; false when it refuses or cannot be
// reached. Power requests are interactive, so the desktop may ask for a password.
bool endSession(SessionEnd request);

} // namespace logind
