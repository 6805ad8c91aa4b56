#!/usr/bin/env bash
# The Debian package as a user gets it: builds it, unpacks it into a temporary root and runs the unpacked
# korucfg with a temporary home. The installed program must find its installed default files, keep new
# units in the user's data folder and write nothing beside itself.
#   tests/dist/package_test.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
deb=$(scripts/package.sh "$build")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"

passed=0
failed=0
check() {  # check NAME COMMAND...: one named check, counted
  local name=$1; shift
  if "$@"; then
    passed=$((passed + 1)); echo "ok - $name"
  else
    failed=$((failed + 1)); echo "FAILED - $name"
  fi
}
same() {  # same GOT EXPECTED
  [ "$1" = "$2" ] && return 0
  diff <(echo "$2") <(echo "$1") | sed -n '1,12s/^/  /p'
  return 1
}
quiet() { local output; output=$("$@" 2>&1) || { echo "$output"; return 1; }; }

version=$(dpkg-deb -f "$deb" Version)
check "the file is named koru-configurator_VERSION_ARCH.deb" \
  same "$(basename "$deb")" "koru-configurator_${version}_$(dpkg --print-architecture).deb"
check "the dependencies come from the binaries" grep -q "libqt6core6" <(dpkg-deb -f "$deb" Depends)
for file in usr/bin/korucfg "usr/share/koru-configurator/Default Files/KORU Base.kdf" \
            usr/share/man/man1/korucfg.1.gz usr/share/man/man1/koru-configurator.1.gz \
            usr/share/mime/packages/koru-configurator.xml usr/share/doc/koru-configurator/copyright \
            usr/share/doc/koru-configurator/changelog.gz; do
  check "the package holds $file" test -f "$root/$file"
done
check "the binaries are stripped" bash -c "! file -L '$root/usr/bin/'* | grep -q 'not stripped'"

desktop=$(ls "$root"/usr/share/applications/*.desktop)
metainfo=$(ls "$root"/usr/share/metainfo/*.metainfo.xml)
check "the desktop entry is valid" quiet desktop-file-validate "$desktop"
check "the AppStream metadata is valid" quiet appstreamcli validate --no-net "$metainfo"
check "the desktop entry opens unit files" grep -qx "Exec=koru-configurator %f" "$desktop"
for page in "$root"/usr/share/man/man1/*.gz; do
  check "$(basename "$page") renders without warnings" \
    same "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)" ""
done

# A user of the unpacked package, started from an unrelated folder.
home=$work/home
mkdir -p "$home" "$work/elsewhere"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$work/runtime
unset XDG_DATA_HOME
mkdir -m 700 "$XDG_RUNTIME_DIR"
library="$home/.local/share/KORU Configurator"
before=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)
run() { (cd "$work/elsewhere" && "$root/usr/bin/korucfg" "$@"); }

check "korucfg --version shows the package's version" same "$(run --version)" "korucfg $version"
if [ -x "$root/usr/bin/koru-configurator" ]; then
  check "koru-configurator --version shows the package's version" \
    same "$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/koru-configurator" --version)" "koru-configurator $version"
fi
check "korucfg new creates the unit in the user's library" \
  same "$(run new --id 42 --alias Pump --type "KORU Base")" "$library/Units/0000000042(Pump).kuf"
installed="$root/usr/share/koru-configurator/Default Files"
check "the unit starts from the installed default file" \
  same "$(run normalize "$library/Units/0000000042(Pump).kuf" | sed 1,4d)" \
       "$(run normalize "$installed/KORU Base.kdf" | sed 1,4d)"
check "korucfg units lists it" same "$(run units)" "0000000042(Pump)"
mkdir -p "$library/Default Files"
cp "$installed/KORU Base.kdf" "$library/Default Files/KORU Mine.kdf"
check "the user's own default files replace the installed ones" \
  same "$(run new --id 7 --type "KORU Mine")" "$library/Units/0000000007(0000000007).kuf"
check "and the installed ones are not read then" bash -c '! "$0" new --id 8 --type "KORU Base" 2>/dev/null' \
  "$root/usr/bin/korucfg"
export XDG_DATA_HOME=$work/data
check "XDG_DATA_HOME moves the user's library" \
  same "$(run new --id 5 --type "KORU Starter-kit")" "$XDG_DATA_HOME/KORU Configurator/Units/0000000005(0000000005).kuf"
check "--library still wins" \
  same "$(run new --id 6 --type "KORU Base" --library "$work/shared")" "$work/shared/Units/0000000006(0000000006).kuf"
check "nothing is written beside the program" same "$(cd "$root" && find . -printf '%p %s %T@\n' | sort)" "$before"
check "nothing is written in the working folder" same "$(ls -A "$work/elsewhere")" ""

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
