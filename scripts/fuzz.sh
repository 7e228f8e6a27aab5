#!/bin/sh
# Builds the reader's fuzz target with clang and runs it: sh scripts/fuzz.sh [seconds, default 30].
# Seeds: the real files of ../shared/corpus/rwx and a few made here; what the
# fuzzer finds new goes to build-fuzz/funde, a failing input to build-fuzz/crash-*.
set -e
cd "$(dirname "$0")/.."
sekunden=${1:-30}
cmake -S . -B build-fuzz -DNUK_FUZZ=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-fuzz -j2
saat=build-fuzz/saat
mkdir -p "$saat" build-fuzz/funde
printf 'ModelBegin\nClumpBegin\nVertex 1 2 3\nVertex -1,0,0.5\nVertex 0 1 0 # Ecke\nTriangle 1 2 3\nQuad 1 2 3 1\nPolygon 3 1 2 3\nClumpEnd\nModelEnd\n' >"$saat/modell"
printf 'modelbegin\rclumpbegin\rvertex 1 2 3\rvertex 4 5 6\rtriangle 1 2 2\rclumpend\rmodelend\r' >"$saat/nur-cr"
printf 'ClumpBegin\nVertex "1,2" 3\n"Polygon 60 1 2 3\nClumpBegin\nClumpEnd\nModelEnd\nModelBegin\n' >"$saat/verschachtelt"
printf 'ModelBegin\nClumpBegin\nVertex 1e39 &h7FFF 0\nTriangle 40000 -1 0\nPolygon -3\nVertex \0\377 1\n' >"$saat/zahlen"
# Two byte-order marks: the first is the file's, the second begins its first row.
printf '\357\273\277\357\273\277modelbegin\n' >"$saat/zwei-marken"
printf 'ModelBegin\r\nClumpBegin\r\nProtoBegin\r\nClumpBegin\r\nClumpEnd\r\nProtoEnd\r\nClumpEnd\r\nModelEnd' >"$saat/proto"
exec build-fuzz/bin/nuk_rwx_fuzz -max_total_time="$sekunden" -max_len=100000 -timeout=20 \
    -rss_limit_mb=2048 -dict=fuzz/rwx.dict -print_final_stats=1 -artifact_prefix=build-fuzz/ \
    build-fuzz/funde "$saat" ../shared/corpus/rwx
