#!/usr/bin/env bash
# Checks the real window from outside, on a virtual display: for each unit FILE (default: the sample unit),
#   koru-configurator --library DIR FILE; Ctrl+S must write DIR/Units/ID(alias).kuf with exactly the bytes
#   `korucfg normalize FILE` prints and set the title to alias " - " ID; Ctrl+Q must ask "Do you want to save
#   unit?" and "n" must end the program. A file without an ID opens no unit: Ctrl+S writes nothing and Ctrl+Q
#   ends the program without a question.
# Needs a build (build/bin) and xvfb-run and xdotool (installed when missing). Prints one line per check.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${KORU_BIN:-build/bin}

if [ "${1:-}" != "--inside" ]; then
  missing=()
  command -v xvfb-run > /dev/null || missing+=(xvfb xauth)
  command -v xdotool > /dev/null || missing+=(xdotool)
  if [ ${#missing[@]} -gt 0 ]; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get install -y --no-install-recommends "${missing[@]}" > /dev/null
  fi
  [ $# -gt 0 ] || set -- docs/samples/pumpstation.kuf
  export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
  exec xvfb-run -a -s '-screen 0 1280x800x24' "$0" --inside "$@"
fi
shift

failures=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok    $1"; else echo "FAIL  $1"; failures=$((failures + 1)); fi
}
# The value of KEY in a unit file, converted from the file's Windows-1252 to the display's UTF-8.
value_of() { grep -a -m1 "^$1=" | cut -d= -f2- | tr -d '\r' | iconv -f WINDOWS-1252 -t UTF-8; }
# Waits up to 10 s for a window whose title matches the pattern and prints its id.
window_named() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -1; }

for file in "$@"; do
  echo "== $file"
  library=$(mktemp -d)
  expected=$(mktemp)
  "$bin/korucfg" normalize "$file" > "$expected"
  id=$(value_of Id < "$expected")
  alias=$(value_of Alias < "$expected")

  # Settings of its own: the check does not add its files to the user's recent units.
  XDG_CONFIG_HOME="$library/settings" "$bin/koru-configurator" --library "$library" "$file" &
  program=$!
  window=$(window_named "^Setup KORU-unit$|^.* - $id\$")
  check "the window opens with the unit" test -n "$window"
  xdotool key ctrl+s
  if [ -n "$id" ]; then
    for _ in $(seq 50); do compgen -G "$library/Units/*.kuf" > /dev/null && break; sleep 0.1; done
    saved=$(compgen -G "$library/Units/*.kuf" || true)
    check "Ctrl+S writes Units/$id($alias).kuf" test "$(basename "${saved:-none}")" = "$id($alias).kuf"
    check "the saved bytes are what korucfg normalize prints" cmp -s "${saved:-/dev/null}" "$expected"
    check "the title is alias - ID" test "$(xdotool getwindowname "$window")" = "$alias - $id"
    xdotool key ctrl+q
    question=$(window_named "^Save unit...$" || true)
    check "Ctrl+Q asks \"Do you want to save unit?\"" test -n "$question"
    xdotool key n
  else
    sleep 0.5
    check "without an ID no unit is open: Ctrl+S writes nothing" test -z "$(ls -A "$library/Units")"
    check "the title stays Setup KORU-unit" test "$(xdotool getwindowname "$window")" = "Setup KORU-unit"
    xdotool key ctrl+q
  fi
  status=0
  for _ in $(seq 50); do kill -0 "$program" 2> /dev/null || break; sleep 0.1; done
  if kill -0 "$program" 2> /dev/null; then kill "$program"; status=124; else wait "$program" || status=$?; fi
  check "the program ends" test "$status" -eq 0
  rm -rf "$library" "$expected"
done
[ "$failures" -eq 0 ] && echo "all checks passed" || { echo "$failures checks failed"; exit 1; }
