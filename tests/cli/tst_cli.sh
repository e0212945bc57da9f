#!/usr/bin/env bash
# The command line as a terminal meets it, without a display: answers, the register as CSV, and
# every error told in Finnish with status 1.
set -u
program=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect STATUS STDOUT STDERR FOLDER [ARGUMENT...]: standard output is STDOUT (or starts with it,
# where it ends in "…"), standard error holds STDERR, and "" means nothing at all; every run has
# no display.
expect() {
    local status=$1 out=$2 err=$3 folder=$4 got=0
    shift 4
    (cd "$folder" && exec env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" "$@") \
        >"$work/out" 2>"$work/err" || got=$?
    local have && have=$(cat "$work/out" && echo .) && have=${have%.}
    [[ $out == *… ]] && have=${have:0:${#out}-1}… # a prefix
    [[ -z "$out" && -s $work/out || "$have" != "$out" ]] && got="$got, stdout"
    [[ -z "$err" && -s $work/err || "$(cat "$work/err" && echo .)" != *"$err"* ]] && got="$got, stderr"
    [ "$got" = "$status" ] || { echo "FAIL ($got): $* in $folder" && cat "$work/out" "$work/err"; failures=$((failures + 1)); }
}

mkdir -p "$work"/{ledger,none,folder/nimet.kdx,foreign,lost-loans/Aino.kdx,money,formulas,target}
mkdir -m 700 "$work/run" && export XDG_RUNTIME_DIR="$work/run" # the lock of an open window
cd "$work/ledger"
printf 'h\r\nAino, "Aatu"\xd7\r\n\xd7\r\nMatti\xd7\r\nPekka\xd7\r\n' >nimet.kdx
printf 'h\r\n\xd7\r\nkirja "Sinuhe"\xd7\r\n' >'Aino, "Aatu".kdx'
printf 'h\r\ns\xe4hk\xf6vatkain, 2 kpl\xd7\r\n' >Pekka.kdx
printf 'ei rekisteri\nvaan muistio\n' >"$work/foreign/nimet.kdx"
printf 'h\r\nAino\xd7\r\n' >"$work/lost-loans/nimet.kdx"
csv=$'lainaaja,paikka,laina\r\n"Aino, ""Aatu""",2,"kirja ""Sinuhe"""\r\nMatti,,\r\nPekka,1,"sähkövatkain, 2 kpl"\r\n'

expect 0 "$csv" "" "$work/ledger" --export
expect 0 $'lainaaja,paikka,laina\r\n' "ei ole rekisteriä nimet.kdx" "$work/none" -platform xcb --export
expect 0 "saldori $version"$'\n…' "" "$work/none" --version
LC_ALL= LC_MESSAGES= LANGUAGE= LANG=fi_FI.UTF-8 expect 0 "Käyttö: saldori [VALITSIN]…" "" "$work/none" --export -h
expect 1 "" "tuntematon valitsin tai argumentti ”--vienti”" "$work/ledger" --export --vienti
expect 1 "" "tiedostoa nimet.kdx ei voi lukea" "$work/folder" --export
expect 1 "" "tiedostoa nimet.kdx ei voi lukea" "$work/foreign" --export
expect 1 "" "tiedostoa Aino.kdx ei voi lukea" "$work/lost-loans" --export
expect 1 "" "ikkunaa ei voi avata, koska näyttöön ei saada yhteyttä" "$work/ledger" --
expect 1 "" "näyttöliitännäistä ”nonesuch” ei ole" "$work/ledger" -platform nonesuch
grep -q qt.qpa "$work/err" && { echo "FAIL: the toolkit's own lines before ours"; failures=$((failures + 1)); }
expect 1 "" "argumentti ”--export”" "$work/ledger" -- --export
expect 1 "" "kahdella viivalla: --export" "$work/ledger" -export
expect 1 "" "”--export” ei ota arvoa" "$work/ledger" --export=1
expect 0 "saldori $version"$'\n…' "" "$work/none" -V
LC_ALL= LC_MESSAGES= LANGUAGE= LANG=en_US.UTF-8 expect 0 "Usage: saldori…" "" "$work/none" -h
# Asked for the user's data folder, the program makes it only for work on the register.
export SALDORI_IN_DATA_FOLDER=1
HOME=$work/home XDG_DATA_HOME= expect 0 "saldori $version"$'\n…' "" "$work/none" --version
HOME=/nonexistent XDG_DATA_HOME= expect 1 "" "kotikansiota ei ole" "$work/none" --export
HOME=$work/none XDG_DATA_HOME=$work/data/home expect 0 $'lainaaja,paikka,laina\r\n' \
    "kansiossa $work/data/home/saldori ei ole" "$work/ledger" --export
[ "$(stat -c %a "$work"/data{,/home,/home/saldori} | sort -u)" = 700 ] || { echo "FAIL: data folder not private"; failures=$((failures + 1)); }
unset SALDORI_IN_DATA_FOLDER
# Questions: sums read from the loans' own texts, a search in any case, and cells that a
# spreadsheet would run as formulas, neutralised.
printf 'h\r\nAino\xd7\r\nPekka\xd7\r\nMatti\xd7\r\n' >"$work/money/nimet.kdx"
printf 'h\r\n50 \x80\xd7\r\nporakone\xd7\r\n1 200,50 e\xd7\r\n' >"$work/money/Aino.kdx"
printf 'h\r\n-20 \x80\xd7\r\n' >"$work/money/Pekka.kdx"
printf 'h\r\n=HYPERLINK("evil.example";"x")\xd7\r\n@x\xd7\r\n' >"$work/formulas/nimet.kdx"
printf "h\r\n=cmd|' /C calc'!A0\xd7\r\n-20 \x80\xd7\r\n'+1\xd7\r\n" >"$work/formulas/=HYPERLINK(\"evil.example\";\"x\").kdx"
expect 0 $'lainaaja,summa,lainoja,ilman summaa\r\nAino,1250.50,3,1\r\nPekka,-20.00,1,0\r\nMatti,0.00,0,0\r\n,1230.50,4,1\r\n' "" "$work/money" --summat --csv
expect 0 "$(printf 'Lainaaja       Summa  Lainoja  Ilman summaa\nAino      1\u00a0250,50\u00a0€        3             1\nPekka       -20,00\u00a0€…')" "" "$work/money" --summat
expect 0 $'lainaaja,paikka,laina\r\n"\'=HYPERLINK(""evil.example"";""x"")",1,\'=cmd|\' /C calc\'!A0\r\n"\'=HYPERLINK(""evil.example"";""x"")",2,\'-20 €\r\n"\'=HYPERLINK(""evil.example"";""x"")",3,\'\'+1\r\n\'@x,,\r\n' "" "$work/formulas" --export
expect 0 $'lainaaja,paikka,laina\r\nPekka,1,"sähkövatkain, 2 kpl"\r\n' "" "$work/ledger" --hae SÄHKÖ
expect 0 $'lainaaja,paikka,laina\r\n' "" "$work/ledger" --hae porakone
expect 1 "" "valitsimen ”--hae” arvo puuttuu" "$work/ledger" --hae

# Import: --export read back gives the same bytes. A row that cannot be stored, or an open window,
# refuses the whole file and leaves every file as it was.
for folder in ledger formulas; do
    (cd "$work/$folder" && "$program" --export) >"$work/$folder.csv"
    mkdir "$work/$folder-again"
    expect 0 "Tuotu …" "" "$work/$folder-again" --tuo "../$folder.csv"
    (cd "$work/$folder-again" && "$program" --export) | cmp -s - "$work/$folder.csv" || { echo "FAIL: $folder.csv read back"; failures=$((failures + 1)); }
done
cp "$work"/money/* "$work/target/"
printf 'h\r\nAino\xd7\r\nPekka\xd7\r\nMatti\xd7\r\nOuto\xd7\r\n' >"$work/target/nimet.kdx"
printf 'ei Saldorin\nvaan muistio\n' >"$work/target/Outo.kdx"
refused() { # CSV-ROWS MESSAGE: the rows after the header
    printf 'lainaaja,paikka,laina\r\n%s' "$1" >"$work/bad.csv"
    rm -rf "$work/before" && cp -a "$work/target" "$work/before"
    expect 1 "" "$2" "$work/target" --tuo "$work/bad.csv"
    for file in "$work"/before/*; do cmp -s "$file" "$work/target/${file##*/}" || { echo "FAIL: $file changed"; failures=$((failures + 1)); }; done
    [ "$(ls "$work/target")" = "$(ls "$work/before")" ] || { echo "FAIL: files made"; failures=$((failures + 1)); }
}
refused $'Aino,31,x\r\n' "rivi 2: lainaajalle mahtuu enintään 30 lainaa"
refused "$(for i in $(seq 101); do printf 'N%d,,\r\n' "$i"; done)" "rivi 102: rekisteriin mahtuu enintään 100 lainaajaa"
refused $'Aino,1,a\r\nAino,2,a\xc3\x97b\r\n' "rivi 3: lainassa on ×"
refused $'Aino,1,"a\r\nb"\r\nPekka,,\r\n' "rivi 2: lainassa on ×, rivinvaihto"
refused $'\xce\xa9,,\r\n' "rivi 2: nimessä on ×, rivinvaihto tai merkki, jota Windows-1252 ei tunne"
refused $'a/b,,\r\n' "rivi 2: nimeä ei voi käyttää"
refused $'Aino,1,a\r\nAino,1,b\r\n' "rivi 3: lainaajalla on jo laina tällä paikalla"
refused $'Aino,1,a\r\nAino,2,a\r\n' "rivi 3: lainaajalla on jo sama laina"
refused $'Aino,1,a\r\nAino,"2,a\r\n' "rivi 3: lainausmerkillä alkava kenttä ei pääty"
refused $'Aino,1\r\n' "rivi 2: rivillä on 2 kenttää"
(cd "$work/none" && QT_QPA_PLATFORM=offscreen exec "$program" >/dev/null 2>&1) & window=$!
for _ in $(seq 200); do [ -s "$work/run/saldori.lock" ] && break; sleep 0.05; done
refused "" "ikkuna on auki: sulje ikkuna ensin"
kill "$window"
expect 0 "Tuotu 3 lainaajaa ja 2 lainaa…" "" "$work/target" --tuo "$work/ledger.csv"
[ -e "$work/target/Outo.kdx" ] && [ ! -e "$work/target/Aino.kdx" ] || { echo "FAIL: loan files of those gone"; failures=$((failures + 1)); }
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
