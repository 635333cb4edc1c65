# fuzz_run.sh FUZZER [LIBFUZZER FLAGS...]: the model-file fuzzer for a fixed number of inputs
# (TESS_FUZZ_RUNS, 1000000 unless set), from the project's exports and bad
# models, the seeds beside this script and every input kept from earlier finds, into a corpus
# of its own that goes at the end. A crash, a hang (10 s) or a sanitizer
# report fails it, and the input that did it is left in the build folder as
# fuzz-crash-… (or -timeout-, -leak-): keep it in tests/fuzz/found.
set -euo pipefail
src=$(cd "$(dirname "$0")" && pwd) work=$(mktemp -d -t tess-fuzz.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp "$src/../export_model.txt" "$src/../../docs/model_data.txt" "$work/corpus/"
found=() && [ ! -d "$src/found" ] || found=("$src/found")
"$1" -runs="${TESS_FUZZ_RUNS:-1000000}" -seed=1 -timeout=10 -max_len=8192 -print_final_stats=1 \
    -dict="$src/model.dict" -artifact_prefix="$PWD/fuzz-" "${@:2}" "$work/corpus" "$src/seeds" "$src/../bad_models" "${found[@]}"
