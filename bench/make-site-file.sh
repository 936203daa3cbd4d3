#!/bin/sh
# Writes one site configuration file of COUNT configurations (default 10,000), taken in turn
# from the two cabled samples and named apart, for measuring the reader and `validate` on the
# command line against `wc -l` of the same file:
#   bench/make-site-file.sh /tmp/sites.hwc 10000
#   /usr/bin/time -v cabrion-cli validate /tmp/sites.hwc; time wc -l /tmp/sites.hwc
set -eu
out=${1:?usage: make-site-file.sh OUT.hwc [COUNT]}
count=${2:-10000}
samples=$(dirname "$0")/../docs/samples
awk -v count="$count" '
    FNR == 1 { file++ }
    /^\\SITE_NAME/ { inside[file] = 1 }
    /^\\EOF/ { inside[file] = 0 }
    file == 1 && !/^\\SITE_NAME/ && !seen[file] { head = head $0 "\n" }
    /^\\SITE_NAME/ { seen[file] = 1 }
    inside[file] { block[file] = block[file] $0 "\n" }
    END {
        printf "%s", head
        for (n = 0; n < count; n++) {
            b = block[n % 2 + 1]
            sub(/"[^"]*"/, "\"Site " n "\"", b)
            printf "%s", b
        }
        printf "\\EOF                      \r\n"
    }
' "$samples/harbour-4x3.hwc" "$samples/chapel-2x3.hwc" > "$out"
