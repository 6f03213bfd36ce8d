#!/usr/bin/env bash
# Makes docs/start-page.png: the real program under a virtual X display, in a
# throw-away home folder holding three recent returns saved by the scenario
# tool. Needs a built tree (scripts/run.sh or build_tree) in build/.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BIN="${BUILD_DIR:-$ROOT/build}/bin"
OUT="$ROOT/docs/start-page.png"

for tool in xvfb-run import python3; do
  command -v "$tool" > /dev/null || { echo "missing $tool (Debian: xvfb, imagemagick, python3)" >&2; exit 1; }
done
[ -x "$BIN/quillmere" ] && [ -x "$BIN/scenario2r21" ] || { echo "build first: $BIN" >&2; exit 1; }

HOME_DIR="$(mktemp -d)"
trap 'rm -rf "$HOME_DIR"' EXIT
DATA="$HOME_DIR/Documents/quillmere_special/2021"
mkdir -p "$DATA/returns" "$DATA/._sys" "$DATA/run"

# Three returns, opened at different times, newest last here.
rows=()
while read -r scenario name1 name2 opened; do
  file="$DATA/returns/$scenario.r21"
  "$BIN/scenario2r21" "$ROOT/tests/scenarios/$scenario.json" "$file"
  rows+=("$name1|$name2|$file|$opened")
done <<'LIST'
employee_t4_on Maya_Okafor - 2022-03-01_10:00:00
donations_on Samuel_Ortiz - 2022-03-05_09:30:00
retired_couple_pension_split_on Ann_Kowalski Boris_Kowalski 2022-03-10_16:45:00
LIST

# The list of recent returns lives in the program's database; the program
# adds its other tables when it starts.
python3 - "$DATA/._sys/mydata2021n.db" "${rows[@]}" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("create table if not exists tb_retfile (id integer primary key autoincrement, name1 varchar(100), "
           "name2 varchar(100), uid1 integer, uid2 integer, filepath varchar(200), open_time datetime)")
for row in sys.argv[2:]:
    name1, name2, path, opened = row.split("|")
    clean = lambda s: "" if s == "-" else s.replace("_", " ")
    db.execute("insert into tb_retfile (name1, name2, filepath, open_time) values (?, ?, ?, ?)",
               (clean(name1), clean(name2), path, clean(opened)))
db.commit()
PY

export HOME="$HOME_DIR" TMPDIR="$HOME_DIR" XDG_RUNTIME_DIR="$HOME_DIR"
mkdir -p "$ROOT/docs"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$1" & pid=$!
  sleep 4
  import -window root "$2"
  kill "$pid"; wait "$pid" 2>/dev/null || true
' _ "$BIN/quillmere" "$OUT"
echo "wrote $OUT"
