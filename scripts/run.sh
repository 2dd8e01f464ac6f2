#!/usr/bin/env bash
# Sets everything up, builds, and runs the editor.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" release
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "ParloxEd needs a graphical display, and none is available (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    echo "Run it from a desktop session, or set QT_QPA_PLATFORM=offscreen to start it without a window." >&2
    exit 1
fi
exec "$here/build/release/ParloxEd/ParloxEd" "$@"
