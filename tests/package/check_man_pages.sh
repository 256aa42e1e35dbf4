#!/usr/bin/env bash
# Renders each manual page as man does on a terminal and fails on any groff warning
# (a Japanese line that cannot be broken, an unknown character or macro, ...).
set -euo pipefail
status=0
for page in "$@"; do
  messages=$(groff -k -man -Tutf8 -ww -z "$page" 2>&1)
  if [ -n "$messages" ]; then
    echo "$page:"
    echo "$messages"
    status=1
  fi
done
exit $status
