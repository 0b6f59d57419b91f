#!/bin/sh
# Runs inside dbus-run-session, whose bus reads the service file that
# "-RegServer" wrote under $XDG_DATA_HOME. $1 is the program, $2 a scratch folder.
# Prints what went wrong and exits non-zero on the first failure.
program="$1"
scratch="$2"
name=org.orvex.Strakon

owned() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        "string:$name" 2>/dev/null | grep -q "boolean true"
}
released() { ! owned; }
# Waits up to 20 s for a condition.
within() {
    i=0
    while [ $i -lt 200 ]; do
        "$@" && return 0
        sleep 0.1
        i=$((i + 1))
    done
    return 1
}
fail() {
    echo "$1"
    kill $first $second 2>/dev/null
    exit 1
}
first=""
second=""

"$program" >"$scratch/first.log" 2>&1 &
first=$!
within owned || fail "the first instance never owned $name"
"$program" >"$scratch/second.log" 2>&1 &
second=$!
sleep 2
kill -0 $second 2>/dev/null || fail "the second instance did not keep running: $(cat "$scratch/second.log")"
grep -q "running without it" "$scratch/second.log" || fail "the second instance logged nothing: $(cat "$scratch/second.log")"
kill $second $first
wait $second $first 2>/dev/null
first=""
second=""
within released || fail "$name stayed owned after both instances ended"

# A client asks for the name: the bus starts "-Automation", which ends when the client has gone.
dbus-send --session --print-reply --dest=$name /Application org.freedesktop.DBus.Introspectable.Introspect \
    >"$scratch/introspect.txt" 2>&1 || fail "activation failed: $(cat "$scratch/introspect.txt")"
grep -q "org.orvex.Strakon.IApplication" "$scratch/introspect.txt" || fail "no IApplication: $(cat "$scratch/introspect.txt")"
within released || fail "the automation instance kept running after its client left"
echo OK
