#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Completes a table of command lines with the generated bash completion, as bash-completion
# loads it, and compares the candidates: commands, options, values after = too, CUPS queues
# from lpstat (a stand-in that lists two), test numbers from a demo year's basic data.
# Usage: completion_test.sh JITSURYOKU COMPLETIONS_DIR
set -uo pipefail
tool=$1 completions=$2
bash_completion=/usr/share/bash-completion/bash_completion
[ -f "$bash_completion" ] || { echo "skipped: bash-completion is not installed"; exit 77; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin" "$work/empty"
ln -s "$(realpath "$tool")" "$work/bin/jitsuryoku"
printf '#!/bin/sh\n[ "$1" = -e ] && printf "office-a\\noffice-b\\n"\n' >"$work/bin/lpstat"
chmod +x "$work/bin/lpstat"
"$tool" demo "$work/year" >/dev/null || exit 1

PATH="$work/bin:$PATH" bash --norc --noprofile -i 2>/dev/null <<EOF_BASH
source $bash_completion
source $completions/jitsuryoku
source $completions/jitsuryoku-scoreentry
failures=0
# The candidates for LINE, the cursor at its end: the words split as bash splits them at '='.
candidates() {
    local line=\$1
    COMP_LINE=\$line COMP_POINT=\${#line}
    read -ra COMP_WORDS <<<"\${line//=/ = }"
    [[ \$line == *" " || \$line == *= ]] && COMP_WORDS+=("")
    COMP_CWORD=\$((\${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    local function=\$(complete -p "\${COMP_WORDS[0]}" | awk '{print \$(NF-1)}')
    \$function "\${COMP_WORDS[0]}" "\${COMP_WORDS[COMP_CWORD]}" "\${COMP_WORDS[COMP_CWORD-1]}"
    printf '%s\n' "\${COMPREPLY[@]}" | sort | tr '\n' ' '
}
expect() {
    local got=\$(candidates "\$1")
    if [[ "\$got" != "\$2 " ]]; then
        echo "completion of '\$1': got '\$got', expected '\$2 '"
        failures=\$((failures + 1))
    fi
}
expect "jitsuryoku rep" "reports"
expect "jitsuryoku reports --gr" "--grade"
expect "jitsuryoku t" "tests trend"
expect "jitsuryoku help ex" "export"
expect "jitsuryoku questions " "import"
expect "jitsuryoku questions import --su" "--subject"
expect "jitsuryoku --d" "--data-dir"
expect "jitsuryoku export --format=c" "csv"
expect "jitsuryoku export --encoding " "cp932 utf-8"
expect "jitsuryoku reports --grade " "1 2 3"
expect "jitsuryoku summary --printer " "office-a office-b"
expect "jitsuryoku summary --printer=office-b" "office-b"
expect "jitsuryoku -C $work/year results --grade 2 --test " "1 2 3 4 5"
expect "jitsuryoku --data-dir=$work/empty results --test " ""
expect "jitsuryoku -C $work/year reports --test 1 --sc" "--scale"
expect "jitsuryoku-scoreentry --v" "--version"
exit \$((failures > 0))
EOF_BASH
status=$?
[ $status -eq 0 ] && echo "completion: every line completes as expected"
exit $status
