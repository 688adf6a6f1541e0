#!/usr/bin/env bash
# The kill test for the three kinds of saved file, then the bad-input measurements.
# Usage: stress/run.sh BUILD KILLS   (KILLS per kind: 100 for the full run, 10 for a short one)
set -euo pipefail
build="$1"
kills="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for kind in csv settings urls draw; do
    "$build/stress/kelvor-stress" kill "$kind" "$kills" "$work/$kind"
done
"$build/stress/kelvor-stress" bad "$work/bad"
