#!/bin/sh
# Starts or stops the print system of the print tests: a CUPS scheduler of their
# own, with its configuration, spool and socket under DIR and one queue, the
# default, that writes every job as it receives it to DIR/out/job.pdf. Nothing of
# the machine's own print system is used or changed.
#   testprinter.sh start|stop DIR
set -eu
action=$1
dir=$2
here=$(cd "$(dirname "$0")" && pwd)

case $(basename "$dir") in
voxtrel-cups-*) ;;
*) echo "refusing to use $dir: not a voxtrel-cups-* folder" >&2; exit 2 ;;
esac

# Ends the scheduler and waits for it: it writes its state files on the way out.
stop() {
    [ -f "$dir/cupsd.pid" ] || return 0
    pid=$(cat "$dir/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    tries=0
    # An ended scheduler may stay a zombie until whoever adopted it reaps it.
    while ps -o stat= -p "$pid" | grep -qv '^Z' && [ $tries -lt 100 ]; do
        tries=$((tries + 1))
        sleep 0.1
    done
    rm -f "$dir/cupsd.pid"
}

case $action in
start)
    stop
    rm -rf "$dir"
    mkdir -p "$dir/spool" "$dir/cache" "$dir/state" "$dir/log" "$dir/ppd" "$dir/out"
    # The scheduler runs the queue's filter as an unprivileged user when started as root.
    chmod 755 "$dir"
    cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/printcap
ServerBin /usr/lib/cups
DataDir /usr/share/cups
FileDevice Yes
CONF
    cat >"$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
Order allow,deny
Allow all
</Location>
<Policy default>
<Limit All>
Order allow,deny
Allow all
</Limit>
</Policy>
CONF
    cat >"$dir/printers.conf" <<CONF
<DefaultPrinter voxtrel-test>
Info Voxtrel test printer
DeviceURI file://$dir/out/job.pdf
State Idle
Accepting Yes
Shared No
</DefaultPrinter>
CONF
    cp "$here/testprinter.ppd" "$dir/ppd/voxtrel-test.ppd"
    cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
    echo $! >"$dir/cupsd.pid"
    tries=0
    until CUPS_SERVER=$dir/cups.sock lpstat -r 2>/dev/null | grep -q 'scheduler is running'; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ] || ! kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null; then
            echo "the test print system did not start:" >&2
            cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
            stop
            exit 1
        fi
        sleep 0.1
    done
    ;;
stop)
    stop
    rm -rf "$dir"
    ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
