#!/usr/bin/env bash
# The layering check passes on the real tree and refuses, on small trees made for the purpose,
# every kind of include it exists to refuse.
set -uo pipefail
check="$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-layers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# tree NAME FILE:INCLUDE... makes a source tree whose FILE holds `#include INCLUDE` lines.
tree() {
    local root="$work/$1"
    shift
    mkdir -p "$root"
    for spec in "$@"; do
        local file=${spec%%:*} include=${spec#*:}
        mkdir -p "$root/$(dirname "$file")"
        [[ -n $include ]] && echo "#include $include" >>"$root/$file"
        touch "$root/$file"
    done
    echo "$root"
}

# expect pass|fail NAME ROOT [TEXT]: the check's verdict, and a text its complaint must hold.
expect() {
    local want=$1 name=$2 root=$3 text=${4:-}
    local out rc
    out=$(bash "$check" "$root" 2>&1)
    rc=$?
    if [[ $want == pass && $rc -ne 0 ]] || [[ $want == fail && $rc -eq 0 ]]; then
        echo "FAIL $name: expected the check to $want, it said:"
        echo "$out" | sed 's/^/    /'
        failures=$((failures + 1))
    elif [[ -n $text && $out != *"$text"* ]]; then
        echo "FAIL $name: the complaint does not say \"$text\":"
        echo "$out" | sed 's/^/    /'
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

expect pass "the source tree" "$(cd "$(dirname "$0")/../.." && pwd)/src"

expect pass "downward and own-folder includes" "$(tree down \
    'model/Site.cpp:"platform/Registry.h"' 'model/Site.cpp:"Site.h"' 'model/Site.h:' \
    'files/Reader.cpp:"model/Site.h"' 'files/xml/Plan.cpp:"files/Reader.h"' \
    'comms/Link.cpp:<string>' 'app/document/Doc.cpp:<QString>' 'app/document/Doc.cpp:"comms/Link.h"' \
    'app/document/Doc.cpp:"app/views/View.h"' 'app/views/View.h:')"

expect fail "an application subsystem that uses one above it" "$(tree app-up \
    'app/views/View.cpp:"app/document/Doc.h"' 'app/document/Doc.h:' 'app/Loose.cpp:')" \
    '"app/views" may not include "app/document/Doc.h"'

expect fail "an upward include" "$(tree up \
    'model/Site.cpp:"platform/Registry.h"' 'model/Site.cpp:"files/SCFSite.h"' 'files/SCFSite.h:')" \
    'model/Site.cpp:2: "model" may not include "files/SCFSite.h"'

expect fail "a sideways include" "$(tree sideways 'peripherals/Reader.cpp:"model/Unit.h"')" \
    '"peripherals" may not include "model/Unit.h"'

expect fail "two folders that include each other" "$(tree circle \
    'files/Reader.cpp:"files/xml/Plan.h"' 'files/xml/Plan.cpp:"files/Reader.h"')" \
    'circle'

expect fail "ui and wizard both ways" "$(tree floor \
    'ui/MainFrame.cpp:"wizard/Wizard.h"' 'wizard/Page.cpp:"ui/CabinetView.h"')" 'circle'

expect fail "Qt in the core" "$(tree qt 'model/Unit.cpp:<QString>')" 'includes a Qt header'

expect fail "a folder without a floor" "$(tree unknown 'gadgets/Thing.cpp:')" \
    'folder "gadgets" has no place'

expect fail "a relative include" "$(tree relative 'model/Unit.cpp:"../files/SCFSite.h"')" \
    'by its path from'

if [[ $failures -ne 0 ]]; then
    echo "$failures case(s) failed"
    exit 1
fi
