#!/usr/bin/env bash
# Runs every fuzz target (or those named) for SECONDS each, one after the other, on a working
# corpus kept in the build folder and seeded from fuzz/corpus and the test fixtures. Prints each
# target's closing figures (executions, coverage) and keeps findings in BUILD/fuzz/findings.
# Usage: fuzz/run.sh BUILD SECONDS [TARGET...]
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
seconds="$2"
shift 2
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(settings xml_schedule xml_vote xml_result html site_text csv
                                     clipboard catalogue page_schedule page_vote page_result team_names)
fixtures="$root/tests/data/web"

seeds() {
    case "$1" in
        xml_schedule) echo "$fixtures/minibig_schedule_1234.xml" ;;
        xml_vote) echo "$fixtures/minibig_vote_1234.xml" ;;
        xml_result) echo "$fixtures/minibig_result_1234.xml" ;;
        html) echo "$fixtures/schedule_1234.html $fixtures/vote_1234.html $fixtures/result_1234.html" ;;
        page_schedule) echo "$fixtures/schedule_1234.html" ;;
        page_vote) echo "$fixtures/vote_1234.html" ;;
        page_result) echo "$fixtures/result_1234.html" ;;
    esac
}

dictionary() {
    case "$1" in
        html | site_text | page_*) echo "-dict=$root/fuzz/official.dict" ;;
        xml_* | settings | team_names) echo "-dict=$root/fuzz/official-sjis.dict" ;;
    esac
}

failed=0
mkdir -p "$build/fuzz/findings"
for name in "${targets[@]}"; do
    program="$build/fuzz/fuzz_$name"
    corpus="$build/fuzz/corpus/$name"
    mkdir -p "$corpus"
    [ -d "$root/fuzz/corpus/$name" ] && cp -n "$root/fuzz/corpus/$name"/* "$corpus"/ 2>/dev/null
    for seed in $(seeds "$name"); do cp -n "$seed" "$corpus"/; done
    log="$build/fuzz/fuzz_$name.log"
    # Leak checks stay with the sanitizer suite: Qt keeps caches until exit.
    ASAN_OPTIONS="detect_leaks=0:${ASAN_OPTIONS:-}" \
        "$program" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -max_len=65536 \
        -print_final_stats=1 $(dictionary "$name") \
        -artifact_prefix="$build/fuzz/findings/$name-" "$corpus" >"$log" 2>&1
    status=$?
    done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1)
    if [ $status -ne 0 ]; then
        failed=1
        echo "fuzz_$name: FINDING (see $log)"
        grep -E 'Property failed|ERROR|SUMMARY' "$log" | head -5
    else
        echo "fuzz_$name: ${done_line:-no closing line} corpus $(ls "$corpus" | wc -l) files"
    fi
done
exit $failed
