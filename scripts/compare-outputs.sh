#!/usr/bin/env bash
# Compares what two builds make of the same units, byte for byte:
#   scripts/compare-outputs.sh BEFORE_BIN AFTER_BIN [--pictures]
# BEFORE_BIN and AFTER_BIN are the bin folders of two builds (korucfg, koru_write_units, the programs). The
# units are the sample unit, the default files, pairs of them loaded in order, and the generated units that
# BEFORE_BIN's koru_write_units writes. For every unit and both builds it keeps standard output, standard error
# and the exit status of: encode (every group, then each group alone), normalize, export --sections all and
# check; the diff of each unit with the next; the generated units' network; and each command's --help. Any difference is listed and the script fails.
# --pictures also takes scripts/screenshots.sh with each build and compares the pictures pixel by pixel
# (imagemagick's compare); a picture that differs is listed with the number of differing pixels.
# Keeps everything it wrote under $KORU_COMPARE_DIR (default: a new temporary folder), for a closer look.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 2 ]; then
  echo "usage: $0 BEFORE_BIN AFTER_BIN [--pictures]" >&2
  exit 2
fi
before=$(realpath "$1")
after=$(realpath "$2")
pictures=${3:-}
work=${KORU_COMPARE_DIR:-$(mktemp -d)}
mkdir -p "$work/units" "$work/before" "$work/after"

# The units: written once, by the earlier build's writer (or the later one's where the earlier build has
# none), so both builds read the same bytes.
writer=$before/koru_write_units
[ -x "$writer" ] || writer=$after/koru_write_units
"$writer" "$work/units"
cp docs/samples/pumpstation.kuf "$work/units/"
cp "files/Default Files/"*.kdf "$work/units/"
units=("$work/units/"*)
groups=(general network radio serial input io-events message-events tcc-events message-actions
        output-flag-actions)

# run NAME ARGS...: korucfg ARGS... of both builds, kept as NAME.out, NAME.err and NAME.rc.
run() {
  local name=$1; shift
  for side in before after; do
    local bin=$before; [ "$side" = after ] && bin=$after
    local status=0
    # From the program's own folder, so the usage lines name it the same way for both builds.
    (cd "$bin" && ./korucfg "$@") > "$work/$side/$name.out" 2> "$work/$side/$name.err" || status=$?
    echo "$status" > "$work/$side/$name.rc"
  done
}

for command in encode normalize export check send simulate units new delete network history diff; do
  run "help-$command" "$command" --help
done
for unit in "${units[@]}"; do
  base=$(basename "$unit")
  run "$base.encode" encode "$unit"
  for group in "${groups[@]}"; do run "$base.encode-$group" encode --select "$group" "$unit"; done
  run "$base.normalize" normalize "$unit"
  run "$base.export" export --sections all "$unit"
  run "$base.check" check "$unit"
done
# A unit loaded over a default file, as New makes one, and a parameter file over a unit, as Import does.
run "base+generated-7.encode" encode "$work/units/KORU Base.kdf" "$work/units/generated-7.kuf"
run "base+generated-7.normalize" normalize "$work/units/KORU Starter-kit.kdf" "$work/units/generated-7.kuf"
"$before/korucfg" export --sections all "$work/units/generated-3.kuf" > "$work/units/import.kpf"
run "pumpstation+import.normalize" normalize "$work/units/pumpstation.kuf" "$work/units/import.kpf"
run "pumpstation+import.encode" encode "$work/units/pumpstation.kuf" "$work/units/import.kpf"
# The differences of settings and of send groups' packets between neighbouring units.
previous=
for unit in "${units[@]}"; do
  [ -n "$previous" ] && run "$(basename "$previous")~$(basename "$unit").diff" diff "$previous" "$unit"
  previous=$unit
done
# The generated units as a library, each in its file "ID().kuf": the network, as a tree and as a graph.
mkdir -p "$work/library/Units"
for unit in "$work/units/"generated-*.kuf; do
  id=$(grep -a -m1 '^Id=' "$unit" | tr -d '\r' | cut -d= -f2)
  cp "$unit" "$work/library/Units/$id().kuf"
done
run "library.network" network --library "$work/library"
run "library.network-dot" network --library "$work/library" --dot

outputs=$(find "$work/before" -type f | wc -l)
status=0
if diff -r -q "$work/before" "$work/after" > "$work/differences"; then
  echo "korucfg: $outputs outputs of ${#units[@]} units and the help texts, all byte-identical"
else
  echo "korucfg: $(wc -l < "$work/differences") of $outputs outputs differ:"
  sed -e "s|$work/||g" -e 's/^Files //' -e 's/ and .*//' "$work/differences" | head -40
  status=1
fi

if [ "$pictures" = "--pictures" ]; then
  for side in before after; do
    bin=$before; [ "$side" = after ] && bin=$after
    mkdir -p "$work/pictures-$side"
    KORU_BIN=$bin KORU_SHOTS_OUT="$work/pictures-$side" scripts/screenshots.sh > /dev/null
  done
  same=0
  for picture in "$work/pictures-before/"*.png; do
    name=$(basename "$picture")
    other="$work/pictures-after/$name"
    if [ ! -f "$other" ]; then
      echo "picture $name: missing after"
      status=1
      continue
    fi
    pixels=$(compare -metric AE "$picture" "$other" null: 2>&1 || true)
    if [ "$pixels" = "0" ]; then
      same=$((same + 1))
    else
      echo "picture $name: $pixels pixels differ (compare $work/pictures-{before,after}/$name)"
      status=1
    fi
  done
  echo "pictures: $same of $(ls "$work/pictures-before/"*.png | wc -l) pixel-identical"
fi
echo "(outputs kept in $work)"
exit "$status"
