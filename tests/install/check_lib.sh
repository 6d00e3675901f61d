# What the checks of the installed game and of a release share, sourced from the top of the
# checkout after `set -eu`: `needs TOOL...`, which fails unless every tool is on the PATH;
# `fail MESSAGE`; and a staging folder in $stage, removed at the end.

fail() {
  echo "FAILED: $*"
  exit 1
}

needs() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is missing (tools/install-deps.sh test installs it)"
  done
}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
trap 'exit 1' INT TERM
