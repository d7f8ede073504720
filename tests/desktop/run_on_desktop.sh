#!/bin/sh
# Runs a test program on a virtual X display with a real window manager
# (openbox), so that its windows get frames and captions as on a desktop.
set -eu
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  ready=$(mktemp -u)
  openbox --startup "touch $ready" >/dev/null 2>&1 &
  manager=$!
  tries=0
  while [ ! -e "$ready" ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
  rm -f "$ready"
  status=0
  "$@" || status=$?
  kill $manager 2>/dev/null || true
  exit $status' sh "$@"
