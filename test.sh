#!/usr/bin/env bash
# Builds Morvane and runs every test; exits non-zero on any failure.
# Extra arguments go to CMake; CI passes -DMORVANE_WERROR=ON so that a warning fails.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
configure_and_build -DBUILD_TESTING=ON -DMORVANE_BENCH=ON -DMORVANE_WERROR=OFF "$@"
ctest --test-dir build --output-on-failure -LE windows
