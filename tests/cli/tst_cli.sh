#!/usr/bin/env bash
# The command line as a terminal meets it, without a display: answers, the register as CSV, and
# every error told in Finnish with status 1.
set -u
program=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect STATUS STDOUT STDERR FOLDER [ARGUMENT...]: standard output starts with STDOUT, standard
# error holds STDERR, and "" means nothing at all; every run has no display.
expect() {
    local status=$1 out=$2 err=$3 folder=$4 got=0
    shift 4
    (cd "$folder" && exec env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" "$@") \
        >"$work/out" 2>"$work/err" || got=$?
    [[ -z "$out" && -s $work/out || "$(cat "$work/out" && echo .)" != "$out"* ]] && got="$got, stdout"
    [[ -z "$err" && -s $work/err || "$(cat "$work/err" && echo .)" != *"$err"* ]] && got="$got, stderr"
    [ "$got" = "$status" ] || { echo "FAIL ($got): $* in $folder" && cat "$work/out" "$work/err"; failures=$((failures + 1)); }
}

mkdir -p "$work"/{ledger,none,folder/nimet.kdx,foreign,lost-loans/Aino.kdx}
mkdir -m 700 "$work/run" && export XDG_RUNTIME_DIR="$work/run"
cd "$work/ledger"
printf 'h\r\nAino, "Aatu"\xd7\r\n\xd7\r\nMatti\xd7\r\nPekka\xd7\r\n' >nimet.kdx
printf 'h\r\n\xd7\r\nkirja "Sinuhe"\xd7\r\n' >'Aino, "Aatu".kdx'
printf 'h\r\ns\xe4hk\xf6vatkain, 2 kpl\xd7\r\n' >Pekka.kdx
printf 'ei rekisteri\nvaan muistio\n' >"$work/foreign/nimet.kdx"
printf 'h\r\nAino\xd7\r\n' >"$work/lost-loans/nimet.kdx"
csv=$'lainaaja,paikka,laina\r\n"Aino, ""Aatu""",2,"kirja ""Sinuhe"""\r\nMatti,,\r\nPekka,1,"sähkövatkain, 2 kpl"\r\n'

expect 0 "$csv" "" "$work/ledger" --export
expect 0 $'lainaaja,paikka,laina\r\n' "ei ole rekisteriä nimet.kdx" "$work/none" -platform xcb --export
expect 0 "saldori $version"$'\n' "" "$work/none" --version
expect 0 "Käyttö: saldori [VALITSIN]" "" "$work/none" --export -h
expect 1 "" "tuntematon valitsin tai argumentti ”--vienti”" "$work/ledger" --export --vienti
expect 1 "" "tiedostoa nimet.kdx ei voi lukea" "$work/folder" --export
expect 1 "" "tiedostoa nimet.kdx ei voi lukea" "$work/foreign" --export
expect 1 "" "tiedostoa Aino.kdx ei voi lukea" "$work/lost-loans" --export
expect 1 "" "ikkunaa ei voi avata, koska näyttöön ei saada yhteyttä" "$work/ledger"
expect 0 "" "ei ole vielä yhtään tallennettua muutosta" "$work/ledger" --historia
expect 1 "" "muutoksen numero puuttuu tai ei ole luku: ”x”" "$work/ledger" --palauta x
expect 1 "" "muutosta 3 ei ole historiassa" "$work/ledger" --palauta 3
expect 1 "" "tiedostoa nimet.kdx ei voi lukea" "$work/foreign" --historia
(cd "$work/ledger" && QT_QPA_PLATFORM=offscreen exec "$program") & window=$!
for _ in {1..100}; do [ -e "$work/run/saldori.lock" ] && break; sleep 0.1; done
expect 1 "" "Saldorin ikkuna on auki" "$work/ledger" --palauta 1
kill "$window" && wait "$window"
"$program" --export >/dev/full 2>"$work/err"
[ $? = 1 ] && grep -q "vakiotulosteeseen ei voi kirjoittaa" "$work/err" || { echo "FAIL: a full disk is no success"; failures=$((failures + 1)); }
exit "$failures"
