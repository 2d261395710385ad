#!/usr/bin/env bash
# Times `kalvora-calc --batch` on LINES generated lines (default 1,000,000) cycling through one
# example of every topic plus a few malformed lines, pinned to one core. Prints lines/second.
set -euo pipefail
cd "$(dirname "$0")/.."
calc=${KALVORA_CALC:-build/bin/kalvora-calc}
lines=${LINES_TOTAL:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/examples.tsv" <<'TSV'
current	12	3
resistance	230	0.5
voltage	0.02	470
capacitor-reactance	50	1e-6
coil-reactance	50	0.1
transformer	1000	50	230
conductor-resistance	měď 0.0175	1.5	100
voltage-drop	2	0.35
fluorescent-for-bulb	60
luminous-flux	Zářivka kompaktní 53 	20
input-power	0.5	230
active-power	0.8	2	230
wall-thermal-resistance	0.3	Cihly pálené 0.86
gravitation-law	Země 6e24	Měsíc 7.5e22	Země Měsíc 3.8e8
gravitational-acceleration	6e24	6.378e6
free-fall	9.81	2
lens-power	sklo 1.5	vzduch 1	0.1	0.1
aerodynamic-drag	automobil 0.3	vzduch 1.3	2	30
buoyancy	0.002	7800	9.81	0.002	voda 1000
liquid-mixing	10	20	40	80
half-wave-dipole	27
coax-cable-length	145	0.66	5
current	abc	3
nosuchtopic	1
TSV
examples=$(wc -l < "$work/examples.tsv")
awk -v n="$lines" -v k="$examples" 'NR==FNR { ex[NR] = $0; next } END { for (i = 0; i < n; i++) print ex[i % k + 1] }' \
  "$work/examples.tsv" /dev/null > "$work/input.tsv"
start=$(date +%s.%N)
taskset -c 0 "$calc" --batch < "$work/input.tsv" > "$work/output.tsv"
end=$(date +%s.%N)
answered=$(wc -l < "$work/output.tsv")
awk -v s="$start" -v e="$end" -v n="$answered" \
  'BEGIN { t = e - s; printf "kalvora-calc --batch: %d lines in %.3f s = %.0f lines/s (one core)\n", n, t, n / t }'
