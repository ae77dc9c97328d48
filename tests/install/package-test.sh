#!/usr/bin/env bash
# Builds the Debian package, installs it, starts the installed program on a
# virtual X server, waits for its window and removes the package again.
#
#   package-test.sh <build-dir> <project-version> [<package-build-dir>]
#
# With a third argument, the package that build tree made is tested instead
# of building one: a package built on one Debian release, tested on another.
#
# As root, with no velmorra package installed, the package really goes into
# the system with apt, which resolves its dependencies as this release names
# them, and is purged afterwards, also when a step fails. Otherwise it is
# unpacked into a scratch root with dpkg -x and its dependencies are only
# checked for presence.
set -euo pipefail

build=$(cd "$1" && pwd)
version=$2
package_build=$(cd "${3:-$1}" && pwd)
title="Velmorra - by Quindrel"
app_id="io.github.quindrel.Velmorra"
# Left behind only if this script is killed between install and purge: the
# next run then knows the installed package is its own and removes it.
marker=/var/tmp/velmorra-package-test.installed

source "$(dirname "${BASH_SOURCE[0]}")/../support/xsession.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/velmorra-pkg.XXXXXX")
installed_here=0

# Runs apt-get, waiting while another package manager holds its lock.
run_apt() {
    DEBIAN_FRONTEND=noninteractive timeout 600 apt-get -y -q -o DPkg::Lock::Timeout=300 "$@"
}

purge_package() {
    echo "--- removing the package"
    run_apt purge velmorra
    rm -f "$marker"
}

cleanup() {
    local rc=$?
    xs_cleanup
    if ((installed_here)); then
        purge_package || rc=1
        installed_here=0
    fi
    rm -rf "$work"
    exit $rc
}
xs_trap cleanup

package_state() {
    dpkg-query -W -f='${db:Status-Status}' velmorra 2>/dev/null || true
}

if [[ $package_build == "$build" ]]; then
    echo "--- building the package"
    rm -f "$build"/packages/velmorra_*.deb
    timeout 600 cpack --config "$build/CPackConfig.cmake" -B "$build/packages" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log" >&2; xs_fail "cpack failed"; }
else
    echo "--- testing the package built in $package_build"
fi
debs=("$package_build"/packages/velmorra_*.deb)
((${#debs[@]} == 1)) && [[ -f ${debs[0]} ]] || xs_fail "expected one velmorra .deb in $package_build/packages"
deb=${debs[0]}
dpkg-deb -I "$deb"
dpkg-deb -c "$deb"

# The package must carry the program and its desktop files, and its
# dependencies must come from the binary, not only from the fixed list.
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/velmorra \
         "./usr/share/applications/$app_id.desktop" \
         "./usr/share/metainfo/$app_id.metainfo.xml" \
         "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"; do
    grep -qF " $f" <<<"$contents" || xs_fail "package lacks $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
# Package names only: drop version constraints; any alternative counts.
dep_names=$(sed 's/([^)]*)//g; s/[,|]/\n/g' <<<"$depends" | tr -d ' ')
# The packages that hold the program's libraries on this release, each with
# the names it provides: Debian 13's libqt6core6t64 provides libqt6core6,
# the name Debian 12 gives it.
names_of_library() {
    local owner
    owner=$(dpkg -S "*/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/$1" 2>/dev/null |
        sed -n "s/^\([^:]*\):$(dpkg --print-architecture): .*/\1/p" | head -1)
    [[ -n $owner ]] || xs_fail "no package here holds $1"
    echo "$owner"
    dpkg-query -W -f='${Provides}' "$owner" | sed 's/([^)]*)//g; s/,/\n/g' | tr -d ' '
}
for lib in libc.so.6 libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6; do
    names=$(names_of_library "$lib")
    grep -qxFf <(grep . <<<"$names") <<<"$dep_names" ||
        xs_fail "Depends names none of $(tr '\n' ' ' <<<"$names")for $lib: $depends"
done
grep -qx qt6-qpa-plugins <<<"$dep_names" || xs_fail "Depends lacks qt6-qpa-plugins: $depends"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] ||
    xs_fail "package version $(dpkg-deb -f "$deb" Version) is not the project version $version"

if [[ $(id -u) -eq 0 ]]; then
    # One run at a time per machine: runs from other build trees wait here.
    exec 9>/var/tmp/velmorra-package-test.lock
    flock -w 900 9 || xs_fail "another package test holds the lock"
fi
if [[ $(id -u) -eq 0 && -f $marker && $(package_state) != not-installed && -n $(package_state) ]]; then
    echo "--- removing the package a killed earlier run left installed"
    purge_package
fi

if [[ $(id -u) -eq 0 && ( -z $(package_state) || $(package_state) == not-installed ) ]]; then
    echo "--- installing with apt"
    touch "$marker"
    installed_here=1
    run_apt install --no-install-recommends "$deb"
    [[ $(package_state) == installed ]] || xs_fail "package state after install: $(package_state)"
    root=""
else
    echo "--- not root or velmorra already installed: unpacking into a scratch root"
    root="$work/root"
    dpkg -x "$deb" "$root"
    for dep in $dep_names; do
        dpkg-query -W -f='${db:Status-Status}' "$dep" 2>/dev/null | grep -qx installed ||
            xs_fail "dependency $dep is not installed"
    done
fi

program="$root/usr/bin/velmorra"
[[ -x $program ]] || xs_fail "no installed program at $program"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
grep -qx "Exec=velmorra" "$root/usr/share/applications/$app_id.desktop" ||
    xs_fail "desktop entry does not start velmorra"

echo "--- starting $program"
xs_start_server
xs_start_app "$program"
xs_find_window "$title"
echo "window $XS_WIN of pid $XS_APP_PID is shown"
xs_alive
xs_cleanup

if ((installed_here)); then
    purge_package
    installed_here=0
    [[ $(package_state) == not-installed || -z $(package_state) ]] ||
        xs_fail "package state after purge: $(package_state)"
    for f in /usr/bin/velmorra "/usr/share/applications/$app_id.desktop" \
             "/usr/share/metainfo/$app_id.metainfo.xml" \
             "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"; do
        [[ ! -e $f ]] || xs_fail "$f is still there after purge"
    done
fi
if [[ -n $root ]]; then
    echo "package unpacked and started: $deb ($(stat -c %s "$deb") bytes)"
else
    echo "package installed, started and removed cleanly: $deb ($(stat -c %s "$deb") bytes)"
fi
