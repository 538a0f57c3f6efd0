#!/usr/bin/env bash
# Runs one end-to-end scenario under its own Xvfb at 640x480, so window and screen
# coordinates agree, with message boxes recorded instead of shown.
set -euo pipefail
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"
cat > "$work/bin/xmessage" <<'STUB'
#!/bin/sh
for last; do :; done
printf '%s\n' "$last" >> "$E2E_WORK/messages.log"
STUB
chmod +x "$work/bin/xmessage"
export E2E_WORK=$work PATH="$work/bin:$PATH" SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
# Not exec'd: this shell must outlive the scenario for its trap to remove the scratch folder.
status=0
xvfb-run -a -s "-screen 0 640x480x24 -nolisten tcp" bash "$script" || status=$?
exit "$status"
