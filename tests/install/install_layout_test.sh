#!/usr/bin/env bash
# `cmake --install` into a fresh prefix: the programs answer, the manual sits where they look for it, the menu
# entry starts an installed program and names an installed icon.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "install layout: $*" >&2; exit 1; }
for f in bin/sondalog bin/sondalog-cli share/sondalog/Sondalog_help.pdf share/sondalog/Sondalog_help_en.pdf \
         share/applications/sondalog.desktop \
         share/icons/hicolor/scalable/apps/sondalog.svg share/doc/sondalog/README.md; do
  [[ -s "$prefix/$f" ]] || fail "$f missing"
done
desktop="$prefix/share/applications/sondalog.desktop"
grep -qx 'Type=Application' "$desktop" || fail "not an application entry"
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
program="${exec_line%% *}"
[[ -x "$prefix/bin/$program" ]] || fail "Exec=$exec_line is no installed program"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
[[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ]] || fail "Icon=$icon is not installed"
version="$(env -u DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --version)"
[[ "$version" == "sondalog $2 "* ]] || fail "'$program --version' said '$version'"
# The menu entry's command starts the window program, which shows its window and exits by itself.
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$prefix/home" timeout 120 "$prefix/bin/$program" \
  --screenshot "$prefix/shot.png" >/dev/null 2>&1 || fail "the installed program did not run"
[[ -s "$prefix/shot.png" ]] || fail "no window was shown"
[[ ! -e "$prefix/bin/Sondalog.ini" ]] || fail "the installed program wrote its settings beside itself"
[[ -s "$prefix/home/Sondalog/Sondalog.ini" ]] || fail "no settings in the user's folder"
echo "install layout: ok ($version)"
