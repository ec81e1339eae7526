#!/bin/sh
# Runs one statement through Tessellon's automation interface on the D-Bus
# session bus and prints the result file: the record count, the statement,
# and one line per hit with every value followed by "; ".
#
#   examples/automation-search.sh "SELECT Filename, Size FROM System..SCOPE() WHERE CONTAINS(Contents, 'invoice')" [RESULT-FILE]
#
# A running Tessellon serves the call; with none running, the bus starts one
# once `tessellon -REGSERVERPERUSER` has registered it. MAX_RECORDS sets the
# result limit (0: no limit).
set -eu

statement=${1:?usage: $0 STATEMENT [RESULT-FILE]}
result_file=${2:-$(mktemp --suffix=.txt)}

dest=example.korvane.Tessellon
object=/example/korvane/Tessellon/Automation
interface=example.korvane.Tessellon.IAutomation

call() {
    gdbus call --session --dest "$dest" --object-path "$object" --method "$@"
}

# The statement as a GVariant string: backslashes and double quotes escaped.
quoted=$(printf '%s' "$statement" | sed 's/\\/\\\\/g; s/"/\\"/g')
call org.freedesktop.DBus.Properties.Set "$interface" SQL "<\"$quoted\">" >/dev/null
call org.freedesktop.DBus.Properties.Set "$interface" MaxRecords "<int32 ${MAX_RECORDS:-400}>" >/dev/null
answer=$(call "$interface.Search" "$result_file")
count=$(printf '%s' "$answer" | tr -dc '0-9-')
if [ "$count" = "-1" ]; then
    echo "The search wrote no hits to $result_file:" >&2
    [ -f "$result_file" ] && cat "$result_file" >&2
    exit 1
fi
cat "$result_file"
