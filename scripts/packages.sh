# Installs the Debian packages Morvane needs that this machine lacks.
# Sourced by run.sh and test.sh: ensure_packages PACKAGE...

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins
    qt6-translations-l10n fonts-ipafont-gothic libpulse0 libglib2.0-dev adwaita-icon-theme
    gsettings-desktop-schemas libxcb1-dev)
TEST_PACKAGES=(libgtest-dev libbenchmark-dev xvfb xdotool x11-utils imagemagick faketime
    pulseaudio pulseaudio-utils sox procps util-linux python3 desktop-file-utils fonts-dejavu-core
    python3-pyatspi at-spi2-core dbus-x11 dbus python3-dbusmock
    openbox weston sway xwayland x11-apps x11-xserver-utils qt6-wayland ibus ibus-anthy libglib2.0-bin)
# What ./package.sh needs to make the Debian package and check it.
PACKAGE_PACKAGES=(dpkg-dev file binutils lintian appstream desktop-file-utils)

ensure_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "必要なパッケージをインストールします: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# configure_and_build [CMAKE_OPTION...]: the program alone, or with what the options add.
configure_and_build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build build
}

# The Windows build: MinGW-w64, Debian's Qt host tools of the same version, and Wine to test.
WINDOWS_BUILD_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix dpkg-dev perl qt6-base-dev
    qt6-base-dev-tools googletest)
WINDOWS_TEST_PACKAGES=(wine wine64 xvfb xdotool x11-utils imagemagick zip)
