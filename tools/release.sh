#!/bin/sh
# Makes a release from the tagged commit checked out here: builds it in a fresh clone of that
# commit, checks it, and writes dist/ with the Debian package, the web site as one archive,
# the source archive and SHA256SUMS. Refuses a tree with changes not committed, a commit
# without a tag, and a tag other than v<the version in CMakeLists.txt>.
#
#   tools/release.sh                 the full build and every check (tools/install-deps.sh test)
#   tools/release.sh --skip-tests    leaves out the unit and browser tests, for CI, which has
#                                    just run them on the same commit
#   MARLIX_RELEASE_WORK=DIR ...      builds in DIR and keeps it (else a temporary folder)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
say() { echo "release: $*"; }
refuse() {
  echo "release: $*" >&2
  exit 1
}

tests=yes
case "${1:-}" in
  "") ;;
  --skip-tests) tests=no ;;
  *) refuse "usage: tools/release.sh [--skip-tests]" ;;
esac

# What is released is a tagged commit, exactly as committed.
git rev-parse --git-dir >/dev/null 2>&1 || refuse "$top is not a git checkout: a release is made from one"
changes=$(git status --porcelain --untracked-files=normal)
if [ -n "$changes" ]; then
  echo "$changes" >&2
  refuse "the tree has changes that are not committed (above): commit or remove them, then release a tagged commit"
fi
version=$(sed -n 's/^project(MarlixPentro VERSION \([0-9][0-9.]*\)[ )].*/\1/p' CMakeLists.txt)
[ -n "$version" ] || refuse "CMakeLists.txt names no version in project(MarlixPentro VERSION ...)"
tags=$(git tag --points-at HEAD)
[ -n "$tags" ] || refuse "HEAD ($(git rev-parse --short HEAD)) has no tag: tag the commit to release, as v$version (git tag -a v$version)"
tag=v$version
if ! printf '%s\n' "$tags" | grep -qx "$tag"; then
  refuse "the tag $(echo "$tags" | paste -sd ' ' -) on HEAD does not match the version $version in CMakeLists.txt: the tag must be $tag"
fi
newest=$(sed -n 's/^## \([0-9][0-9.]*\) (.*/\1/p' CHANGELOG.md | head -n 1)
[ "$newest" = "$version" ] || refuse "CHANGELOG.md's newest entry is ${newest:-missing}, not $version: add an entry for $version at its top"
say "Marlix Pentro $version, tag $tag, commit $(git rev-parse --short HEAD)"

jobs=$(nproc)
if [ -n "${MARLIX_RELEASE_WORK:-}" ]; then
  work=$MARLIX_RELEASE_WORK
  rm -rf "$work"
  mkdir -p "$work"
else
  work=$(mktemp -d "${TMPDIR:-/tmp}/marlix-release.XXXXXX")
  trap 'rm -rf "$work"' EXIT
  trap 'exit 130' INT TERM HUP
fi
src=$work/marlix-pentro-$version
git clone -q --no-hardlinks "$top" "$src"
git -C "$src" -c advice.detachedHead=false checkout -q "$tag"
# The source archive's files carry the commit's time, as does the site's archive.
stamp=$(git log -1 --format=%ct "$tag")

say "the desktop program and its Debian package (Release, Debian's build flags)"
if [ "$tests" = yes ]; then
  cmake -S "$src" -B "$src/build" -DCMAKE_BUILD_TYPE=Release -DMARLIX_WERROR=ON >"$work/configure.log"
else
  cmake -S "$src" -B "$src/build" -DCMAKE_BUILD_TYPE=Release -DMARLIX_WERROR=ON \
    -DMARLIX_TESTS=OFF -DMARLIX_BENCH=OFF >"$work/configure.log"
fi
cmake --build "$src/build" -j "$jobs" >"$work/build.log" 2>&1 || {
  tail -n 40 "$work/build.log"
  refuse "the build failed (above)"
}
[ "$("$src/build/marlix-pentro" --version)" = "marlix-pentro $version" ] || refuse "marlix-pentro --version does not say $version"
if [ "$tests" = yes ]; then
  say "the tests"
  ctest --test-dir "$src/build" --output-on-failure -j "$jobs"
fi
# The validators, lintian, the installed game started under Xvfb, install and removal.
"$src/tests/install/check.sh" "$src/build"
cpack -G DEB --config "$src/build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  refuse "cpack failed"
}

say "the web site"
(cd "$src" && MARLIX_JOBS=$jobs MARLIX_ASSETGEN="$src/build/tools/assetgen" tools/web/build.sh) >"$work/web.log" 2>&1 || {
  tail -n 40 "$work/web.log"
  refuse "the web build failed (above)"
}
grep -q "<meta name=\"version\" content=\"$version\">" "$src/build-web/index.html" || refuse "the page does not name the version $version"
if [ "$tests" = yes ]; then
  say "the web site in headless Chromium"
  (cd "$src/tests/web" && npm ci --no-audit --no-fund --loglevel=error &&
    MARLIX_DESKTOP_PROGRAM="$src/build/marlix-pentro" node --test)
fi

say "dist/"
rm -rf dist
mkdir dist
cp "$work"/deb/marlix-pentro_"$version"_*.deb dist/
site=marlix-pentro-web-$version
# One folder to unpack onto any static host, the same bytes from the same commit.
ln -s "$src/build-web" "$work/$site"
tar -C "$work" -cf - --dereference --sort=name --mtime="@$stamp" --owner=0 --group=0 --numeric-owner \
  --mode=u=rwX,go=rX "$site" | gzip -9n >"dist/$site.tar.gz"
git archive --format=tar --prefix="marlix-pentro-$version/" "$tag" | gzip -9n >"dist/marlix-pentro-$version.tar.gz"
(cd dist && sha256sum -- *.deb *.tar.gz >SHA256SUMS)
ls -l dist
say "done: $top/dist"
