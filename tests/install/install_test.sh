#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and packs its Debian package,
# checks what desktops, software centres, man and lintian read, and starts the
# installed game from both, headless, watching that it writes nowhere but its
# per-user folder.
# Usage: install_test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
for tool in dpkg-shlibdeps file lintian appstreamcli desktop-file-validate man; do
  command -v $tool >/dev/null || { echo "FAIL: no $tool (scripts/deps.sh --tests installs it)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
# Runs a checker quietly; shows what it said when it refuses.
check() {
  local what=$1
  shift
  local said
  if ! said=$("$@" 2>&1); then fail "$what:"$'\n'"$said"; fi
}

png_size() {  # the width and height in a PNG's header
  local hex
  hex=$(od -An -j16 -N8 -tx1 "$1" | tr -d ' \n')
  echo "$((16#${hex:0:8}))x$((16#${hex:8:8}))"
}

prefix=$work/prefix
check "cmake --install" cmake --install "$build" --prefix "$prefix"

echo "== the installed files"
for file in games/plimb-zappets share/games/plimb-zappets/PlimbZappetsData.txt \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/man/man6/plimb-zappets.6.gz \
  share/icons/hicolor/scalable/apps/$id.svg share/doc/plimb-zappets/copyright; do
  [[ -f $prefix/$file ]] || fail "not installed: $file"
done
for size in 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  if [[ ! -f $icon ]]; then
    fail "no ${size} pixel icon"
  elif [[ $(png_size "$icon") != "${size}x$size" ]]; then
    fail "the ${size} pixel icon is $(png_size "$icon")"
  fi
done
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"
grep -qx "Categories=Game;ArcadeGame;" "$prefix/share/applications/$id.desktop" || fail "desktop categories"

echo "== desktop entry and AppStream metainfo"
metainfo=$prefix/share/metainfo/$id.metainfo.xml
check "desktop-file-validate" desktop-file-validate "$prefix/share/applications/$id.desktop"
check "appstreamcli validate" appstreamcli validate --no-net "$metainfo"
check "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$prefix"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launches another entry"
# Every picture the metainfo shows is one the build took with the game.
shots=$(grep -o '<image[^>]*>[^<]*</image>' "$metainfo" | sed 's/<[^>]*>//g')
[[ -n $shots ]] || fail "the metainfo shows no screenshots"
for url in $shots; do
  shot=$build/packaging/screenshots/$(basename "$url")
  if [[ ! -f $shot ]]; then
    fail "no screenshot $shot for $url"
  elif [[ $(png_size "$shot") != 800x600 ]]; then
    fail "$shot is $(png_size "$shot")"
  fi
done

echo "== manual page"
man_page=$prefix/share/man/man6/plimb-zappets.6.gz
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$man_page" 2>&1 >/dev/null) ||
  fail "man cannot lay out the page"
[[ -z $warnings ]] || fail "man page warnings: $warnings"
man_text=$(zcat "$man_page" | sed 's/\\-/-/g')
for switch in $("$prefix/games/plimb-zappets" --help | awk '$1 ~ /^-/ {print $1}'); do
  grep -qF -e ".B $switch" -e ".BI $switch" <<<"$man_text" || fail "the man page does not describe $switch"
done

echo "== Debian package"
check "cpack" cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb"
deb=$(ls "$work"/deb/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for library in libsdl2-2.0-0 libpng16-16 libvorbisfile3 libc6; do
  [[ $depends == *"$library "* ]] || fail "the package does not depend on $library: $depends"
done
check "lintian" lintian --fail-on error,warning "$deb"
dpkg-deb -x "$deb" "$work/unpacked"
diff <(cd "$prefix" && find . -type f | sort) <(cd "$work/unpacked/usr" && find . -type f | sort) ||
  fail "the package and the installation hold different files"

# Starts an installed game with a fresh home, working folder and TMPDIR and
# checks it ran, found its data and wrote only into the per-user folder.
run_installed() {
  local top name=$2
  top=$(realpath "$1")
  local home=$work/$name-home cwd=$work/$name-cwd tmp=$work/$name-tmp
  mkdir -p "$home" "$cwd" "$tmp"
  local before after output
  before=$(find "$top" -printf '%p %s %T@ %m\n' | sort)
  if ! output=$(cd "$cwd" && env -u XDG_DATA_HOME HOME="$home" TMPDIR="$tmp" \
    "$top/games/plimb-zappets" --headless --fast --ticks 50 2>&1); then
    fail "the $name game failed: $output"
    return
  fi
  [[ $output == "updates=50 "* ]] || fail "the $name game said: $output"
  after=$(find "$top" -printf '%p %s %T@ %m\n' | sort)
  [[ $before == "$after" ]] || fail "the $name game changed its installation:"$'\n'"$(diff <(echo "$before") <(echo "$after"))"
  [[ -z $(find "$cwd" "$tmp" -mindepth 1) ]] || fail "the $name game wrote into its working folder or TMPDIR"
  local user="$home/.local/share/Plimb Zappets"
  local stray
  stray=$(cd "$home" && find . -mindepth 1 ! -path './.local' ! -path './.local/share' ! -path "./.local/share/Plimb Zappets*")
  [[ -z $stray ]] || fail "the $name game wrote outside its per-user folder: $stray"
  grep -qF "Game data \"$top/share/games/plimb-zappets/\"" "$user/DEBUG.TXT" ||
    fail "the $name game did not take its installed data"
}
echo "== the installed game"
run_installed "$prefix" prefix
run_installed "$work/unpacked/usr" package

if ((failures > 0)); then
  echo "$failures install checks failed"
  exit 1
fi
echo "Every install check passed."
