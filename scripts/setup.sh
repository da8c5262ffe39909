#!/usr/bin/env bash
# Installs from Debian's packages whatever the build, the program and the tests need and the
# machine lacks. Does nothing (and needs no network) when everything is already there.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    libwxgtk3.2-dev libgtk-3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth
    xfce4-settings dbus-daemon  # a clipboard manager (xfsettingsd) under a bus of its own
    wamerican
    unicode-data
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
