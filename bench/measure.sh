#!/usr/bin/env bash
# measure.sh - what the installed program costs a desktop while it waits, and how fast it
# shows itself, measured from the outside and compared with the break reminders Debian
# ships (workrave, safeeyes, rsibreak), each in the same kind of session in the same run.
#
# Every run gets a fresh private desktop (tests/support/desktop-session.sh: Xvfb with two
# 1280x1024 monitors, openbox, tint2 as tray host, dunst, a private session bus), a stand-in
# system bus and an empty $HOME. Per program:
#   startup_ms  launch -> its icon docked into tint2's tray and viewable (tavelo-window-probe,
#               which timestamps X structure events as they happen)
#   rss, pss, uss  Rss/Pss/private pages from /proc/PID/smaps_rollup summed over the program's processes,
#               after --settle s and at the end of the idle window; the larger sample counts
#   cpu         CPU time of the program's processes over the --window s idle window, from a
#               cpuacct cgroup (ns, every thread and child) or else /proc ticks, per minute
#   ctxsw       voluntary+nonvoluntary switches of all threads (/proc/PID/task/*/status)
#               over the same window, per minute
#   overlay_ms  break start -> break windows mapped on both monitors.
#               Tavelo: its own run with a one-minute focus, the median of --overlay-breaks
#               breaks (windows built at the warning); then overlay_quick_ms, the median of
#               --quick-breaks breaks started at once through `tavelo break`, as from the
#               panel (windows built when the break starts). The break's start is the
#               "Microbreak" Notify call the program sends on the session bus the moment the
#               break begins, before it builds any window (dbus-monitor stamps it); the maps
#               are the MapNotify events of its two tavelo-overlay windows. Both stamps come
#               from CLOCK_REALTIME, outside the program.
#               Peers: from their own "break now" command to their first break window mapped
#               (so it includes the command's start); rsibreak has no such command (n/a).
# Idle: no input at all, the program's panel or main window closed, default settings.
#
# Usage: measure.sh [options] STAGE
#   --probe PATH      tavelo-window-probe (default: STAGE/../build*/bench or $PATH)
#   --window S        idle window (default 60)       --settle S   launch -> window start (default 10)
#   --peers "LIST"    peers to measure (default "workrave safeeyes rsibreak"; "" for none)
#   --install-peers   apt-get install missing peers first (root or sudo)
#   --out DIR         keep logs and the results there (default: a temp folder, removed)
#   --runs N          runs of Tavelo's idle measurement (default 1)
#   --settings FILE   settings.json for Tavelo's idle runs (default: none, the defaults)
#   --no-overlay      leave out Tavelo's overlay run
#   --overlay-breaks N  natural breaks in the overlay run (default 1; a minute each)
#   --quick-breaks N    breaks started at once in the overlay run (default 5)
# Prints one table (report.sh), budgets included; exits non-zero only when Tavelo could not
# be measured at all.
set -u
export LC_ALL=C

HERE=$(cd "$(dirname "$0")" && pwd)
SOURCE=$(cd "$HERE/.." && pwd)
SESSION=$SOURCE/tests/support/desktop-session.sh
log() { echo "[measure] $*" >&2; }

now_us() { local t=$EPOCHREALTIME; NOW=$((10#${t//[!0-9]/})); }
# ms with one decimal from a microsecond count
ms1() { local v=$1; ((v < 0)) && { echo "-$(ms1 $((-v)))"; return; }; echo "$((v / 1000)).$(((v % 1000) / 100))"; }
# a/b with one decimal
div1() {
  local a=$1 b=$2
  ((b == 0)) && { echo NA; return; }
  local x=$(((a * 10 + b / 2) / b))
  echo "$((x / 10)).$((x % 10))"
}

# ---------------------------------------------------------------- inside one desktop
# measure.sh --inside NAME MODE RESULT_FILE -- COMMAND...
#   MODE idle: startup, memory, CPU and switches;  overlay: startup and overlay time.
inside() {
  local name=$1 mode=$2 result=$3
  shift 4
  local run=$BENCH_RUN
  # Globals: the EXIT trap runs after this function's locals are gone.
  PIDS=() CG='' APP=''
  cleanup() {
    local p
    [[ -n ${APP:-} ]] && kill_tree
    for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null; done
    wait 2>/dev/null
    # A killed process leaves its cgroup a moment after it is reaped.
    local _
    for _ in 1 2 3 4 5 6 7 8 9 10; do
      [[ -z $CG ]] || rmdir "$CG" 2>/dev/null || { sleep 0.2; continue; }
      break
    done
  }
  trap cleanup EXIT
  trap 'exit 143' TERM INT

  # Some peers give up without a system bus; an empty one stands in.
  dbus-daemon --session --nofork --print-address=3 3>"$run/system-bus" >/dev/null 2>&1 &
  PIDS+=($!)
  if wait_file "$run/system-bus" 5; then
    DBUS_SYSTEM_BUS_ADDRESS=$(head -n1 "$run/system-bus")
    export DBUS_SYSTEM_BUS_ADDRESS
  fi

  "$BENCH_PROBE" --seconds 900 >"$run/probe.log" 2>"$run/probe.err" &
  PIDS+=($!)
  wait_line "$run/probe.log" '^ready' 15 || { echo "error=probe" >"$result"; return 1; }
  if [[ $mode == overlay ]]; then
    dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications'" >"$run/notify.log" 2>&1 &
    PIDS+=($!)
  fi
  sleep 1 # let the desktop settle: tint2 and dunst are still drawing

  # The program in a cgroup of its own, when we may make one: exact membership, exact CPU.
  if [[ -w /sys/fs/cgroup/cpuacct/cgroup.procs ]] && mkdir "/sys/fs/cgroup/cpuacct/tavelo-bench.$$" 2>/dev/null; then
    CG=/sys/fs/cgroup/cpuacct/tavelo-bench.$$
  fi
  local t0
  now_us
  t0=$NOW
  (
    [[ -n $CG ]] && echo "$BASHPID" >"$CG/cgroup.procs"
    cd "$HOME" && exec "$@" >"$run/app.log" 2>&1
  ) &
  APP=$!

  local startup=NA line
  if wait_line "$run/probe.log" '^tray ' 30; then
    line=$(grep -m1 '^tray ' "$run/probe.log")
    read -r _ t _ <<<"$line"
    startup=$(ms1 $((t - t0)))
  else
    log "$name: no tray icon within 30 s"
  fi
  [[ -n ${BENCH_AFTER_START:-} ]] && (cd "$run" && bash -c "$BENCH_AFTER_START") >"$run/after-start.log" 2>&1

  local -a fields=("name=$name" "mode=$mode" "startup_ms=$startup")
  if [[ $mode == idle ]]; then
    sleep_until $((t0 + BENCH_SETTLE * 1000000))
    local -a procs
    mapfile -t procs < <(app_pids)
    local m0 c0 w0 w1 c1 m1
    m0=$(mem_kb "${procs[@]}")
    c0=$(cpu_ns "${procs[@]}")
    ctx_sum "${procs[@]}" >"$run/ctx0"
    now_us
    w0=$NOW
    sleep "$BENCH_WINDOW"
    mapfile -t procs < <(app_pids)
    c1=$(cpu_ns "${procs[@]}")
    ctx_sum "${procs[@]}" >"$run/ctx1"
    now_us
    w1=$NOW
    m1=$(mem_kb "${procs[@]}")
    local span=$((w1 - w0)) switches voluntary
    read -r switches voluntary < <(ctx_delta "$run/ctx0" "$run/ctx1")
    read -r rss0 pss0 uss0 <<<"$m0"
    read -r rss1 pss1 uss1 <<<"$m1"
    # The larger of the two samples: a library page counts in full only while no other
    # process maps it, and other programs on the machine come and go.
    fields+=("rss_mb=$(div1 $((rss1 > rss0 ? rss1 : rss0)) 1024)" "pss_mb=$(div1 $((pss1 > pss0 ? pss1 : pss0)) 1024)"
      "uss_mb=$(div1 $((uss1 > uss0 ? uss1 : uss0)) 1024)" "uss_start_mb=$(div1 "$uss0" 1024)" "uss_end_mb=$(div1 "$uss1" 1024)"
      "pss_start_mb=$(div1 "$pss0" 1024)" "pss_end_mb=$(div1 "$pss1" 1024)"
      "cpu_ms_min=$(div1 $(((c1 - c0) / 1000 * 60000)) "$span")"
      "ctxsw_min=$(div1 $((switches * 60000000)) "$span")" "vol_min=$(div1 $((voluntary * 60000000)) "$span")"
      "cpu_source=$([[ -n $CG ]] && echo cgroup || echo ticks)"
      "procs=${#procs[@]}" "threads=$(thread_count "${procs[@]}")")
    [[ ${#procs[@]} -gt 0 ]] || fields+=("error=exited")
    if [[ -n ${BENCH_TRIGGER:-} ]]; then
      local tt
      [[ -n ${BENCH_PREPARE:-} ]] && (cd "$run" && bash -c "$BENCH_PREPARE") >"$run/prepare.log" 2>&1
      now_us
      tt=$NOW
      (cd "$run" && bash -c "$BENCH_TRIGGER") >"$run/trigger.log" 2>&1 &
      PIDS+=($!)
      local first=NA
      if wait_for 20 peer_window_after "$tt"; then
        first=$(ms1 $((PEER_MAP - tt)))
      fi
      fields+=("overlay_ms=$first" "overlay_note=trigger")
    fi
  else
    # Natural breaks (the windows are built at the warning), then breaks started at once
    # through the control interface, as the panel starts them (built when they start).
    local app_bin=$1 natural=${BENCH_OVERLAY_BREAKS:-1} quick=${BENCH_QUICK_BREAKS:-5} k maps=0
    local -a started=()
    for ((k = 1; k <= natural; k++)); do
      wait_for 100 overlay_maps $((maps + 2)) || break
      maps=$((maps + 2))
      wait_for 20 overlay_unmapped $maps || break
    done
    ((maps == 2 * natural)) || quick=0
    for ((k = 1; k <= quick; k++)); do
      "$app_bin" break micro >/dev/null 2>&1
      wait_for 10 overlay_maps $((maps + 2)) || break
      "$app_bin" skip >/dev/null 2>&1
      maps=$((maps + 2))
      wait_for 10 overlay_unmapped $maps || break
    done
    # Each break's start: the "Microbreak" Notify the program sends before it shows a window.
    mapfile -t started < <(awk '/member=Notify/ { t = $3; sub("time=", "", t); pending = 1; next }
                 pending && /string "Microbreak"/ { print t; pending = 0 }
                 /^(method|signal)/ { pending = 0 }' "$run/notify.log")
    # For each start, the moment the second of its windows was first mapped: the k-th pair
    # of overlay windows belongs to the k-th break. Windows built ahead may be mapped before
    # the notice reaches the bus, which makes the figure negative.
    local -a shown_us=()
    mapfile -t shown_us < <(printf '%s\n' "${started[@]}" | awk -v probe="$run/probe.log" '
      { t = $1; gsub(/[^0-9]/, "", t); start[++n] = t + 0 }
      END {
        while ((getline line < probe) > 0) {
          split(line, f, " ")
          if (f[1] == "map" && f[4] == "tavelo-overlay" && !(f[3] in seen)) { seen[f[3]] = 1; at[++m] = f[2] + 0 }
        }
        for (k = 1; k <= n; k++) {
          if (2 * k > m) { print "NA"; continue }
          last = at[2 * k] > at[2 * k - 1] ? at[2 * k] : at[2 * k - 1]
          print last - start[k]
        }
      }')
    local -a natural_ms=() quick_ms=()
    for ((k = 0; k < ${#shown_us[@]}; k++)); do
      [[ ${shown_us[k]} == NA ]] && continue
      if ((k < natural)); then natural_ms+=("${shown_us[k]}"); else quick_ms+=("${shown_us[k]}"); fi
    done
    if ((${#natural_ms[@]})); then
      fields+=("overlay_ms=$(ms1 "$(median_of "${natural_ms[@]}")")" "overlay_runs=${#natural_ms[@]}")
    else
      fields+=("overlay_ms=NA" "error=overlay(maps=$(grep -c ' tavelo-overlay ' "$run/probe.log"),starts=${#started[@]})")
    fi
    ((${#quick_ms[@]})) && fields+=("overlay_quick_ms=$(ms1 "$(median_of "${quick_ms[@]}")")" "overlay_quick_runs=${#quick_ms[@]}")
  fi
  echo "${fields[*]}" >"$result"
}

wait_file() { wait_for "$2" test -s "$1"; }
wait_line() { wait_for "$3" grep -q -- "$2" "$1"; }
wait_for() { # SECONDS COMMAND...: polls every 20 ms
  local end
  now_us
  end=$((NOW + $1 * 1000000))
  shift
  until "$@" >/dev/null 2>&1; do
    now_us
    ((NOW > end)) && return 1
    sleep 0.02
  done
}
sleep_until() {
  local rest
  now_us
  rest=$(($1 - NOW))
  ((rest > 0)) && sleep "$((rest / 1000000)).$(printf '%06d' $((rest % 1000000)))"
}
# Distinct overlay windows mapped (or unmapped) so far, at least $1 of them.
overlay_maps() { [[ $(awk '$1 == "map" && $4 == "tavelo-overlay" && !seen[$3]++' "$BENCH_RUN/probe.log" | wc -l) -ge $1 ]]; }
overlay_unmapped() { # by id: a window destroyed as it is unmapped has no class left to read
  [[ $(awk '$1 == "map" && $4 == "tavelo-overlay" { ours[$3] = 1 } $1 == "unmap" && ($3 in ours) && !seen[$3]++' \
    "$BENCH_RUN/probe.log" | wc -l) -ge $1 ]]
}
median_of() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : int((a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }
# The first window the peer maps after the trigger at $1 (any class but the desktop's own).
peer_window_after() {
  local what t rest
  while read -r what t rest; do
    [[ $what == map ]] || continue
    ((t >= $1)) || continue
    case $rest in *' tint2 '* | *' dunst '* | *' Dunst '* | *' openbox '*) continue ;; esac
    PEER_MAP=$t
    return 0
  done <"$BENCH_RUN/probe.log"
  return 1
}

alive() { [[ -r /proc/$1/stat ]] && ! grep -q ') [ZX] ' "/proc/$1/stat" 2>/dev/null; }
descendants() {
  local -A kids=()
  local s p pp rest
  for s in /proc/[0-9]*/stat; do
    { rest=$(<"$s"); } 2>/dev/null || continue
    p=${s#/proc/}
    p=${p%/stat}
    rest=${rest##*) }
    read -r _ pp _ <<<"$rest"
    kids[$pp]+=" $p"
  done
  local queue=("$@")
  while ((${#queue[@]})); do
    p=${queue[0]}
    queue=("${queue[@]:1}")
    for s in ${kids[$p]:-}; do
      echo "$s"
      queue+=("$s")
    done
  done
}
app_pids() {
  local p
  {
    if [[ -n $CG ]]; then cat "$CG/cgroup.procs"; else
      echo "$APP"
      descendants "$APP"
    fi
  } | sort -un | while read -r p; do alive "$p" && echo "$p"; done
}
mem_kb() { # RSS_kB PSS_kB USS_kB summed
  local p k v rss=0 pss=0 uss=0
  for p in "$@"; do
    while read -r k v _; do
      case $k in Rss:) rss=$((rss + v)) ;; Pss:) pss=$((pss + v)) ;; Private_Clean: | Private_Dirty:) uss=$((uss + v)) ;; esac
    done <"/proc/$p/smaps_rollup" 2>/dev/null
  done
  echo "$rss $pss $uss"
}
cpu_ns() {
  if [[ -n $CG ]]; then
    cat "$CG/cpuacct.usage"
    return
  fi
  local p s f total=0 hz
  hz=$(getconf CLK_TCK)
  for p in "$@"; do
    { s=$(<"/proc/$p/stat"); } 2>/dev/null || continue
    s=${s##*) }
    read -ra f <<<"$s"
    total=$((total + f[11] + f[12] + f[13] + f[14]))
  done
  echo $((total * 1000000000 / hz))
}
ctx_sum() { # one line per thread: TID VOLUNTARY NONVOLUNTARY NAME
  local p st k v tid vol invol name
  for p in "$@"; do
    for st in /proc/"$p"/task/*/status; do
      tid=${st%/status}
      tid=${tid##*/}
      vol=0 invol=0 name=-
      while read -r k v; do
        case $k in
          Name:) name=${v// /_} ;;
          voluntary_ctxt_switches:) vol=$v ;;
          nonvoluntary_ctxt_switches:) invol=$v ;;
        esac
      done <"$st" 2>/dev/null
      echo "$tid $vol $invol $name"
    done
  done
}
ctx_delta() { # "TOTAL VOLUNTARY": threads started during the window count from zero
  awk 'NR == FNR { v[$1] = $2; n[$1] = $3; next }
       { vol += $2 - v[$1]; invol += $3 - n[$1] }
       END { print vol + invol, vol + 0 }' "$1" "$2"
}
thread_count() {
  local p n=0 t
  for p in "$@"; do
    t=(/proc/"$p"/task/*)
    n=$((n + ${#t[@]}))
  done
  echo "$n"
}
kill_tree() {
  local -a all
  mapfile -t all < <(app_pids)
  alive "$APP" && all+=("$APP")
  ((${#all[@]})) || return 0
  kill -TERM "${all[@]}" 2>/dev/null
  local p left
  for _ in $(seq 30); do
    left=0
    for p in "${all[@]}"; do alive "$p" && left=1; done
    ((left)) || return 0
    sleep 0.1
  done
  kill -KILL "${all[@]}" 2>/dev/null
}

if [[ ${1:-} == --inside ]]; then
  shift
  inside "$@"
  exit $?
fi

# ---------------------------------------------------------------- outside: the whole run
STAGE='' PROBE='' WINDOW=60 SETTLE=10 PEERS="workrave safeeyes rsibreak" INSTALL_PEERS=0 OUT='' RUNS=1 SETTINGS='' OVERLAY=1
while (($#)); do
  case $1 in
    --probe) PROBE=$2; shift 2 ;;
    --window) WINDOW=$2; shift 2 ;;
    --settle) SETTLE=$2; shift 2 ;;
    --peers) PEERS=$2; shift 2 ;;
    --install-peers) INSTALL_PEERS=1; shift ;;
    --out) OUT=$2; shift 2 ;;
    --runs) RUNS=$2; shift 2 ;;
    --settings) SETTINGS=$(cd "$(dirname "$2")" && pwd)/$(basename "$2"); shift 2 ;;
    --no-overlay) OVERLAY=0; shift ;;
    --overlay-breaks) export BENCH_OVERLAY_BREAKS=$2; shift 2 ;;
    --quick-breaks) export BENCH_QUICK_BREAKS=$2; shift 2 ;;
    -h | --help) sed -n '2,/^set -u/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    -*) log "unknown option $1"; exit 2 ;;
    *) STAGE=$(cd "$1" && pwd); shift ;;
  esac
done
[[ -n $STAGE && -x $STAGE/bin/tavelo ]] || { log "usage: measure.sh [options] STAGE (STAGE/bin/tavelo missing)"; exit 2; }
[[ -f $STAGE/share/applications/com.tavelo.app.desktop ]] || log "warning: $STAGE is not an install (no desktop entry)"
if [[ -z $PROBE ]]; then
  PROBE=$(command -v tavelo-window-probe || true)
  for p in "$SOURCE"/build*/bench/tavelo-window-probe; do [[ -z $PROBE && -x $p ]] && PROBE=$p; done
fi
[[ -x $PROBE ]] || { log "tavelo-window-probe not found (build with -DTAVELO_BUILD_BENCH=ON)"; exit 2; }
for tool in Xvfb openbox tint2 dunst dbus-run-session dbus-monitor xdotool xrandr; do
  command -v "$tool" >/dev/null || { log "missing $tool (scripts/install-deps.sh)"; exit 2; }
done

if ((INSTALL_PEERS)); then
  missing=()
  for peer in $PEERS; do
    command -v "$peer" >/dev/null && continue
    missing+=("$peer")
    # Safe Eyes shows no tray icon without its recommended indicator library.
    [[ $peer == safeeyes ]] && missing+=(gir1.2-ayatanaappindicator3-0.1 xprintidle)
  done
  if ((${#missing[@]})); then
    log "installing ${missing[*]} (measured for comparison only)"
    SUDO=
    [[ $(id -u) -ne 0 ]] && SUDO=sudo
    { $SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"; } \
      >&2 || log "warning: could not install ${missing[*]}"
  fi
fi

KEEP=1
[[ -n $OUT ]] || { OUT=$(mktemp -d /tmp/tavelo-measure.XXXXXX); KEEP=0; }
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
RESULTS=$OUT/results.txt
: >"$RESULTS"
VERSION=$(sed -n 's/^project(Tavelo VERSION \([0-9.]*\).*/\1/p' "$SOURCE/CMakeLists.txt")

# One program on one fresh desktop. seed_* fill the empty home first.
measure_one() { # NAME MODE SEED AFTER_START PREPARE TRIGGER -- COMMAND...
  local name=$1 mode=$2 seed=$3 after=$4 prepare=$5 trigger=$6
  shift 7
  local run=$OUT/$name-$mode
  rm -rf "$run"
  mkdir -p "$run/home"
  chmod 700 "$run/home"
  (
    export HOME=$run/home XDG_CONFIG_HOME=$run/home/.config XDG_CACHE_HOME=$run/home/.cache
    export XDG_DATA_HOME=$run/home/.local/share XDG_STATE_HOME=$run/home/.local/state
    export XDG_RUNTIME_DIR=$run/runtime LANG=C.UTF-8 GDK_BACKEND=x11
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME"
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset TAVELO_PRIVATE_BUS TAVELO_NO_TRAY TAVELO_NO_NOTIFY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER \
      QT_QPA_PLATFORMTHEME DESKTOP_SESSION XDG_CURRENT_DESKTOP
    [[ -n $seed ]] && $seed "$XDG_CONFIG_HOME"
    export BENCH_RUN=$run BENCH_PROBE=$PROBE BENCH_WINDOW=$WINDOW BENCH_SETTLE=$SETTLE
    export BENCH_AFTER_START=$after BENCH_PREPARE=$prepare BENCH_TRIGGER=$trigger
    timeout -k 10 $((WINDOW + SETTLE + 150 + 70 * ${BENCH_OVERLAY_BREAKS:-1})) "$SESSION" "$HERE/measure.sh" --inside "$name" "$mode" "$run/result" -- "$@"
  ) >"$run/session.log" 2>&1
  if [[ -s $run/result ]]; then
    cat "$run/result" >>"$RESULTS"
    log "$(cat "$run/result")"
  else
    echo "name=$name mode=$mode error=no-result" >>"$RESULTS"
    log "$name ($mode): no result, see $run/session.log"
  fi
}

# Onboarding done and this version seen: no tour or What's New window while idle.
seed_tavelo_common() {
  mkdir -p "$1/Tavelo"
  printf '[General]\ncom.tavelo.app.onboardingCompleted=true\ncom.tavelo.app.lastSeenVersion=%s\n' "$VERSION" \
    >"$1/Tavelo/Tavelo.conf"
}
seed_tavelo_idle() { # default settings (25-minute focus) unless --settings names a file
  seed_tavelo_common "$1"
  [[ -z $SETTINGS ]] || cp "$SETTINGS" "$1/Tavelo/settings.json"
}
seed_tavelo_overlay() {
  seed_tavelo_common "$1"
  cat >"$1/Tavelo/settings.json" <<'JSON'
{
  "focusMinutes": 1,
  "idleThresholdSeconds": 0,
  "preBreakWarningSeconds": 10,
  "shortBreakSeconds": 5,
  "strictMode": true
}
JSON
}

# RSIBreak greets every fresh start with a dialog: confirm it, as a user would.
RSIBREAK_AFTER='w=$(timeout 10 xdotool search --sync --name "^Welcome" | head -1) && { xdotool windowactivate --sync "$w"; sleep 0.3; xdotool key Return; }'
WORKRAVE_TRIGGER='dbus-send --session --type=method_call --dest=org.workrave.Workrave /org/workrave/Workrave/UI org.workrave.ControlInterface.RestBreak'
# Safe Eyes pauses itself on an idle desktop: look busy for a few seconds before the break.
SAFEEYES_PREPARE='for i in 1 2 3 4 5; do xdotool mousemove_relative -- 5 5; sleep 0.8; done'
SAFEEYES_TRIGGER='safeeyes --take-break'

started=$(date +%s)
for ((r = 1; r <= RUNS; r++)); do
  measure_one tavelo idle seed_tavelo_idle "" "" "" -- "$STAGE/bin/tavelo"
done
((OVERLAY)) && measure_one tavelo overlay seed_tavelo_overlay "" "" "" -- "$STAGE/bin/tavelo"
for peer in $PEERS; do
  if ! command -v "$peer" >/dev/null; then
    log "$peer is not installed; skipped (measure.sh --install-peers)"
    echo "name=$peer mode=idle error=not-installed" >>"$RESULTS"
    continue
  fi
  case $peer in
    workrave) measure_one workrave idle "" "" "" "$WORKRAVE_TRIGGER" -- workrave ;;
    safeeyes) measure_one safeeyes idle "" "" "$SAFEEYES_PREPARE" "$SAFEEYES_TRIGGER" -- safeeyes ;;
    rsibreak) measure_one rsibreak idle "" "$RSIBREAK_AFTER" "" "" -- rsibreak ;;
    *) measure_one "$peer" idle "" "" "" "" -- "$peer" ;;
  esac
done
log "measured in $(($(date +%s) - started)) s; logs in $OUT"

# ---------------------------------------------------------------- the table
"$HERE/report.sh" "$RESULTS"
status=$?
((KEEP)) || rm -rf "$OUT"
exit $status
