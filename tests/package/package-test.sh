#!/usr/bin/env bash
# The release package as a Windows user gets it: unzipped into a fresh folder, checked against its
# checksum file, both programs 32-bit and without debug information, both texts with CRLF line ends
# (the Japanese one UTF-8 with a byte-order mark), the version in the zip's name the programs' own.
# Where this machine runs 32-bit programs, the unzipped programs run too: the render tool draws a
# pattern and tessaryn.exe starts on the bench display and ends with Esc.
# Usage (inside tools/bench-run): package-test.sh build/i686/tessaryn-VERSION-x86.zip
set -u
zip=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$(dirname "$here")")
. "$top/tests/e2e/heads.sh"
begin_scenario package-test

name=$(basename "$zip" .zip)
version=${name#tessaryn-}
version=${version%-x86}
check "the zip's name carries a version" grep -qxE '[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+' <<<"$version"
check "the checksum file verifies the zip" bash -c "cd '$(dirname "$zip")' && sha256sum --quiet -c '$name.zip.sha256'"
check "the checksum file is one line: hash, two spaces, file name" \
    grep -qxE "[0-9a-f]{64}  $name\.zip" "$zip.sha256"
unzip -q "$zip" -d "$dir/user" || check "the zip unpacks" false
folder=$dir/user/$name
check "one folder named like the zip" [ -d "$folder" ]
check "holding the two programs and the two texts" \
    [ "$(cd "$folder" && ls | sort | tr '\n' ' ')" = "README-ja.txt README.txt tessaryn-render.exe tessaryn.exe " ]

objdump=i686-w64-mingw32-objdump
for exe in tessaryn.exe tessaryn-render.exe; do
    check "$exe is a 32-bit Windows program" grep -q "file format pei-i386" <<<"$($objdump -f "$folder/$exe")"
    check "$exe holds no debug information" bash -c "! $objdump -h '$folder/$exe' | grep -q '\.debug'"
    # The version record: the numbers after the VS_FIXEDFILEINFO signature, and the strings.
    offset=$(LC_ALL=C grep -obUaP '\xBD\x04\xEF\xFE' "$folder/$exe" | head -n 1 | cut -d: -f1)
    words=($(od -An -t u2 -j $((offset + 8)) -N 8 "$folder/$exe"))
    check "$exe's file version is $version" [ "${words[1]}.${words[0]}.${words[3]}.${words[2]}" = "$version" ]
    check "$exe's version strings are $version" \
        [ "$(i686-w64-mingw32-strings -el "$folder/$exe" | grep -A1 -x -e FileVersion -e ProductVersion |
             grep -vx -e FileVersion -e ProductVersion -e -- | sort -u)" = "$version" ]
done

for text in README.txt README-ja.txt; do
    lines=$(wc -l <"$folder/$text")
    check "$text has CRLF line ends ($lines lines)" [ "$(grep -c $'\r$' "$folder/$text")" -eq "$lines" ]
    check "$text ends with a line end" [ "$(tail -c 2 "$folder/$text" | od -An -t x1 | tr -d ' ')" = 0d0a ]
    check "$text names version $version" grep -q "Tessaryn $version" "$folder/$text"
done
check "README-ja.txt starts with the UTF-8 byte-order mark" \
    [ "$(head -c 3 "$folder/README-ja.txt" | od -An -t x1 | tr -d ' ')" = efbbbf ]
check "README-ja.txt is Japanese text" \
    [ "$(LC_ALL=C.UTF-8 grep -cP '[\x{3040}-\x{30FF}\x{4E00}-\x{9FFF}]' "$folder/README-ja.txt")" -ge 50 ]
check "README-ja.txt is valid UTF-8" iconv -f UTF-8 -t UTF-16 -o /dev/null "$folder/README-ja.txt"
check "README.txt is plain ASCII" bash -c "! LC_ALL=C grep -q '[^[:print:][:space:]]' '$folder/README.txt'"

if [ "$("$top/tools/test-arch")" = i686 ]; then
    loader=wine program=$folder/tessaryn.exe render=$folder/tessaryn-render.exe
    mapfile -t geometry < <(heads)
    (cd "$folder" && wine tessaryn-render.exe 9 640 480 32 ramp.bmp </dev/null >"$dir/render.log" 2>&1)
    check "the unzipped render tool draws a pattern" \
        [ "$(cd "$folder" && convert ramp.bmp -format '%wx%h' info: 2>/dev/null)" = 640x480 ]
    check "the unzipped tessaryn.exe starts on every head" start_program
    check "and shows the start-up pattern" heads_show 9
    xdotool key Escape
    check "and ends with Esc, exit code 0" ends_with_zero
else
    echo "skipped: running the unzipped programs (this machine runs 64-bit code only, see tools/test-arch)"
fi
summary
