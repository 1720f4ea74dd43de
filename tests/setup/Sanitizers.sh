#!/usr/bin/env bash
# The sanitize build stops what its sanitizers are there for: SanitizerProbe's heap overflow with
# AddressSanitizer's report and its signed overflow with UndefinedBehaviorSanitizer's, each time
# with a failing exit code, so that a test that trips either one fails.
# Usage: Sanitizers.sh PROBE   (an empty PROBE: the build has no sanitizers)
set -euo pipefail
probe=$1
if [ -z "$probe" ]; then
  echo "FAIL: the sanitize preset's build was configured without the sanitizers (CV_SANITIZE)" >&2
  exit 1
fi

check() {
  local case=$1 report=$2 output status=0
  shift 2
  output=$("$probe" "$@" 2>&1) || status=$?
  if [ "$status" -eq 0 ] || ! grep -q "$report" <<<"$output"; then
    printf 'FAIL (%s): exit code %s, output:\n%s\n' "$case" "$status" "$output" >&2
    exit 1
  fi
}

check "heap overflow" "ERROR: AddressSanitizer: heap-buffer-overflow" heap
check "signed overflow" "runtime error: signed integer overflow"
echo "PASS: a heap overflow and a signed overflow each stop the program with the sanitizer's report"
