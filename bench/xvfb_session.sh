# Sourced by the start-up benchmarks on a real X server. Given $build (the
# build folder), it builds shared/tools/firstframe.c there, starts an Xvfb of
# its own on a display it picks itself (ended when the script exits) and gives
# every run empty settings in a temporary home. It defines firstFrame, which
# times one run, and median.
# Needs libx11-dev, libxdamage-dev and xvfb, which bench/run.sh installs.

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
firstframeSource=${NUMERIKO_FIRSTFRAME_SOURCE:-$here/../../shared/tools/firstframe.c}
[[ -e $firstframeSource ]] || { echo "$0: $firstframeSource is missing" >&2; exit 1; }
firstframe=$build/bench/firstframe
[[ $firstframe -nt $firstframeSource ]] || cc -O2 -o "$firstframe" "$firstframeSource" -lX11 -lXdamage

work=$(mktemp -d "${TMPDIR:-/tmp}/numeriko-startup-XXXXXX")
xvfb=
cleanup() {
  if [[ -n $xvfb ]]; then
    kill -TERM "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display itself and names it once it takes connections.
: >"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for ((tries = 0; tries < 100; tries++)); do
  [[ $(wc -l <"$work/display") -ge 1 ]] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.1
done
if [[ $(wc -l <"$work/display") -lt 1 ]]; then
  echo "$0: Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi

DISPLAY=:$(<"$work/display")
export DISPLAY
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache XDG_DATA_HOME=$HOME/.local/share
mkdir -p "$XDG_CACHE_HOME" "$XDG_DATA_HOME"

# Appends "first_frame_ms peak_rss_kB last_drawing_ms" of one run of the
# command after $1 to the file $1 names: the time from the start of the
# process to the first drawing in its window, its peak resident set size once
# drawing has been quiet for 300 ms, and the time of its last drawing before
# that, as firstframe measures them.
firstFrame() {
  local into=$1 line map first settled rss
  shift
  rm -rf "$XDG_CONFIG_HOME"
  mkdir -p "$XDG_CONFIG_HOME"
  if ! line=$("$firstframe" -q 300 -t 30000 -- "$@" 2>"$work/stderr"); then
    echo "$0: $1 showed no window:" >&2
    cat "$work/stderr" >&2
    return 1
  fi
  read -r map first settled rss <<<"$line"
  if [[ $first == -* || $rss == -* ]]; then
    echo "$0: $1 did not draw its window (map $map ms, settled $settled ms):" >&2
    cat "$work/stderr" >&2
    return 1
  fi
  echo "$first $rss $settled" >>"$into"
}

median() { # of column $2 of the file $1
  cut -d' ' -f"$2" "$1" | sort -g |
    awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
