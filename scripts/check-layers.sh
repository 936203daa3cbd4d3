#!/usr/bin/env bash
# Checks that the folders below src/ depend on each other only downwards:
#   - an include names a folder that the including folder may use (the table below);
#   - no two folders (subfolders included) include each other, directly or round a circle;
#   - the core folders include no Qt header.
# An include is `#include "folder/File.h"`, a path from src/; an include without a folder is
# the including file's own folder. Usage: scripts/check-layers.sh [SOURCE_ROOT] (default src).
set -euo pipefail
cd "$(dirname "$0")/.."
root=${1:-src}

# What each folder may include besides itself, lowest floor first. A folder that is not listed
# is an error, so that a new folder gets its place here before it gets code. ui and wizard are
# one floor: each may use the other, but not both ways (that is a circle).
layers='
platform:
model:       platform
files:       model platform
rules:       files model platform
comms:       rules files model platform
sim:         comms rules files model platform
peripherals: platform
app:         sim comms rules files model platform peripherals
paint:       app sim comms rules files model platform peripherals
ui:          wizard paint app sim comms rules files model platform peripherals
wizard:      ui paint app sim comms rules files model platform peripherals
'
core='platform model files rules comms sim peripherals'

# The same for the subfolders of app, which holds subfolders only: each subsystem of the
# application shell may use those listed after it, and none of the others.
app_layers='
views:
pages:     views
settings:
passive:
commands:  views
startup:   settings
options:   settings
link:      commands startup settings
document:  link commands passive settings startup pages views
transfer:  document link commands settings
search:    document commands settings views pages
dossier:   document passive settings views pages
wizard:    document link commands passive settings pages views
'

edges=$(mktemp)
trap 'rm -f "$edges"' EXIT

fail=0
known=$(echo "$layers" | sed -n 's/^\([a-z]*\):.*/\1/p')
for dir in "$root"/*/; do
    name=$(basename "$dir")
    if ! grep -qx "$name" <<<"$known"; then
        echo "check-layers: folder \"$name\" has no place in the table of scripts/check-layers.sh" >&2
        fail=1
    fi
done
known_app=$(echo "$app_layers" | sed -n 's/^\([a-z]*\):.*/\1/p')
if [[ -d $root/app ]]; then
    for dir in "$root"/app/*/; do
        [[ -d $dir ]] || continue
        name=$(basename "$dir")
        if ! grep -qx "$name" <<<"$known_app"; then
            echo "check-layers: folder \"app/$name\" has no place in the app table of scripts/check-layers.sh" >&2
            fail=1
        fi
    done
    for file in "$root"/app/*; do
        if [[ -f $file ]]; then
            echo "check-layers: $file lies at the top of app; it belongs in the subfolder of its subsystem" >&2
            fail=1
        fi
    done
fi
find "$root" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z |
    xargs -0 -r awk -v root="$root" -v layers="$layers" -v app_layers="$app_layers" -v core="$core" -v edges="$edges" '
    BEGIN {
        n = split(layers, rows, "\n")
        for (i = 1; i <= n; i++) {
            if (split(rows[i], f, ":") < 2) continue
            known[f[1]] = 1
            m = split(f[2], uses, " ")
            for (j = 1; j <= m; j++) may[f[1], uses[j]] = 1
            sub(/^[ \t]+/, "", f[2])
            list[f[1]] = f[2]
        }
        n = split(app_layers, rows, "\n")
        for (i = 1; i <= n; i++) {
            if (split(rows[i], f, ":") < 2) continue
            m = split(f[2], uses, " ")
            for (j = 1; j <= m; j++) appMay[f[1], uses[j]] = 1
            sub(/^[ \t]+/, "", f[2])
            appList[f[1]] = f[2]
        }
        m = split(core, c, " ")
        for (j = 1; j <= m; j++) isCore[c[j]] = 1
    }
    function complain(text) { print "check-layers: " text > "/dev/stderr"; bad = 1 }
    FNR == 1 {
        rel = substr(FILENAME, length(root) + 2)
        dir = rel; sub(/\/[^\/]*$/, "", dir)
        top = rel; sub(/\/.*/, "", top)
    }
    /^[ \t]*#[ \t]*include[ \t]*</ && $0 ~ /<Q/ && (top in isCore) {
        complain(FILENAME ":" FNR ": \"" top "\" is core code and includes a Qt header")
    }
    /^[ \t]*#[ \t]*include[ \t]*"/ {
        target = $0; sub(/^[^"]*"/, "", target); sub(/".*/, "", target)
        if (target !~ /\//) next
        if (target ~ /(^|\/)\.\.?\//) {
            complain(FILENAME ":" FNR ": include \"" target "\" by its path from " root "/")
            next
        }
        tdir = target; sub(/\/[^\/]*$/, "", tdir)
        ttop = target; sub(/\/.*/, "", ttop)
        if (ttop != top && !((top, ttop) in may)) {
            if (ttop in known)
                complain(FILENAME ":" FNR ": \"" top "\" may not include \"" target "\" (it may use: " (list[top] == "" ? "nothing" : list[top]) ")")
            else
                complain(FILENAME ":" FNR ": \"" target "\" is in no folder of the table")
        }
        if (top == "app" && ttop == "app") {
            sub1 = rel; sub(/^app\//, "", sub1); sub(/\/.*/, "", sub1)
            sub2 = target; sub(/^app\//, "", sub2); sub(/\/.*/, "", sub2)
            if (sub1 != sub2 && !((sub1, sub2) in appMay))
                complain(FILENAME ":" FNR ": \"app/" sub1 "\" may not include \"" target "\" (it may use: " (appList[sub1] == "" ? "nothing" : appList[sub1]) ")")
        }
        if (tdir != dir) print dir, tdir > edges
    }
    END { exit bad }
' || fail=1

# tsort names every circle it finds; folders that include each other are a fault even where the
# table lets each use the other.
if [[ -s $edges ]]; then
    loops=$(sort -u "$edges" | tsort 2>&1 >/dev/null || true)
    if [[ -n $loops ]]; then
        echo "check-layers: folders include each other in a circle:" >&2
        echo "$loops" | sed -E 's/^tsort: .*loop.*/  circle:/; s/^tsort: /    /' >&2
        fail=1
    fi
fi

if [[ $fail -ne 0 ]]; then
    echo "check-layers: failed; docs/STYLE.md describes the layers" >&2
    exit 1
fi
echo "check-layers: every include in $root/ points down"
