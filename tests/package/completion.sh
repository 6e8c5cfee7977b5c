#!/usr/bin/env bash
# The bash completion of veltrin-report, with the bash-completion package and without it: the
# options, the views, formats and styles after their options, files after -o, directories after
# --data.
#   bash completion.sh COMPLETION-FILE
set -u

completion=$1
if [ ! -r /usr/share/bash-completion/bash_completion ]; then
    echo "bash-completion is missing; run \`bash scripts/install-deps.sh\` first" >&2
    exit 1
fi

scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/data-dir"
touch "$scratch/day.rtf"

failures=0

# Completes the last word of the given command line and compares the sorted answers.
expect() {
    local want=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _veltrin_report veltrin-report "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
    got=${got% }
    if [ "$got" != "$want" ]; then
        echo "$mode: [$*] gave [$got], expected [$want]" >&2
        failures=$((failures + 1))
    fi
}

run_checks() {
    expect "--view" veltrin-report --vi
    expect "--no-fasting --no-readings" veltrin-report --no-
    expect "--all-styles" veltrin-report --all
    expect "day feasts month select week year" veltrin-report --view ""
    expect "feasts" veltrin-report --date 2026-1-1 --view f
    expect "ics json rtf text" veltrin-report --format ""
    expect "1 2 3" veltrin-report --style ""
    expect "days fasts feasts" veltrin-report --format ics --events ""
    expect "feasts,days feasts,fasts" veltrin-report --events feasts,
    expect "$scratch/data-dir" veltrin-report --data "$scratch/"
    expect "$scratch/data-dir $scratch/day.rtf" veltrin-report -o "$scratch/"
    expect "" veltrin-report --date ""
}

# Without bash-completion: only bash's own compgen.
mode="plain bash"
# shellcheck source=/dev/null
source "$completion"
if ! complete -p veltrin-report >/dev/null 2>&1; then
    echo "$mode: $completion registers no completion for veltrin-report" >&2
    exit 1
fi
run_checks

# With bash-completion, as an interactive shell has it.
mode="bash-completion"
# shellcheck source=/dev/null
source /usr/share/bash-completion/bash_completion
# shellcheck source=/dev/null
source "$completion"
run_checks

exit $((failures > 0))
