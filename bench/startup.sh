#!/usr/bin/env bash
# Start-up of the real program under Xvfb: time from launch to the main window on the screen and
# the program's peak memory (VmHWM, read a second after the window appears, when the first entry
# is shown), for vaults of 0, 1,000, 10,000 and 100,000 typical entries. Every run starts each
# size once, so the ratios to the empty vault are taken within one run; the summary gives the
# least of the runs.
#
#   bench/startup.sh [build folder] [runs] [sizes...]     (defaults: build 3 0 1000 10000 100000)
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"; runs="${2:-3}"; shift $(( $# > 2 ? 2 : $# ))
sizes=("$@"); [ ${#sizes[@]} -gt 0 ] || sizes=(0 1000 10000 100000)
[ "${sizes[0]}" = 0 ] || sizes=(0 "${sizes[@]}")
work="$(mktemp -d)"
cleanup() {
  if [ -n "${app:-}" ]; then kill "$app" 2>/dev/null || true; fi
  if [ -n "${xvfb:-}" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

for n in "${sizes[@]}"; do
  mkdir -p "$work/v$n"
  cp "$build/bin/quorlane" "$work/v$n/quorlane"
  cp "$build/bin/quorlane-vaultcheck" "$work/v$n/"
  "$build/bench/makebenchvault" "$work/v$n/gpwdfsc.mdb" "$n"
done

# -noreset: the server would otherwise reset whenever its last client leaves (each poll for the
# window is a client), and a program connecting meanwhile is refused and stops.
exec 3< <(Xvfb -displayfd 1 -noreset -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r -t 20 display <&3
export DISPLAY=":$display"
unset QT_QPA_PLATFORM

# Starts one program; sets ms (to the main window) and kb (peak memory).
measure() {
  local folder="$1" start now
  rm -rf "$work/config"
  start=$(date +%s%N)
  XDG_CONFIG_HOME="$work/config" "$folder/quorlane" >/dev/null 2>&1 &
  app=$!
  until xwininfo -name Quorlane >/dev/null 2>&1; do
    kill -0 "$app" 2>/dev/null || { echo "the program stopped" >&2; exit 1; }
  done
  now=$(date +%s%N)
  sleep 1
  local peak; peak=$(awk '/^VmHWM/ {print $2}' "/proc/$app/status")
  kill "$app"; wait "$app" 2>/dev/null || true; app=
  ms=$(( (now - start) / 1000000 )); kb=$peak
}

declare -A best_ms best_kb best_ratio
for run in $(seq 1 "$runs"); do
  echo "run $run:"
  base=0
  for n in "${sizes[@]}"; do
    measure "$work/v$n"
    [ "$n" = 0 ] && base=$ms
    ratio=$(awk -v a="$ms" -v b="$base" 'BEGIN { printf "%.2f", a / b }')
    printf "  %6d entries: %5d ms = %sx the empty vault, peak memory %6.1f MB\n" "$n" "$ms" "$ratio" "$(awk -v k="$kb" 'BEGIN { print k / 1024 }')"
    if [ -z "${best_ms[$n]:-}" ] || [ "$ms" -lt "${best_ms[$n]}" ]; then best_ms[$n]=$ms; fi
    if [ -z "${best_kb[$n]:-}" ] || [ "$kb" -lt "${best_kb[$n]}" ]; then best_kb[$n]=$kb; fi
    if [ -z "${best_ratio[$n]:-}" ] || awk -v a="$ratio" -v b="${best_ratio[$n]}" 'BEGIN { exit !(a < b) }'; then best_ratio[$n]=$ratio; fi
  done
done
echo "least of $runs runs (goal at 100,000: <= 1.5x the empty vault, peak memory < 100 MB):"
for n in "${sizes[@]}"; do
  printf "  %6d entries: %5d ms, ratio %sx, peak memory %6.1f MB\n" "$n" "${best_ms[$n]}" "${best_ratio[$n]}" "$(awk -v k="${best_kb[$n]}" 'BEGIN { print k / 1024 }')"
done
