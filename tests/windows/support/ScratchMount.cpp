// Windows has no file system to mount over a folder for a test: the tests that need a full
// or read-only disk are skipped there.
#include "ScratchMount.h"

ScratchMount::ScratchMount(const QString& folder, const QString& /*options*/)
    : folder_(folder) {}

ScratchMount::~ScratchMount() = default;

void ScratchMount::fill() const {}
