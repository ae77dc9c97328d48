#!/usr/bin/env bash
# Builds the Debian package, installs it, starts the installed program on a
# virtual X server, waits for its window and removes the package again.
#
#   package-test.sh <build-dir> <project-version>
#
# As root, with no velmorra package installed, the package really goes into
# the system with dpkg -i (which checks its dependencies against what is
# installed, without fetching anything) and is purged afterwards, also when
# a step fails. Otherwise it is unpacked into a scratch root with dpkg -x and
# its dependencies are only checked for presence.
set -euo pipefail

build=$(cd "$1" && pwd)
version=$2
title="Velmorra - by Quindrel"
app_id="io.github.quindrel.Velmorra"
# Left behind only if this script is killed between install and purge: the
# next run then knows the installed package is its own and removes it.
marker=/var/tmp/velmorra-package-test.installed

source "$(dirname "${BASH_SOURCE[0]}")/../support/xsession.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/velmorra-pkg.XXXXXX")
installed_here=0

# Runs dpkg, waiting while another package manager holds its lock.
run_dpkg() {
    local i out
    for ((i = 0; i < 60; i++)); do
        if out=$(DEBIAN_FRONTEND=noninteractive timeout 300 dpkg "$@" 2>&1); then
            echo "$out"
            return 0
        fi
        grep -qiE 'frontend lock|database is locked|locked by another process' <<<"$out" || { echo "$out" >&2; return 1; }
        sleep 5
    done
    echo "$out" >&2
    return 1
}

purge_package() {
    echo "--- removing the package"
    run_dpkg --purge velmorra
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

echo "--- building the package"
rm -f "$build"/packages/velmorra_*.deb
timeout 600 cpack --config "$build/CPackConfig.cmake" -B "$build/packages" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; xs_fail "cpack failed"; }
debs=("$build"/packages/velmorra_*.deb)
((${#debs[@]} == 1)) && [[ -f ${debs[0]} ]] || xs_fail "expected one velmorra .deb in $build/packages"
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
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    [[ $depends =~ (^|, )$lib( |,|$) ]] || xs_fail "Depends lacks $lib: $depends"
done
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
    echo "--- installing with dpkg -i"
    touch "$marker"
    installed_here=1
    run_dpkg -i "$deb"
    [[ $(package_state) == installed ]] || xs_fail "package state after install: $(package_state)"
    root=""
else
    echo "--- not root or velmorra already installed: unpacking into a scratch root"
    root="$work/root"
    dpkg -x "$deb" "$root"
    # Package names only: drop version constraints; any alternative counts.
    for dep in $(sed 's/([^)]*)//g; s/[,|]/ /g' <<<"$depends"); do
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
