#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file is where a desktop
# looks for it and that the launcher entry and the metadata pass their validators.
#   check_install.sh <build dir>
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
for f in bin/grimward bin/grimward-server share/grimward/instructions.txt \
         share/grimward/im.wav share/grimward/update.wav share/grimward/attack.wav share/grimward/over.wav \
         share/applications/org.grimward.Grimward.desktop \
         share/metainfo/org.grimward.Grimward.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.grimward.Grimward.svg; do
    if [ ! -s "$prefix/$f" ]; then echo "missing or empty: $f"; status=1; fi
done
# The sample decks sit in decks/ of the folder that holds the help text, which is the folder
# the installed program finds from bin/ (../share/grimward) and opens the computer's deck
# dialog in.
decks="$(ls "$build/bin/decks")"
[ "$(echo "$decks" | wc -w)" -ge 3 ] || { echo "sample decks missing in the build: $decks"; status=1; }
for deck in $decks; do
    cmp -s "$build/bin/decks/$deck" "$prefix/share/grimward/decks/$deck" || { echo "not installed: decks/$deck"; status=1; }
done
for program in grimward grimward-server; do
    [ -x "$prefix/bin/$program" ] || { echo "not executable: bin/$program"; status=1; }
done
# Nothing but the program and the meeting server sits in bin/: the data is found from there.
extra="$(ls "$prefix/bin" | grep -vx -e grimward -e grimward-server || true)"
[ -z "$extra" ] || { echo "unexpected in bin/: $extra"; status=1; }

# The launcher entry names the installed icon and program; the metadata names the entry.
grep -qx 'Icon=org.grimward.Grimward' "$prefix/share/applications/org.grimward.Grimward.desktop" || { echo "icon name"; status=1; }
grep -qx 'Exec=grimward' "$prefix/share/applications/org.grimward.Grimward.desktop" || { echo "exec line"; status=1; }
grep -qx 'StartupWMClass=grimward' "$prefix/share/applications/org.grimward.Grimward.desktop" || { echo "window class"; status=1; }
grep -q '<launchable type="desktop-id">org.grimward.Grimward.desktop</launchable>' \
    "$prefix/share/metainfo/org.grimward.Grimward.metainfo.xml" || { echo "launchable"; status=1; }

desktop-file-validate "$prefix/share/applications/org.grimward.Grimward.desktop" || status=1
appstreamcli validate --no-net "$prefix/share/metainfo/org.grimward.Grimward.metainfo.xml" || status=1
exit $status
