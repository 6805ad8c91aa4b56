#!/usr/bin/env bash
# Reads the real window's accessibility tree from outside, as a screen reader would: starts koru-configurator
# with the busy sample unit on a virtual display with its own session bus and the AT-SPI bus, then
# scripts/accessibility_tree.py counts the focusable controls without a name (there must be none), shows all
# twelve tabs, and reads the value labels. Needs a build (build/bin, or KORU_BIN) and what
# scripts/install-deps.sh installs (python3-pyatspi, at-spi2-core, dbus, xvfb). Exits non-zero on a finding.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(realpath "${KORU_BIN:-build/bin}")

if [ "${1:-}" != "--inside" ]; then
  export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
  exec xvfb-run -a -s '-screen 0 1280x800x24' dbus-run-session -- "$0" --inside 2> >(grep -v "fd limit" >&2)
fi

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
library=$(mktemp -d)
/usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
bus=$!
program=""
cleanup() {
  if [ -n "$program" ]; then kill "$program" 2> /dev/null || true; wait "$program" 2> /dev/null || true; fi
  kill "$bus" 2> /dev/null || true
  rm -rf "$library"
}
trap cleanup EXIT

cp -r "$bin/Default Files" "$library/"
"$bin/korucfg" new --library "$library" --id 17 --alias "Mast Hill" --type "KORU Base" > /dev/null
# Settings of its own: the check neither reads nor changes the user's recent units.
XDG_CONFIG_HOME="$library/settings" "$bin/koru-configurator" --library "$library" docs/samples/pumpstation.kuf 2> /dev/null &
program=$!
status=0
/usr/bin/python3 scripts/accessibility_tree.py \
  "Frequency=439.75 MHz" \
  "Upper unit=0000000017(Mast Hill)" \
  "Upper unit ping time=Long ping time - 0000000017(Mast Hill)" \
  "Id number=0000000042" \
  "Alias=Pumpstation Süd" || status=$?
exit $status
