#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Brevant developers
# Installs a built tree into a temporary prefix and checks what arrived: the exact list of
# files, the runner's --help and --version, the man pages, the bash completion against the
# runner's own usage, the icon sizes, the systemd units, and the desktop entry and metainfo
# with their validators. Ends with 77 (skipped) when a validator is missing and everything
# else passed.
#
# usage: check-install.sh BUILD_DIR DESKTOP(ON|OFF) "ICON SIZES"
set -uo pipefail

build=$1
desktop=$2
read -r -a sizes <<<"${3//;/ }"  # a CMake list
appId=org.quillmoor.Brevant
failures=0
missingTools=()

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
  cat "$prefix.log"
  rm -f "$prefix.log"
  echo "FAIL: cmake --install did not succeed"
  exit 1
fi
rm -f "$prefix.log"
echo "installed into $prefix"

# The tree, file by file.
expected=(
  bin/brevant-cli
  lib/systemd/user/brevant-copy@.service
  lib/systemd/user/brevant-copy@.timer
  share/bash-completion/completions/brevant-cli
  share/doc/brevant/copyright
  share/man/man1/brevant-cli.1.gz
)
if [[ $desktop == ON ]]; then
  expected+=(
    bin/brevant
    "share/applications/$appId.desktop"
    "share/icons/hicolor/scalable/apps/$appId.svg"
    share/man/man1/brevant.1.gz
    "share/metainfo/$appId.metainfo.xml"
  )
  for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$appId.png")
  done
fi
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort) ||
  fail "the installed files differ from the list above (< expected, > installed)"
for program in "$prefix"/bin/*; do
  [[ -x $program ]] || fail "$program is not executable"
done

# The runner starts from the prefix and reports the project's version.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
cli=$prefix/bin/brevant-cli
help=$("$cli" --help) || fail "brevant-cli --help exited with $?"
[[ $(head -n 1 <<<"$help") == "Usage:" ]] || fail "brevant-cli --help does not begin with Usage:"
[[ $("$cli" --version) == "brevant-cli $version" ]] ||
  fail "brevant-cli --version says \"$("$cli" --version)\", not \"brevant-cli $version\""

# Man pages: compressed, naming the version, and free of formatting warnings.
for page in "$prefix"/share/man/man1/*.1.gz; do
  gzip -t "$page" || fail "$page is not a good gzip file"
  zcat "$page" | grep -q "^\.TH .* \"Brevant $version\"" || fail "$page does not name version $version"
  if command -v groff >/dev/null; then
    warnings=$(zcat "$page" | groff -man -ww -z -Tutf8 2>&1)
    [[ -z $warnings ]] || fail "$page: $warnings"
  fi
done

# The completion offers each command exactly the options its usage lines name.
for command in preview copy; do
  usage=$(grep "^  brevant-cli $command " <<<"$help" | grep -o -- '--[a-z-]*' | sort -u)
  offered=$(bash -c '
    source "$1"
    COMP_WORDS=(brevant-cli "$2" "")
    COMP_CWORD=2
    _brevant_cli
    printf "%s\n" "${COMPREPLY[@]}"' completion "$prefix/share/bash-completion/completions/brevant-cli" "$command" | sort -u)
  [[ -n $usage && $usage == "$offered" ]] ||
    fail "completion for \"$command\" offers [${offered//$'\n'/ }], the usage names [${usage//$'\n'/ }]"
done

# The user units parse, and name a program and a man page that were installed.
if command -v systemd-analyze >/dev/null; then
  units=$prefix/units
  mkdir -m 700 "$units" "$prefix/runtime"
  ln -s "$prefix/lib/systemd/user/brevant-copy@.service" "$units/brevant-copy@Nightly.service"
  ln -s "$prefix/lib/systemd/user/brevant-copy@.timer" "$units/brevant-copy@Nightly.timer"
  manCheck=yes
  command -v man >/dev/null || manCheck=no # the page itself was checked above
  if ! messages=$(cd "$units" && PATH="$prefix/bin:$PATH" MANPATH="$prefix/share/man" \
    XDG_RUNTIME_DIR="$prefix/runtime" systemd-analyze --user verify --man="$manCheck" \
    ./brevant-copy@Nightly.service ./brevant-copy@Nightly.timer 2>&1) || [[ -n $messages ]]; then
    fail "systemd-analyze verify: $messages"
  fi
  rm -rf "$units" "$prefix/runtime"
else
  echo "systemd-analyze is not installed: the systemd units were not checked"
fi

if [[ $desktop == ON ]]; then
  # Each PNG is as large as the folder it lies in says.
  for size in "${sizes[@]}"; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$appId.png
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
      awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
    [[ $width == "$size" && $height == "$size" ]] || fail "$png is ${width}x${height}, not ${size}x${size}"
  done

  entry=$prefix/share/applications/$appId.desktop
  metainfo=$prefix/share/metainfo/$appId.metainfo.xml
  exec=$(sed -n 's/^Exec=//p' "$entry")
  [[ -x $prefix/bin/${exec%% *} ]] || fail "the desktop entry starts \"$exec\", which was not installed"
  [[ $(sed -n 's/^Icon=//p' "$entry") == "$appId" ]] || fail "the desktop entry names another icon"
  grep -q "<release version=\"$version\" date=\"[0-9-]*\"/>" "$metainfo" ||
    fail "the metainfo does not name release $version"
  grep -q "<launchable type=\"desktop-id\">$appId.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $appId.desktop"

  if command -v desktop-file-validate >/dev/null; then
    if ! messages=$(desktop-file-validate "$entry" 2>&1) || [[ -n $messages ]]; then
      fail "desktop-file-validate: $messages"
    fi
  else
    missingTools+=("desktop-file-validate (Debian package desktop-file-utils)")
  fi
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --no-color "$metainfo" || fail "appstreamcli validate"
    # The tree as a whole: the metainfo's desktop entry is found where it names it.
    appstreamcli validate-tree --no-net --no-color "$prefix" || fail "appstreamcli validate-tree"
  else
    missingTools+=("appstreamcli (Debian package appstream)")
  fi
fi

if ((failures > 0)); then
  echo "$failures check(s) failed"
  exit 1
fi
if ((${#missingTools[@]} > 0)); then
  echo "SKIPPED: everything else passed, but these validators are not installed: ${missingTools[*]}"
  exit 77
fi
echo "all checks passed"
