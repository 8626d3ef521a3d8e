# SPDX-License-Identifier: GPL-3.0-or-later
# What a test script does when something it needs is missing (a tool, a server, a bus).
# On a developer's machine it skips (exit 77, which CTest counts as skipped) and says why; under
# CI (CI set and not "false") a missing need is a failure, so that a skip never passes for green.
missing_need() {  # REASON...
  if [ -n "${CI:-}" ] && [ "${CI}" != false ] && [ "${CI}" != 0 ]; then
    echo "FAIL: $* (CI needs it; install it with scripts/install-deps)" >&2
    exit 1
  fi
  echo "skipped: $*"
  exit 77
}

need_tools() {  # TOOL...
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || missing_need "$tool is not installed"
  done
}
