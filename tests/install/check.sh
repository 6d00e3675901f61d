#!/bin/sh
# The installed game as a desktop and Debian see it, from a built Release folder:
# - installed into a DESTDIR under a prefix with a space in it, the menu entry and the
#   AppStream metadata (with and without the screenshot's address) pass their validators,
#   and the icons are there in every size;
# - the installed program exports no rand or srand (nm -D), and the menu entry's command
#   starts the game there under Xvfb, and it draws its opening line;
# - installed under a prefix full of characters a shell would read, the menu entry still
#   names that prefix, every file is in the manifest, and tools/uninstall.sh takes every file
#   away again with the folders the install created, and no folder that was there before;
# - the Debian package cpack makes has its dependencies, its program is hardened, and lintian
#   finds neither errors nor warnings in it.
#   tests/install/check.sh build-release
set -eu
build=$(realpath "$1")
cd "$(dirname "$0")/../.."
source_dir=$(pwd)
. tests/install/check_lib.sh
needs cpack desktop-file-validate appstreamcli lintian identify dpkg-deb nm

# The command a menu entry's Exec line runs, as the desktop reads it: the file's escapes
# first (\\ is one \), then words quoted as a shell quotes them, then %% is one %.
exec_of() {
  line=$(sed -n 's/^Exec=//p' "$1")
  line=$(printf '%s\n' "$line" | sed 's/\\\\/\\/g')
  eval "set -- $line"
  [ $# -eq 1 ] || fail "Exec= in $1 is not one word: $line"
  printf '%s\n' "$1" | sed 's/%%/%/g'
}

echo "== installed into a DESTDIR under /opt/marlix pentro"
prefix="/opt/marlix pentro"
root=$stage/root
DESTDIR=$root cmake --install "$build" --prefix "$prefix" >"$stage/install.log"
top=$root$prefix
desktop=$top/share/applications/marlix-pentro.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
echo "desktop-file-validate: no complaints"
metainfo=$(ls "$top"/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate"
# With the screenshot's address given, the metadata lists it (a configure writes the file).
cmake -S . -B "$stage/configured" -DMARLIX_SCREENSHOT_URL=https://marlix-pentro.invalid/screenshot.png \
  -DMARLIX_TESTS=OFF -DMARLIX_BENCH=OFF >"$stage/configure.log" || fail "configuring with a screenshot address"
shown=$(ls "$stage"/configured/install/*.metainfo.xml)
grep -q '<image>https://marlix-pentro.invalid/screenshot.png</image>' "$shown" || fail "no screenshot in $shown"
appstreamcli validate --no-net --pedantic "$shown" || fail "appstreamcli validate, with the screenshot"
launcher=$(exec_of "$desktop")
[ "$launcher" = "$prefix/bin/marlix-pentro" ] || fail "the menu entry starts $launcher"
for size in 16 24 32 48 64 128 256; do
  icon=$top/share/icons/hicolor/${size}x$size/apps/marlix-pentro.png
  # Read back by ImageMagick: the size, a clear corner and an opaque middle.
  read -r geometry corner middle <<EOF
$(convert "$icon" -format "%wx%h %[fx:p{0,0}.a] %[fx:p{$((size / 2)),$((size / 2))}.a]" info:)
EOF
  [ "$geometry $corner $middle" = "${size}x$size 0 1" ] || fail "$icon: $geometry, alpha $corner at a corner, $middle in the middle"
done
grep -q '<svg' "$top/share/icons/hicolor/scalable/apps/marlix-pentro.svg" || fail "no SVG icon"
echo "icons: 16 to 256 pixels and SVG"

# The game's generator is its own: no library loaded beside the installed program can bind
# to a rand or srand of the program's.
exported=$(nm -D --defined-only "$root$launcher" | awk '$3 ~ /^s?rand(@|$)/ { print $3 }')
[ -z "$exported" ] || fail "the installed program exports $exported"
echo "nm -D: the installed program exports no rand or srand"

echo "== the menu entry's command under Xvfb"
(
  set -- "$root$launcher"
  . "$source_dir/tests/app/e2e_lib.sh"
  program=$root$launcher
  start_game
  until_true "the computer's opening line is not on the screen" board_is "0 1"
  quit_game
) || fail "the installed game did not start and draw its opening line"
echo "the installed game drew its opening line"

echo "== installed under a prefix a shell would misread, and removed again"
plain="$stage/plain 100% \"quoted\" \$HOME's \`game\`"
cmake --install "$build" --prefix "$plain" >"$stage/install.log"
desktop-file-validate "$plain/share/applications/marlix-pentro.desktop" || fail "desktop-file-validate under $plain"
[ "$(exec_of "$plain/share/applications/marlix-pentro.desktop")" = "$plain/bin/marlix-pentro" ] ||
  fail "the menu entry does not name the launcher under $plain"
find "$plain" ! -type d | sort >"$stage/installed"
sort "$build/install_manifest.txt" >"$stage/listed"
diff "$stage/listed" "$stage/installed" || fail "the manifest and the installed files differ"
# Installed twice, as a player who installs again after a rebuild does: the second install
# creates no folder, yet the first one's are still removed.
cmake --install "$build" --prefix "$plain" >"$stage/install.log"
tools/uninstall.sh "$build" || fail "tools/uninstall.sh"
[ ! -e "$plain" ] || fail "left after removal: $(find "$plain")"
echo "manifest: $(wc -l <"$stage/installed") files installed, all listed; all removed with the prefix the install made"

# A prefix that holds folders of its own, one of them the game's: those stay, emptied or not.
shared=$stage/shared
mkdir -p "$shared/share/applications" "$shared/share/icons/hicolor/48x48/apps" "$shared/bin"
touch "$shared/share/applications/other.desktop"
find "$shared" | sort >"$stage/before"
cmake --install "$build" --prefix "$shared" >"$stage/install.log"
tools/uninstall.sh "$build" || fail "tools/uninstall.sh"
find "$shared" | sort >"$stage/after"
diff "$stage/before" "$stage/after" || fail "the removal under $shared did not leave the folders as they were"
echo "uninstall: under a prefix with folders of its own, exactly those are left"

echo "== the Debian package"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$stage/deb" >"$stage/cpack.log" 2>&1 || {
  cat "$stage/cpack.log"
  fail "cpack"
}
deb=$(ls "$stage"/deb/marlix-pentro_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-ttf-2.0-0 fonts-dejavu-core xdg-utils; do
  case ", $depends," in *", $package "* | *", $package,"*) ;; *) fail "the package does not depend on $package" ;; esac
done
dpkg-deb -x "$deb" "$stage/unpacked"
[ "$(exec_of "$stage/unpacked/usr/share/applications/marlix-pentro.desktop")" = /usr/games/marlix-pentro ] ||
  fail "the package's menu entry does not start /usr/games/marlix-pentro"
# Hardened as Debian builds its packages: fortified, stack protector, full RELRO, bind-now.
lintian --display-info --fail-on error,warning "$deb" >"$stage/lintian.log" 2>&1 || {
  cat "$stage/lintian.log"
  fail "lintian found errors or warnings"
}
cat "$stage/lintian.log"
if grep -E '^[EW]:|hardening' "$stage/lintian.log"; then fail "lintian: the lines above"; fi
echo "lintian: no errors, warnings or hardening tags in $(basename "$deb")"
echo "PASSED"
