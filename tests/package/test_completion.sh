#!/usr/bin/env bash
# The bash completion of tarvik-cli: a few completions, and every command and option of the
# program's usage offered. Usage: test_completion.sh COMPLETION_FILE TARVIK_CLI
completion=$1
cli=$2
source "$completion"
failures=0

# What completing the last word of a tarvik-cli command line offers, sorted, on one line.
offered() {
    COMP_WORDS=(tarvik-cli "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _tarvik_cli
    printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort -V | tr '\n' ' ' | sed 's/ $//'
}

expect() {
    local want=$1
    shift
    local got
    got=$(offered "$@")
    if [[ $got != "$want" ]]; then
        echo "FAIL: tarvik-cli $* -> '$got', expected '$want'"
        failures=$((failures + 1))
    fi
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
touch "$scratch/site12.stp" "$scratch/site13.stp"

expect "backup clear-history diff log program read report send set-site test-history view write" ""
expect "read report" r
expect "alarm calibration current history settings status" --port /dev/ttyUSB0 read ""
expect "300 1200 2400 9600" --baud ""
expect "--csv" --port /dev/ttyUSB0 read current --c
expect "--baud" --port /dev/ttyUSB0 --site 12 read current --json --b
expect "$scratch/site12.stp $scratch/site13.stp" --port /dev/ttyUSB0 diff "$scratch/site"
expect "" --port /dev/ttyUSB0 diff "$scratch/site12.stp" ""
expect "$scratch/site12.stp $scratch/site13.stp" --port /dev/ttyUSB0 log --csv "$scratch/s"
expect "zh" report SITE1.rtf --language z
expect "current,settings current,status" report SITE1.rtf --sections current,s
expect "--log-file" --port X log --l
expect "loopback" --port X send l
expect "--yes" --port X clear-history --y

# Every command and option the usage names is completed.
usage=$("$cli" --help)
commands=$(offered "")
options=$(offered -)
while read -r line; do
    for word in $line; do
        if [[ $word =~ ^[a-z]+$ ]]; then
            [[ " $commands " == *" $word "* ]] || {
                echo "FAIL: command '$word' of the usage is not completed"
                failures=$((failures + 1))
            }
            break
        fi
    done
done < <(grep -E '^(usage:| )' <<<"$usage")
for option in $(grep -oE -- '--[a-z-]+' <<<"$usage" | sort -u); do
    [[ " $options " == *" $option "* ]] || {
        echo "FAIL: option '$option' of the usage is not completed"
        failures=$((failures + 1))
    }
done

[[ $(complete -p tarvik-cli) == "complete -F _tarvik_cli tarvik-cli" ]] || {
    echo "FAIL: not registered for tarvik-cli"
    failures=$((failures + 1))
}
exit $((failures > 0))
