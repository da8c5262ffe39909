#!/usr/bin/env bash
# Installs from Debian's packages whatever the build, the program and the tests need and the
# machine lacks. Does nothing (and needs no network) when everything is already there.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    ccache                   # compilations kept from one build to the next
    libwxgtk3.2-dev libgtk-3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth
    openbox                  # a window manager with frames, for the window geometry tests
    xfce4-settings dbus-daemon  # a clipboard manager (xfsettingsd) under a bus of its own
    wamerican
    unicode-data
    gettext                  # the message template and catalogs
    locales                  # the Japanese locale of the translation tests
    fonts-ipafont-gothic     # Japanese text on screen
    wx3.2-i18n               # the toolkit's own texts in other languages
    dpkg-dev                 # the Debian package's library dependencies
    desktop-file-utils appstream  # validators of the desktop entry and the metainfo
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The program speaks Japanese; the tests start it in a Japanese locale, and in a French one,
# a language the program has no catalog for.
for wanted in ja_JP fr_FR; do
    if ! locale -a 2>/dev/null | grep -qix "$wanted.utf8"; then
        echo "Making the locale $wanted.UTF-8"
        "${sudo[@]}" sed -i "s/^# *$wanted.UTF-8 UTF-8/$wanted.UTF-8 UTF-8/" /etc/locale.gen
        grep -qx "$wanted.UTF-8 UTF-8" /etc/locale.gen ||
            echo "$wanted.UTF-8 UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
        "${sudo[@]}" locale-gen >/dev/null
    fi
done
