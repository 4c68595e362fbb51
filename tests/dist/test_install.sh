#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a person would meet:
# - the installed program finds its files in <prefix>/share/scrivolt and keeps the person
#   files and settings in the person's own folders, writing nothing under the prefix;
# - a copy of the program folder that can be written keeps everything beside the executable;
# - the menu entry and the AppStream metadata pass their validators (when installed).
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" > /dev/null
for f in bin/sv_wf share/scrivolt/wf.wl share/scrivolt/wf.bk share/scrivolt/wf.qs share/scrivolt/wf.qid share/scrivolt/portion.ini \
         share/scrivolt/tips.txt share/scrivolt/help/index.html share/scrivolt/Sounds/buzz.wav \
         share/scrivolt/source/portion.yaml share/scrivolt/source/questions/galatians.yaml \
         share/applications/org.scrivolt.Scrivolt.desktop share/metainfo/org.scrivolt.Scrivolt.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.scrivolt.Scrivolt.svg \
         share/icons/hicolor/48x48/apps/org.scrivolt.Scrivolt.png; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
[ ! -e "$prefix/share/scrivolt/Users" ] || fail "a Users folder was installed"
ls "$prefix/share/scrivolt/source/text/"*.txt > /dev/null 2>&1 || fail "the scripture text of the sources was not installed"

snapshot() { (cd "$prefix" && find . -printf '%p %s %T@\n' | sort); }
before=$(snapshot)
home=$tmp/home
mkdir -p "$home"
# Asked in a terminal: no display, no platform plugin chosen.
out=$(env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" \
  "$prefix/bin/sv_wf" --paths 2>&1) || fail "installed program: $out"
echo "$out"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/sv_wf" --version 2>&1) || fail "version: $version"
grep -qx "The Scrivolt [0-9.]*" <<<"$version" || fail "no version: $version"
grep -qx "Program files: $prefix/share/scrivolt/" <<<"$out" || fail "program files not found in share"
grep -qx "Person files: $home/.local/share/scrivolt/Users/" <<<"$out" || fail "person files not in the home folder"
grep -qx "Settings: $home/.config/scrivolt/settings.ini" <<<"$out" || fail "settings not in the home folder"
[ -d "$home/.local/share/scrivolt/Users" ] || fail "no Users folder made in the home folder"
[ "$before" = "$(snapshot)" ] || fail "the installed program wrote under the prefix"

# A portable copy: the program folder beside the executable, writable.
portable=$tmp/portable
mkdir -p "$portable"
cp -r "$prefix/share/scrivolt/." "$portable/"
cp "$prefix/bin/sv_wf" "$portable/"
out=$(HOME="$home" "$portable/sv_wf" --paths) || fail "portable program: $out"
grep -qx "Person files: $portable/Users/" <<<"$out" || fail "portable copy does not keep its Users folder"
[ -d "$portable/Users" ] || fail "no Users folder in the portable copy"

if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$prefix/share/applications/org.scrivolt.Scrivolt.desktop"
fi
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.scrivolt.Scrivolt.metainfo.xml" > /dev/null
fi
echo "install tree: ok"
