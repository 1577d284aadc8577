#!/usr/bin/env bash
# Nira's command line against sdcv over the StarDict build of WordNet, in
# one run on one machine: per-word time over the same 1000 English words,
# start-up time of one lookup, and the digest of both data files against
# md5sum. Not part of the test suite: it installs packages and times things.
#
#   bench/compare-sdcv.sh [BUILD_DIR]      (default: build)
#
# Needs root for apt-get (sdcv dict-wn stardict-tools hyperfine). The
# StarDict files are made from dict-wn's dictd files through a tab file and
# tabfile (Debian 12's dictd2dic writes a broken index on 64-bit), and the
# .dict is kept uncompressed so that neither side pays for decompression.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
nira="$build/bin/nira"
data="$build/bin"
[ -x "$nira" ] || { echo "no $nira: build the nira target first" >&2; exit 1; }

tabfile=/usr/lib/stardict-tools/tabfile
missing=()
command -v sdcv >/dev/null || missing+=(sdcv)
[ -x "$tabfile" ] || missing+=(stardict-tools)
command -v hyperfine >/dev/null || missing+=(hyperfine)
[ -e /usr/share/dictd/wn.index ] || missing+=(dict-wn)
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing ${missing[*]}" >&2
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/nira-vs-sdcv.XXXXXX")"
trap 'rm -rf "$work"' EXIT
dic="$work/dic/wn"
mkdir -p "$dic"

# dictd index and dictionary -> one "headword<TAB>definition" line per entry
# (line breaks written as \n), 1000 plain English words spread over the list.
python3 - "$dic/wn.txt" "$work/words.txt" <<'PY'
import gzip, re, sys
alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
def b64(text):
    value = 0
    for c in text:
        value = value * 64 + alphabet.index(c)
    return value
body = gzip.open("/usr/share/dictd/wn.dict.dz").read()
entries = []
for line in open("/usr/share/dictd/wn.index", encoding="utf-8"):
    fields = line.rstrip("\n").split("\t")
    if len(fields) != 3 or fields[0].startswith("00-database") or fields[0].startswith("00database"):
        continue
    text = body[b64(fields[1]):b64(fields[1]) + b64(fields[2])].decode("utf-8", "replace")
    entries.append((fields[0], text.strip().replace("\\", "\\\\").replace("\n", "\\n")))
with open(sys.argv[1], "w", encoding="utf-8") as out:
    for word, text in entries:
        out.write(word + "\t" + text + "\n")
plain = [w for w, _ in entries if re.fullmatch(r"[a-z]{3,}", w)]
step = len(plain) // 1000
with open(sys.argv[2], "w") as out:
    out.write("".join(w + "\n" for w in plain[::step][:1000]))
PY
(cd "$dic" && "$tabfile" wn.txt >/dev/null)
rm -f "$dic/wn.txt"
gzip -dc "$dic/wn.dict.dz" >"$dic/wn.dict" && rm "$dic/wn.dict.dz"
export HOME="$work"   # no user dictionaries, no remembered digests of a real home
export XDG_CACHE_HOME="$work/cache"
export NIRA_DATA_DIR="$data"
sdcv_cmd="sdcv -n -x --data-dir $work/dic"
$sdcv_cmd house | grep -q "house" || { echo "sdcv finds nothing in $dic" >&2; exit 1; }
"$nira" lookup book >/dev/null   # remembers the digests once

echo house >"$work/one.txt"
words="$(tr '\n' ' ' <"$work/words.txt")"

# Per word: 1000 words less one word, so that start-up cancels out. nira
# reads them from standard input (through a shell, for both runs); sdcv -n
# takes them as arguments (it does not read standard input with -n).
runs=(--warmup 3 --min-runs 20 --style none)
hyperfine "${runs[@]}" --export-json "$work/nira-words.json" \
  "$nira lookup - < $work/words.txt" "$nira lookup - < $work/one.txt" >/dev/null
hyperfine "${runs[@]}" -N --export-json "$work/sdcv-words.json" \
  "$sdcv_cmd $words" "$sdcv_cmd house" >/dev/null
hyperfine "${runs[@]}" -N --export-json "$work/start.json" \
  "$nira lookup book" "$sdcv_cmd house" \
  "$nira info" "md5sum $data/persian $data/english" >/dev/null

python3 - "$work" <<'PY'
import json, sys
def best(name):
    return [min(r["times"]) for r in json.load(open(sys.argv[1] + "/" + name))["results"]]
nira_words, nira_one = best("nira-words.json")
sdcv_words, sdcv_one = best("sdcv-words.json")
nira_book, sdcv_house, nira_info, md5sum = best("start.json")
per_nira = (nira_words - nira_one) / 999 * 1e6
per_sdcv = (sdcv_words - sdcv_one) / 999 * 1e6
print("minimum of the runs                      nira        sdcv / md5sum   ratio")
print(f"per word, 1000 words                {per_nira:8.2f} us   {per_sdcv:8.2f} us   {per_nira / per_sdcv:6.2f}x")
print(f"whole lookup (nira book, sdcv house) {nira_book * 1e3:7.2f} ms   {sdcv_house * 1e3:8.2f} ms   {nira_book / sdcv_house:6.2f}x")
print(f"digest of both files (nira info)    {nira_info * 1e3:8.2f} ms   {md5sum * 1e3:8.2f} ms   "
      f"{md5sum / nira_info:6.2f}x md5sum's speed")
PY
