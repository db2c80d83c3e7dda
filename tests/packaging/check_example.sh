#!/usr/bin/env bash
# Builds the README's C++ example against the installed package, as another project would, and
# runs it: it must print its values into a PDF.
set -euo pipefail
build=$1
work=$2
readme=$3
prefix=$(dirname "$work")/prefix
[[ -d $prefix ]] || cmake --install "$build" --prefix "$prefix" >/dev/null
rm -rf "$work"
mkdir -p "$work/src"
# The example is the README's first C++ block after the marker line.
awk '/<!-- library-example -->/{found=1} found && /^```cpp/{on=1; next} on && /^```/{exit} on' \
    "$readme" >"$work/src/main.cpp"
awk '/<!-- library-example-cmake -->/{found=1} found && /^```cmake/{on=1; next} on && /^```/{exit} on' \
    "$readme" >"$work/src/CMakeLists.txt"
[[ -s $work/src/main.cpp && -s $work/src/CMakeLists.txt ]] || { echo "no example in the README"; exit 1; }
cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/build" >/dev/null
# A layout for it, made with the installed swl.
cat >"$work/boleto.json" <<'JSON'
{"formName": "Boleto", "paperSize": 9, "fields": [
 {"name": "Nome", "left": 2, "top": 3, "width": 8, "height": 1, "horzAlignment": 1,
  "vertAlignment": 1, "fontName": "Arial", "fontSize": 12, "print": 1},
 {"name": "Valor", "left": 12, "top": 3, "width": 5, "height": 1, "horzAlignment": 3,
  "vertAlignment": 1, "fontName": "Arial", "fontSize": 12, "print": 1}]}
JSON
"$prefix/bin/swl" build "$work/boleto.json" "$work/boleto.swl"
(cd "$work" && ./build/example boleto.swl out.pdf)
text=$(pdftotext "$work/out.pdf" -)
grep -q "Maria da Silva" <<<"$text" && grep -q "1.234,56" <<<"$text" || {
    echo "the PDF lacks the printed values:"
    echo "$text"
    exit 1
}
