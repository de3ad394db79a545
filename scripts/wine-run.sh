#!/usr/bin/env bash
# CTest's emulator: runs a Windows executable under Wine in the prefix of a build tree.
# Usage: wine-run.sh BUILD_DIR PROGRAM [ARGS...]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh" "$1"
program=$(readlink -f "$2")
shift 2
# Wine wants the full path with the extension.
[[ $program == *.exe ]] || program=$program.exe
status=0
"$WINE" "$program" "$@" || status=$?
# A test that fails without a word of its own still says how it ended.
[ "$status" -eq 0 ] || echo "wine-run: $(basename "$program") exited with status $status" >&2
exit "$status"
