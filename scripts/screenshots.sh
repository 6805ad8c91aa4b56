#!/usr/bin/env bash
# Runs the real window on a virtual 1280x800 display with the busy sample unit (docs/samples/pumpstation.kuf)
# and a library of a few units, and writes one picture per tab and one per dialog to docs/screenshots/.
# Needs a build (build/bin, or KORU_BIN); installs xvfb, xdotool and imagemagick when missing. KORU_SHOTS_OUT
# names another folder for the pictures (scripts/compare-outputs.sh takes the pictures of two builds).
#
#   scripts/screenshots.sh --hidpi   the same pictures at twice the scale (QT_SCALE_FACTOR=2 on a 2560x1600
#                                    display, the same room as 1280x800), written to build/screenshots-hidpi
#                                    to look for clipped fields; they are not the README's pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${KORU_BIN:-build/bin}
if [ "${1:-}" = "--hidpi" ]; then
  export KORU_SHOTS_SCALE=2
  shift
fi
scale=${KORU_SHOTS_SCALE:-1}
if [ "$scale" = 1 ]; then
  out=${KORU_SHOTS_OUT:-docs/screenshots}
else
  out=${KORU_SHOTS_OUT:-build/screenshots-hidpi}
  export QT_SCALE_FACTOR=$scale
fi

if [ "${1:-}" != "--inside" ]; then
  missing=()
  command -v xvfb-run > /dev/null || missing+=(xvfb xauth)
  command -v xdotool > /dev/null || missing+=(xdotool)
  command -v import > /dev/null || missing+=(imagemagick)
  if [ ${#missing[@]} -gt 0 ]; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get install -y --no-install-recommends "${missing[@]}" > /dev/null
  fi
  export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
  exec xvfb-run -a -s "-screen 0 $((1280 * scale))x$((800 * scale))x24" "$0" --inside
fi

library=$(mktemp -d)
trap 'rm -rf "$library"' EXIT
cp -r "$bin/Default Files" "$library/"
for unit in "17 Mast Hill" "101 Well 1" "102 Well 2" "103 Well 3" "104 Well 4" "105 Well 5" "106 Well 6"; do
  read -r id alias <<< "$unit"
  "$bin/korucfg" new --library "$library" --id "$id" --alias "$alias" --type "KORU Base" > /dev/null
done

names=(koru-unit network-setup comm-setup input-sleep-setup message-events io-sleep-events
       timer-counter-comm-events remote-control-events message-actions output-flag-actions
       timer-counter-actions misc)
mkdir -p "$out"
# Settings of its own: the pictures do not show the user's settings, nor change them.
XDG_CONFIG_HOME="$library/settings" "$bin/koru-configurator" --library "$library" docs/samples/pumpstation.kuf &
program=$!
timeout 10 xdotool search --sync --onlyvisible --name " - 0000000042$" > /dev/null
sleep 1
for index in "${!names[@]}"; do
  import -window root "$out/$(printf '%02d' "$index")-${names[$index]}.png"
  xdotool key ctrl+Next
  sleep 0.5
done
xdotool key ctrl+q
timeout 10 xdotool search --sync --onlyvisible --name "^Save unit...$" > /dev/null
xdotool key n
wait "$program"
# The dialogs, each opened from the window on the same sample unit, the Edit menu after two edits, the send
# windows sending it to a simulated unit, the history's windows after sessions to it, and the network map of
# docs/samples/network: widget tests that save their pictures.
KORU_SHOTS_DIR="$out" QT_QPA_PLATFORM=xcb "$bin/koru_editor_tests" \
  --gtest_filter='DialogPictures.*:WindowPictures.*:SendPictures.*:HistoryPictures.*:MapPictures.*' > /dev/null
ls "$out"
