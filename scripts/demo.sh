#!/usr/bin/env bash
# Shows the installed build on a private desktop (two monitors, openbox, tint2, dunst)
# and saves screenshots of the panel and of a break overlay.
# Usage: scripts/demo.sh STAGE_DIR OUTPUT_DIR
set -euo pipefail
stage=$(realpath "${1:?stage dir}")
out=$(realpath -m "${2:?output dir}")
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"

if [ -z "${TAVELO_DEMO_INSIDE:-}" ]; then
  export TAVELO_DEMO_INSIDE=1
  exec "$here/../tests/support/desktop-session.sh" "$0" "$stage" "$out"
fi

config=$(mktemp -d /tmp/tavelo-demo.XXXXXX)
trap 'kill "${app:-}" 2>/dev/null || true; rm -rf "$config"' EXIT
mkdir -p "$config/Tavelo"
# Shortest rhythm: one minute of focus, a ten-second warning, a five-second microbreak.
cat >"$config/Tavelo/settings.json" <<'JSON'
{ "focusMinutes": 1, "preBreakWarningSeconds": 10, "shortBreakSeconds": 5, "strictMode": true }
JSON

XDG_CONFIG_HOME="$config" XDG_DATA_HOME="$config" "$stage/bin/tavelo" &
app=$!
sleep 3
import -window root "$out/desktop.png"

# A second launch asks the running one to open its panel.
XDG_CONFIG_HOME="$config" XDG_DATA_HOME="$config" "$stage/bin/tavelo" || true
sleep 1
import -window root "$out/panel.png"
xdotool key Escape || true

echo "Waiting for the first break (about a minute)…"
for _ in $(seq 1 90); do
  if xdotool search --classname '^tavelo-overlay$' >/dev/null 2>&1; then break; fi
  sleep 1
done
sleep 1
import -window root "$out/overlay.png"
dunstctl history >"$out/notifications.json" 2>/dev/null || true
echo "Screenshots in $out: desktop.png panel.png overlay.png"
