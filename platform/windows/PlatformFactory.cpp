#include "WindowsPlatform.h"

std::unique_ptr<Platform> createPlatform() {
    return std::make_unique<WindowsPlatform>();
}
