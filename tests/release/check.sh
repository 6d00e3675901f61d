#!/bin/sh
# tools/release.sh on a throwaway tag in a clean clone of this checkout (its commit, with the
# changes to its tracked files committed on top):
# - a commit without a tag, a tag other than the version and a tree with changes are each
#   refused, with a message saying so, before anything is built;
# - the release writes the four files into dist/, and sha256sum -c passes;
# - the package: lintian finds no errors, warnings or hardening tags; installed with apt,
#   its menu entry and metadata pass their validators, --version names the version and the
#   game starts under Xvfb; purged, none of its files or folders is left;
# - the source archive: reuse lint knows every file's copyright and licence;
# - the site archive, unpacked and served, plays in headless Chromium, names the version and
#   ships the licences of what it bundles.
#
#   tests/release/check.sh      (tools/install-deps.sh test; the web libraries' cache is reused)
set -eu
cd "$(dirname "$0")/../.."
top=$(pwd)
. tests/install/check_lib.sh
needs git cmake cpack lintian appstreamcli desktop-file-validate reuse sha256sum node
version=$(sed -n 's/^project(MarlixPentro VERSION \([0-9][0-9.]*\)[ )].*/\1/p' CMakeLists.txt)

clone=$stage/clone
git clone -q "$top" "$clone"
git -C "$clone" -c advice.detachedHead=false checkout -q "$(git rev-parse HEAD)"
git diff HEAD --binary >"$stage/changes.diff"
if [ -s "$stage/changes.diff" ]; then
  git -C "$clone" apply --index "$stage/changes.diff"
  git -C "$clone" -c user.name=test -c user.email=test@marlix-pentro.invalid commit -qm "the changes under test"
fi

# Refused: the release's exit status and the words its message must hold.
refused() {
  words=$1
  if (cd "$clone" && tools/release.sh --skip-tests) >"$stage/out" 2>"$stage/err"; then
    fail "the release went ahead; expected a refusal saying \"$words\""
  fi
  grep -q "$words" "$stage/err" || {
    cat "$stage/err"
    fail "the refusal does not say \"$words\""
  }
  [ ! -e "$clone/dist" ] || fail "a refused release wrote dist/"
  echo "refused: $(tail -n 1 "$stage/err")"
}

echo "== refusals"
refused "has no tag"
git -C "$clone" tag v9.9.9
refused "the tag v9.9.9 on HEAD does not match the version $version in CMakeLists.txt"
git -C "$clone" tag -d v9.9.9 >/dev/null
git -C "$clone" tag "v$version"
echo "# changed" >>"$clone/README.md"
refused "changes that are not committed"
git -C "$clone" checkout -q README.md
touch "$clone/stray-file"
refused "changes that are not committed"
rm "$clone/stray-file"

echo "== tools/release.sh --skip-tests on the tag v$version"
work=$stage/work
(cd "$clone" && MARLIX_RELEASE_WORK=$work tools/release.sh --skip-tests) >"$stage/release.log" 2>&1 || {
  tail -n 60 "$stage/release.log"
  fail "tools/release.sh"
}
grep '^release:\|^-' "$stage/release.log"
dist=$clone/dist
deb=marlix-pentro_${version}_amd64.deb
site=marlix-pentro-web-$version
source=marlix-pentro-$version
printf '%s\n' SHA256SUMS "$deb" "$site.tar.gz" "$source.tar.gz" | sort >"$stage/expected"
ls "$dist" | sort >"$stage/written"
diff "$stage/expected" "$stage/written" || fail "dist/ does not hold the four files"
(cd "$dist" && sha256sum -c SHA256SUMS) || fail "sha256sum -c"

echo "== the package"
[ "$(dpkg-deb -f "$dist/$deb" Version)" = "$version" ] || fail "the package's version is not $version"
lintian --display-info --fail-on error,warning "$dist/$deb" >"$stage/lintian.log" 2>&1 || {
  cat "$stage/lintian.log"
  fail "lintian found errors or warnings"
}
cat "$stage/lintian.log"
if grep -E '^[EW]:|hardening' "$stage/lintian.log"; then fail "lintian: the lines above"; fi
echo "lintian: no errors, warnings or hardening tags"

if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif sudo -n true 2>/dev/null; then
  as_root="sudo -n"
else
  as_root=none
fi
if [ "$as_root" = none ]; then
  echo "SKIPPED: installing the package needs root"
elif dpkg-query -W -f='${Status}' marlix-pentro 2>/dev/null | grep -q "ok installed"; then
  echo "SKIPPED: marlix-pentro is installed on this machine already, and stays as it is"
else
  $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$dist/$deb" \
    >"$stage/apt.log" 2>&1 || {
    cat "$stage/apt.log"
    fail "apt-get install ./$deb"
  }
  dpkg-query -L marlix-pentro >"$stage/files"
  installed=ok
  (
    desktop-file-validate /usr/share/applications/marlix-pentro.desktop || fail "desktop-file-validate"
    appstreamcli validate --no-net --pedantic /usr/share/metainfo/org.marlixpentro.marlix_pentro.metainfo.xml ||
      fail "appstreamcli validate"
    grep -q "<release version=\"$version\" date=\"[0-9-]*\">" /usr/share/metainfo/org.marlixpentro.marlix_pentro.metainfo.xml ||
      fail "the metadata has no release $version with its date"
    [ "$(/usr/games/marlix-pentro --version)" = "marlix-pentro $version" ] || fail "marlix-pentro --version"
    set -- /usr/games/marlix-pentro
    . "$top/tests/app/e2e_lib.sh"
    program=/usr/games/marlix-pentro
    start_game
    until_true "the computer's opening line is not on the screen" board_is "0 1"
    quit_game
  ) || installed=failed
  $as_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q marlix-pentro >"$stage/apt.log" 2>&1 ||
    fail "apt-get purge marlix-pentro"
  [ "$installed" = ok ] || fail "the installed package (above)"
  echo "installed: the validators pass, --version says $version, the game drew its opening line"
  # Folders other packages share may stay; nothing of the game's own may.
  while IFS= read -r path; do
    if [ -e "$path" ] && { [ ! -d "$path" ] || case "$path" in *marlix-pentro*) true ;; *) false ;; esac; }; then
      fail "left after the purge: $path"
    fi
  done <"$stage/files"
  echo "purged: none of its $(wc -l <"$stage/files") files and folders left"
fi

echo "== the source archive"
mkdir "$stage/source"
tar -xzf "$dist/$source.tar.gz" -C "$stage/source"
[ -f "$stage/source/$source/LICENSE" ] || fail "no LICENSE in $source.tar.gz"
(cd "$stage/source/$source" && reuse lint) >"$stage/reuse.log" 2>&1 || {
  cat "$stage/reuse.log"
  fail "reuse lint"
}
tail -n 4 "$stage/reuse.log"

echo "== the site archive, unpacked and served"
mkdir "$stage/site"
tar -xzf "$dist/$site.tar.gz" -C "$stage/site"
root=$stage/site/$site
grep -q "<meta name=\"version\" content=\"$version\">" "$root/index.html" || fail "the page does not name the version $version"
[ -s "$root/licenses/README.txt" ] || fail "the site has no licenses/README.txt"
for file in Marlix-Pentro.txt copyright.txt DejaVu-fonts.txt SDL2.txt SDL2_image.txt SDL2_ttf.txt FreeType.txt Emscripten.txt; do
  [ -s "$root/licenses/$file" ] || fail "the site has no licenses/$file"
  grep -q "$file" "$root/licenses/README.txt" || fail "licenses/README.txt does not name $file"
done
grep -q "Bitstream Vera" "$root/licenses/DejaVu-fonts.txt" || fail "the font's licence is not in licenses/DejaVu-fonts.txt"
echo "the site names version $version and ships the licences of the game, the font and the libraries"
(cd tests/web && MARLIX_WEB_SITE=$root MARLIX_WEB_RES=$work/$source/build-web-cmake/res \
  node --test --test-name-pattern='loads without a console error|plays by touch' game.test.mjs) || fail "the unpacked site in headless Chromium"
echo "PASSED"
