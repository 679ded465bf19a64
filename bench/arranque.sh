#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start of the whole program to its window on screen, and its peak memory,
# measured from outside: each run starts `tramavox` under a private Xvfb in
# an empty folder, waits until the main window is mapped and visible (its
# first frame is drawn as it is exposed), waits a further half second for
# the start-up redraw, and ends it. Prints the median of the runs.
#
# Usage: bench/arranque.sh [runs]   (10 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
tramavox_install_missing xvfb xdotool time
tramavox_build build >/dev/null
programa=$PWD/build/tramavox
veces=${1:-10}

carpeta=$(mktemp -d)
# Xvfb picks a free display and writes its number once it is ready.
exec 3> >(cat > "$carpeta/pantalla")
# -noreset: without it the server restarts as each run's last client leaves,
# refusing the next run's connection meanwhile.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
trap 'kill $xvfb 2>/dev/null; rm -rf "$carpeta"' EXIT
# The number ends with a line end; until then it may be only partly written.
for _ in $(seq 100); do [ "$(wc -l < "$carpeta/pantalla")" -ge 1 ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$carpeta/pantalla")"

tiempos=() memorias=()
for i in $(seq "$veces"); do
  inicio=$(date +%s%N)
  (cd "$carpeta" && exec /usr/bin/time -f %M -o "$carpeta/memoria" "$programa" 2>>"$carpeta/errores") &
  envoltorio=$!
  # Polled every few milliseconds: xdotool's own --sync waits half a second
  # between looks.
  until xdotool search --onlyvisible --name 'Tramavox' >/dev/null 2>&1; do
    kill -0 "$envoltorio" 2>/dev/null || { echo "tramavox terminó antes de mostrar su ventana:" >&2; cat "$carpeta/errores" >&2; exit 1; }
    sleep 0.005
  done
  fin=$(date +%s%N)
  tiempos+=($(( (fin - inicio) / 1000000 )))
  sleep 0.5
  pkill -TERM -P "$envoltorio" -x tramavox || true
  wait "$envoltorio" 2>/dev/null || true
  memorias+=($(( $(grep -Eo '^[0-9]+' "$carpeta/memoria" | tail -1) / 1024 )))
done
mediana() { printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
echo "arranque hasta la ventana visible: mediana $(mediana "${tiempos[@]}") ms (${tiempos[*]})"
echo "memoria máxima (RSS): mediana $(mediana "${memorias[@]}") MB (${memorias[*]})"
