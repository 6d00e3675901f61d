#!/bin/sh
# Writes SITE/sw.js, the service worker, for the site folder as it is: the list of its files
# and the build's name, the game's version (the page's "version" meta tag) and the start of a
# hash of all the files, names and contents, so that a build that changes any file has a
# cache of its own. The page carries the name too (its "marlix-build" meta tag), hashed
# before the name goes in.
#
#   tools/web/service-worker.sh SITE_FOLDER
set -eu
site=$1
template="$(dirname "$0")/service-worker.js"
rm -f "$site/sw.js"
stamp='<meta name="marlix-build" content='
sed -i "s|$stamp\"[^\"]*\">|$stamp\"@BUILD@\">|" "$site/index.html"
files=$(cd "$site" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
build=$(cd "$site" && printf '%s\n' "$files" | while IFS= read -r file; do
  printf '%s\n' "$file"
  sha256sum <"$file"
done | sha256sum | cut -c1-16)
version=$(sed -n 's|.*<meta name="version" content="\([^"]*\)">.*|\1|p' "$site/index.html")
build="${version:+$version-}$build"
# The page itself also by the folder's own address, which is where a visit starts.
list=$(printf '%s\n' "./" "$files" | sed 's/\\/\\\\/g; s/"/\\"/g; s/.*/"&"/' | paste -sd, -)
sed -e "s|@BUILD@|$build|" -e "s|@FILES@|$list|" "$template" >"$site/sw.js"
sed -i "s|$stamp\"@BUILD@\">|$stamp\"$build\">|" "$site/index.html"
echo "service worker for build $build, $(printf '%s\n' "$files" | wc -l) files"
