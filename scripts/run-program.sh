#!/usr/bin/env bash
# Sets everything up, builds and starts Pellora. Arguments go to the program (a .PQ file to open).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
exec "$root/build/src/pellora" "$@"
