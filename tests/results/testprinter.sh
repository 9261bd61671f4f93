#!/bin/sh
# Starts or stops the print system of the print test: a CUPS scheduler of its own,
# everything under DIR, and one queue, the default, whose one filter passes PDF on
# unchanged to DIR/out/job.pdf. The machine's own print system is left alone.
#   testprinter.sh start|stop DIR
set -eu
dir=$2
case $(basename "$dir") in voxtrel-cups-*) ;; *) echo "refusing to use $dir" >&2; exit 2 ;; esac

# Ends the scheduler and waits for it (it writes its state on the way out; it may stay a zombie).
stop() {
    pid=$(cat "$dir/cupsd.pid" 2>/dev/null) || return 0
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 100); do ps -o stat= -p "$pid" | grep -qv '^Z' || break; sleep 0.1; done
    rm -rf "$dir"
}

stop
[ "$1" = start ] || exit 0
mkdir -p "$dir/spool" "$dir/out" "$dir/ppd"
printf '%s\n' '*PPD-Adobe: "4.3"' '*FormatVersion: "4.3"' '*FileVersion: "1.0"' '*LanguageVersion: English' \
    '*LanguageEncoding: ISOLatin1' '*PCFileName: "VXTEST.PPD"' '*Manufacturer: "Voxtrel"' '*Product: "(Test)"' \
    '*ModelName: "Voxtrel Test"' '*ShortNickName: "Voxtrel Test"' '*NickName: "Voxtrel Test"' \
    '*cupsFilter2: "application/pdf application/vnd.cups-pdf 0 gziptoany"' '*OpenUI *PageSize: PickOne' \
    '*DefaultPageSize: A4' '*PageSize A4: "<</PageSize[595 842]>>setpagedevice"' '*CloseUI: *PageSize' \
    '*DefaultImageableArea: A4' '*ImageableArea A4: "18 36 577 806"' '*DefaultPaperDimension: A4' \
    '*PaperDimension A4: "595 842"' >"$dir/ppd/voxtrel-test.ppd"
# The scheduler runs the queue as an unprivileged user when started as root.
chmod 755 "$dir"
printf '%s\n' "ServerRoot $dir" "RequestRoot $dir/spool" "TempDir $dir/spool" "CacheDir $dir" \
    "StateDir $dir" "ErrorLog $dir/error_log" "AccessLog $dir/access_log" "PageLog $dir/page_log" \
    "Printcap $dir/printcap" "FileDevice Yes" >"$dir/cups-files.conf"
printf '%s\n' "Listen $dir/cups.sock" "Browsing No" "WebInterface No" "DefaultAuthType None" \
    "<Policy default>" "<Limit All>" "Order allow,deny" "Allow all" "</Limit>" "</Policy>" >"$dir/cupsd.conf"
printf '%s\n' "<DefaultPrinter voxtrel-test>" "DeviceURI file://$dir/out/job.pdf" "State Idle" \
    "Accepting Yes" "</DefaultPrinter>" >"$dir/printers.conf"
cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >"$dir/cupsd.out" 2>&1 &
echo $! >"$dir/cupsd.pid"
for _ in $(seq 100); do
    CUPS_SERVER=$dir/cups.sock lpstat -r 2>/dev/null | grep -q 'scheduler is running' && exit 0
    sleep 0.1
done
cat "$dir/cupsd.out" "$dir/error_log" >&2 2>/dev/null || echo "the test print system did not start" >&2
stop
exit 1
