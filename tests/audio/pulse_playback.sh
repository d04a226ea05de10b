#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The sound files through real audio: starts a private PulseAudio server whose only
# sink is a null sink, and lets check_playback.py play every file through the SDL
# media service while it records the sink's monitor.
#
#   pulse_playback.sh <kolvo-sound-player> <sounds dir>
#
# Exit 77 (skipped) where PulseAudio cannot run, unless CI is set: there that fails.
# The server is this script's child and is stopped on every way out, also when the
# script itself is killed.
set -u

player=$1
sounds=$2
here=$(cd "$(dirname "$0")" && pwd)

unavailable() {
  echo "sound_pulse_playback: $*" >&2
  if [ -n "${CI:-}" ]; then
    echo "FAIL: real audio must be checked in CI (CI=${CI})." >&2
    exit 1
  fi
  echo "SKIP: no real-audio check on this machine." >&2
  exit 77
}

for tool in pulseaudio pactl pacat python3 sox; do
  command -v "$tool" >/dev/null 2>&1 || unavailable "$tool is not installed (tools/install-deps.sh installs it)."
done

work=$(mktemp -d "${TMPDIR:-/tmp}/kolvo-pulse.XXXXXX")
server_pid=""
watchdog_pid=""

stop_server() {
  [ -n "$watchdog_pid" ] && kill "$watchdog_pid" 2>/dev/null
  if [ -n "$server_pid" ]; then
    kill "$server_pid" 2>/dev/null
    for _ in $(seq 50); do
      kill -0 "$server_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$server_pid" 2>/dev/null
    wait "$server_pid" 2>/dev/null
  fi
  server_pid=""
  watchdog_pid=""
}
trap 'stop_server; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM HUP

# Everything the server and its clients keep goes into the work directory.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config
export PULSE_RUNTIME_PATH=$work/run/pulse PULSE_STATE_PATH=$work/state
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$PULSE_RUNTIME_PATH" "$PULSE_STATE_PATH"
chmod 700 "$XDG_RUNTIME_DIR" "$PULSE_RUNTIME_PATH"
socket=$XDG_RUNTIME_DIR/kolvo-native
export PULSE_SERVER=unix:$socket

pulseaudio --daemonize=no --system=false --exit-idle-time=-1 -n --disallow-exit \
  --use-pid-file=false --disable-shm=true --realtime=false --high-priority=false \
  --log-target=stderr --log-level=warn \
  --load="module-null-sink sink_name=kolvo_null rate=44100 channels=2" \
  --load="module-native-protocol-unix socket=$socket auth-anonymous=1" \
  </dev/null >"$work/pulse.log" 2>&1 &
server_pid=$!
# Should this script be killed outright, the watchdog still stops the server.
( while kill -0 $$ 2>/dev/null; do sleep 1; done; kill "$server_pid" 2>/dev/null ) </dev/null >/dev/null 2>&1 &
watchdog_pid=$!

ready=""
for _ in $(seq 100); do
  kill -0 "$server_pid" 2>/dev/null || break
  if pactl info >/dev/null 2>&1; then ready=1; break; fi
  sleep 0.1
done
if [ -z "$ready" ]; then
  sed 's/^/  pulseaudio: /' "$work/pulse.log" >&2
  stop_server
  unavailable "PulseAudio did not start."
fi

python3 "$here/check_playback.py" "$player" "$sounds" "$work/check"
