#!/usr/bin/env bash
# Runs a command on Debian 13 ("trixie"), in the checkout:
#
#   scripts/debian13.sh <command> [<argument>...]
#
# On a Debian 13 machine the command simply runs. Elsewhere it runs in a
# Debian 13 root kept in the cache outside the checkout, beside Qt for
# Windows: made once with debootstrap from the mirror this machine's apt
# uses, and brought up to date with apt when it is a day old. The checkout
# and the cache are bind-mounted at their own paths, in private mount and
# PID namespaces: when the command ends, nothing stays mounted and no
# process it started stays behind.
set -euo pipefail

checkout=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. /etc/os-release
if [[ ${VERSION_CODENAME:-} == trixie ]]; then
    cd "$checkout"
    exec "$@"
fi
if [[ $(id -u) -ne 0 ]]; then
    exec sudo --preserve-env=VELMORRA_CACHE,XDG_CACHE_HOME,CI "$0" "$@"
fi

cache=${VELMORRA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmorra}
root=$cache/debian13
mkdir -p "$cache"

# This machine's Debian sources, which the root takes with the release
# renamed.
sources=/etc/apt/sources.list.d/debian.sources
[[ -f $sources ]] || sources=/etc/apt/sources.list

# The command's own view: the root, with this machine's devices, the
# checkout and the cache (less the root itself) at the paths they have here.
enter() {
    mount --rbind /dev "$root/dev"
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount -t tmpfs tmpfs "$root/tmp"
    mount -t tmpfs tmpfs "$root/run"
    mkdir -p "$root$checkout" "$root$cache"
    mount --bind "$checkout" "$root$checkout"
    mount --bind "$cache" "$root$cache"
    mount -t tmpfs tmpfs "$root$cache/debian13"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    exec chroot "$root" /usr/bin/env -i \
        HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" ${CI:+CI=$CI} VELMORRA_CACHE="$cache" \
        /bin/bash -c 'cd "$0" && exec "$@"' "$checkout" "$@"
}

if [[ ${1:-} == --enter ]]; then
    shift
    enter "$@"
fi

if [[ ! -f $root/.complete ]]; then
    command -v debootstrap >/dev/null || {
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
    }
    mirror=$(grep -v '^#' "$sources" | grep -v security | grep -om1 'http[s]*://[^ ]*/debian\b')
    echo "Making a Debian 13 root in $root"
    rm -rf "$root"
    start=$SECONDS
    debootstrap --variant=minbase trixie "$root.new" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
        { tail -20 "$cache/debootstrap.log" >&2; exit 1; }
    rm -f "$root.new/etc/apt/sources.list"
    sed "s/\b$VERSION_CODENAME\b/trixie/g" "$sources" >"$root.new$sources"
    # Packages once installed need not stay in the cache.
    echo 'Binary::apt::APT::Keep-Downloaded-Packages "false";' >"$root.new/etc/apt/apt.conf.d/90velmorra-no-cache"
    mv "$root.new" "$root"
    touch "$root/.complete" "$root/.updated"
    echo "Debian 13 root made in $((SECONDS - start)) s"
fi

# The first process of the new PID namespace: when it ends, the kernel ends
# every process left in it.
in_root() {
    unshare --mount --pid --fork --kill-child --propagation private "$0" --enter "$@"
}

if [[ -n $(find "$root/.updated" -mmin +1440) ]]; then
    echo "Bringing the Debian 13 root up to date"
    in_root bash -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get full-upgrade -y -qq'
    touch "$root/.updated"
fi

in_root "$@"
