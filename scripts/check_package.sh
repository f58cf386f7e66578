#!/usr/bin/env bash
# Builds the Debian package from the Release build (build-release/, shared with run.sh),
# unpacks it into a scratch root, checks what it installs with the desktop's validators,
# runs lintian on it (any error or warning not overridden fails), and starts the installed
# Brannock offscreen to its first frame, in installed mode.
# Run by test.sh; leaves the package in build-release/.
set -euo pipefail
cd "$(dirname "$0")/.."
EXTRA_PACKAGES=(desktop-file-utils appstream dpkg-dev file lintian)
source scripts/release_build.sh

fail() { echo "check_package: $*" >&2; exit 1; }

(cd "$BUILD_DIR" && rm -f brannock_*.deb && cpack -G DEB >/dev/null) || fail "cpack -G DEB failed"
debs=("$BUILD_DIR"/brannock_*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single brannock_<version>_<arch>.deb in $BUILD_DIR"
deb=${debs[0]}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg -x "$deb" "$root"

# What the package says about itself: the version of the project and the dependencies
# that dpkg-shlibdeps found in the programs.
version=$(sed -n 's/^project(Brannock VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries"
# The menus use Qt's private headers: the package names the one Qt it runs with.
dpkg-deb -f "$deb" Depends | grep -q 'qt6-base-abi (= ' || fail "Depends lacks the Qt build the program was made for"

# Debian's own checks; tags the package shows by design are overridden in
# usr/share/lintian/overrides/brannock, each with its reason.
lintian --fail-on error,warning "$deb" >&2 || fail "lintian reports errors or warnings (above)"

for file in usr/bin/Brannock usr/bin/Primewell \
            "usr/share/brannock/Skins/6.0 GOLD/back.bmp" usr/share/brannock/Skins/Steel/sysicon.ico \
            usr/share/man/man1/Brannock.1.gz usr/share/man/man1/Primewell.1.gz \
            usr/share/doc/brannock/copyright usr/share/doc/brannock/changelog.gz; do
    [ -f "$root/$file" ] && [ ! -L "$root/$file" ] || fail "the package lacks /$file"
done
# The usual lower-case command names and their manual pages, as links beside the real ones.
for link in usr/bin/brannock:Brannock usr/bin/primewell:Primewell \
            usr/share/man/man1/brannock.1.gz:Brannock.1.gz usr/share/man/man1/primewell.1.gz:Primewell.1.gz; do
    [ "$(readlink "$root/${link%%:*}")" = "${link#*:}" ] || fail "/${link%%:*} is not a link to ${link#*:}"
done
# Compressed as Debian does it: gzip -9 with no name or time stored (reproducible).
for file in "$root"/usr/share/man/man1/[BP]*.1.gz "$root"/usr/share/doc/brannock/changelog.gz; do
    [ "$(od -An -tu1 -j3 -N6 "$file" | tr -s ' ')" = " 0 0 0 0 0 2" ] || fail "$file is not made with gzip -9n"
done
# The copyright in Debian's machine-readable form, naming the licence Debian ships.
head -1 "$root/usr/share/doc/brannock/copyright" \
    | grep -qxF "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
    || fail "copyright is not in the machine-readable format"
grep -qxF "License: GPL-3.0-or-later" "$root/usr/share/doc/brannock/copyright" || fail "copyright names no licence"
grep -qF "/usr/share/common-licenses/GPL-3" "$root/usr/share/doc/brannock/copyright" || fail "copyright does not point to GPL-3"
# The changelog's newest entry is this version; the metainfo lists this version's release.
zcat "$root/usr/share/doc/brannock/changelog.gz" >"$scratch/changelog"
[ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)" = "$version" ] || fail "changelog does not start with $version"
grep -qF "<release version=\"$version\" date=" "$root"/usr/share/metainfo/org.brannock.Brannock.metainfo.xml \
    || fail "metainfo lists no release $version"
! grep -qi "example\.\(org\|com\)" "$root"/usr/share/metainfo/*.xml || fail "metainfo holds a placeholder address"
# The icons: drawn once as SVG, every size rendered from it at that size.
for id in org.brannock.Brannock org.brannock.Primewell; do
    grep -q "<svg" "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" || fail "no scalable icon $id"
    for size in 16 32 48 64 128 256; do
        file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -qF "PNG image data, $size x $size," \
            || fail "no ${size}px icon $id"
    done
done
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null \
    || appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >&2 || fail "metainfo is not valid"
for page in "$root"/usr/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
done

# The installed programs, as a player starts them: no settings, an empty home.
home=$scratch/home
mkdir -p "$home"
# Whether the installed Brannock paints its first frame is seen through brannock_first_frame,
# the same program ending at that frame, put beside the installed one (where it finds the same
# looks); the installed program carries no such hook.
cmake --build "$BUILD_DIR" --target brannock_first_frame >/dev/null || fail "cannot build brannock_first_frame"
cp "$BUILD_DIR/bin/brannock_first_frame" "$root/usr/bin/"
run_installed() {
    (cd "$home" && env QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        WINEPREFIX="$home/no-prefix" timeout 60 "$root/usr/bin/$@")
}
help=$(run_installed Brannock --help) || fail "installed Brannock --help failed"
grep -qx "Mode: installed.*" <<<"$help" || fail "installed Brannock is not in installed mode: $help"
grep -qxF "Work files: $home/data/Brannock" <<<"$help" || fail "installed work folder is wrong: $help"
grep -A1 -xF "Looks: $home/data/Brannock/Skins" <<<"$help" | grep -qxF "  then $root/usr/share/brannock/Skins" \
    || fail "installed looks are not searched in the user folder, then the shipped one: $help"
[ "$(run_installed Primewell --version)" = "Primewell $version" ] || fail "installed Primewell --version is wrong"
[ "$(run_installed primewell --version)" = "Primewell $version" ] || fail "installed primewell (lower case) does not start Primewell"
[ "$(run_installed brannock --version)" = "Brannock $version" ] || fail "installed brannock (lower case) does not start Brannock"
# With the gold look chosen, as Primewell stores it: the look is found among the shipped
# ones (a look that is not found stops the start with a box instead of the first frame).
mkdir -p "$home/config/Brannock"
printf '[Skin]\nUse=Yes\nPath=Skins\\\\6.0 GOLD\\\\\n' >"$home/config/Brannock/Brannock.conf"
run_installed brannock_first_frame || fail "installed Brannock did not paint its first frame"
# Started from its desktop entry (no working folder of its own: the home folder), Brannock
# makes the per-user tools folder, where the script's search finds the game's tools, and
# --help names it.
entry="$root/usr/share/applications/org.brannock.Brannock.desktop"
! grep -q '^Path=' "$entry" || fail "the desktop entry sets a working folder"
read -r -a exec_line <<<"$(sed -n 's/^Exec=//p' "$entry" | sed 's/ %[fFuUick]//g')"
rm -rf "$home/data/Brannock/Tools"
[ -x "$root/usr/bin/${exec_line[0]}" ] || fail "the desktop entry's command ${exec_line[0]} is not installed"
run_installed brannock_first_frame "${exec_line[@]:1}" || fail "Brannock did not start from its desktop entry's command"
[ -d "$home/data/Brannock/Tools" ] || fail "started from its desktop entry, Brannock made no tools folder"
run_installed "${exec_line[@]}" --help | grep -qF "$home/data/Brannock/Tools" || fail "--help does not name the tools folder"

echo "Package $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB, $(dpkg-deb -c "$deb" | grep -vc '/$') files; installed and started"
