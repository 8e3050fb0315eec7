# Debian packages the build, the tests and the run command need; sourced by scripts/run and
# scripts/test. Installs them when missing (as root), otherwise prints the one line to run.
MORVANE_PACKAGES="cmake ninja-build g++ qt6-base-dev qt6-serialport-dev libgl-dev xvfb xauth fonts-wqy-microhei qt6-translations-l10n qt6-l10n-tools qt6-tools-dev"
# What scripts/package needs to build the Debian package and check it as Debian does.
MORVANE_PACKAGE_TOOLS="dpkg-dev file gzip help2man lintian desktop-file-utils appstream"

morvane_install_deps() {
    local missing=""
    for p in $MORVANE_PACKAGES "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing:$missing"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq && apt-get install -y -qq --no-install-recommends $missing >/dev/null || {
            echo "apt-get install failed for:$missing" >&2
            return 1
        }
    else
        echo "Missing packages. Run this once, then try again:"
        echo "  sudo apt-get install$missing"
        return 1
    fi
}
