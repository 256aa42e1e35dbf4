#!/usr/bin/env bash
# Shows whether the tests catch faults: each patch in tools/faults/ (a small deliberate
# fault in src/) is applied on its own, the program is built and the tests are run; a
# fault is caught when at least one test fails. Prints a table at the end.
#
#   tools/fault-check.sh [PATCH...]     default: every tools/faults/*.patch
#
# Exit status: 0 every fault caught, 1 some fault missed or not applied, 2 no start (the
# tree does not build or its tests fail without a fault). Logs stay in build-faults/.
#
# The faults go into a copy of the working tree (build-faults/tree, built in
# build-faults/build), never into the tree itself, so an interrupted run leaves nothing
# to undo and build/ is not disturbed. The copy is refreshed from the working tree at the
# start, uncommitted changes included. Each patch is taken out again with patch -R, which
# gives the files a new time stamp so that the next build recompiles them.
# Tests labelled "package" (cpack, lintian, man pages) and "bench" (benchmark smoke runs)
# are left out: they check packaging and speed, which none of the faults touch. Other
# labels can be left out as well, e.g. FAULT_CHECK_EXCLUDE='package|bench|planner'.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build-faults
tree=$out/tree
build=$out/build
jobs=$(nproc)
exclude=${FAULT_CHECK_EXCLUDE:-package|bench}

patches=("$@")
[ ${#patches[@]} -eq 0 ] && patches=("$root"/tools/faults/*.patch)

# Copies the working tree's files that differ; unchanged files keep their time stamps,
# so the build stays incremental. Files gone from the working tree go from the copy too
# (the tests of a folder are globbed).
refresh_tree() {
  local f
  mkdir -p "$tree"
  (cd "$root" && git -c core.quotePath=false ls-files -co --exclude-standard |
    while IFS= read -r f; do [ -f "$f" ] && echo "$f"; done | LC_ALL=C sort) >"$out/files.txt"
  while IFS= read -r f; do
    if ! cmp -s "$root/$f" "$tree/$f"; then
      mkdir -p "$(dirname "$tree/$f")"
      cp -P "$root/$f" "$tree/$f"
    fi
  done <"$out/files.txt"
  (cd "$tree" && find . -type f -printf '%P\n' | LC_ALL=C sort |
    LC_ALL=C comm -23 - "$out/files.txt" | while IFS= read -r f; do rm -f "$f"; done)
}

applied=""
take_out() {
  if [ -n "$applied" ]; then
    patch -s -R -p1 -d "$tree" <"$applied" || echo "fault-check: could not take out $applied" >&2
    applied=""
  fi
}
trap take_out EXIT
trap 'exit 130' INT TERM

# Builds and runs the tests; prints the failed tests' names. Status: 0 all passed,
# 1 some failed, 2 the build failed.
build_and_test() {
  rm -f "$out/ctest.log"
  cmake --build "$build" -j"$jobs" >"$out/build.log" 2>&1 || return 2
  (cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j"$jobs" -LE "^($exclude)\$" \
    --timeout 300 >"$out/ctest.log" 2>&1) && return 0
  sed -n 's/^[0-9]*:\(.*\)$/\1/p' "$build/Testing/Temporary/LastTestsFailed.log" | tr '\n' ' '
  return 1
}

refresh_tree
cmake -S "$tree" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$out/cmake.log" 2>&1 ||
  { echo "fault-check: cmake failed, see $out/cmake.log" >&2; exit 2; }
echo "fault-check: building the tree without faults"
failed=$(build_and_test)
case $? in
  2) echo "fault-check: the tree does not build, see $out/build.log" >&2; exit 2 ;;
  1) echo "fault-check: tests fail without any fault: $failed" >&2; exit 2 ;;
esac

results=()
for p in "${patches[@]}"; do
  name=$(basename "$p" .patch)
  if ! patch -s -p1 --dry-run -d "$tree" <"$p" >/dev/null; then
    results+=("$name|DOES NOT APPLY|")
    continue
  fi
  patch -s -p1 -d "$tree" <"$p" && applied=$p
  echo "fault-check: $name"
  failed=$(build_and_test)
  status=$?
  cp "$out/ctest.log" "$out/ctest-$name.log" 2>/dev/null
  case $status in
    0) results+=("$name|missed|") ;;
    1) results+=("$name|caught|$failed") ;;
    2)
      cp "$out/build.log" "$out/build-$name.log"
      results+=("$name|BUILD FAILED|see build-faults/build-$name.log")
      ;;
  esac
  take_out
done

{
  printf '%-36s %-8s %s\n' fault result "failing tests"
  for r in "${results[@]}"; do
    IFS='|' read -r name result tests <<<"$r"
    printf '%-36s %-8s %s\n' "$name" "$result" "$tests"
  done
} | tee "$out/results.txt"
for r in "${results[@]}"; do
  [[ $r == *"|caught|"* ]] || exit 1
done
