# The test run's book of stages, sourced by scripts/test.sh: each stage writes "<stage> <passed>
# <failed>" lines to $results. A stage that never reports (its runner crashed or was killed before
# writing) or that ends by a signal or a time limit counts as failed, by name, so that the summary
# cannot end "0 failed" over a dead stage.

expected_stages=()

# Names stages that are to report.
expect_stages() { expected_stages+=("$@"); }

# Records how a stage's runner ended: cut by timeout's limit (124) or ended by a signal (128 + N:
# 137 after timeout's --kill-after, a crash, an out-of-memory kill) is a failure of its own; an
# ordinary non-zero exit is left to what the stage wrote.
note_runner_end() {  # label, exit status
    local label=$1 code=$2
    if [ "$code" -eq 124 ]; then
        echo "$label: cut by its time limit"
        echo "$label-time-limit 0 1" >> "$results"
    elif [ "$code" -gt 128 ]; then
        echo "$label: ended by signal $((code - 128))"
        echo "$label-signal-$((code - 128)) 0 1" >> "$results"
    fi
}

# Adds a failure for every expected stage that wrote nothing, prints the book and its last line
# "N passed, N failed", and returns non-zero on any failure.
close_stages() {
    local stage passed failed
    for stage in "${expected_stages[@]}"; do
        if ! grep -q "^$stage " "$results"; then
            echo "$stage: did not report"
            echo "$stage-missing 0 1" >> "$results"
        fi
    done
    echo "== summary"
    cat "$results"
    read -r passed failed < <(awk '{p += $2; f += $3} END {print p + 0, f + 0}' "$results")
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
