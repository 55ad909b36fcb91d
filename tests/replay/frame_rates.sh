# The same keys for the same wall time give the same game at every frame
# rate: kart 2 swerves into kart 1's lane and stops, kart 1 throws a coconut
# that spins it out, then drives off steering. Phases change on multiples of
# 300 ms, so frames of 10, 20, 30 and 50 ms change keys on the same tick and
# must end identical; 7 ms frames change them up to a tick off, and end close.
source "$(dirname "$0")/lib.sh"

PHASES="5400 - 300 ij 600 il 600 k 300 r 600 wd 900 w 600 -"

# drive MS: the phases as frames of MS milliseconds, each frame holding the
# keys of the phase it starts in.
drive() {
  script "frame_rates_$1"
  awk -v f="$1" -v phases="$PHASES" 'BEGIN {
    n = split(phases, p, " "); at = 0; end = 0
    for (i = 1; i < n; i += 2) {
      end += p[i]
      for (; at < end; at += f) printf "%.3f %s\n", f / 1000, p[i + 1]
    } }' >>"$SCRIPT"
  play
}

# The last row of each kart, without the frame number.
last_rows() { tail -n 2 "$TRACE" | cut -d, -f2-; }
spin_ms() { awk -F, -v f="$1" 'NR > 1 && $2 == 2 && $12 == 1 { n++ } END { print n * f }' "$TRACE"; }

drive 10
reference=$(last_rows)
spin=$(spin_ms 10)
expect "$spin" '>=' 500 "kart 2 spins out"
expect "$spin" '<=' 700 "for about 0.6 s"
expect "$(least 1 heading 1 100000)" "<" -0.5 "kart 1 steered"
for ms in 20 30 50; do
  drive "$ms"
  [ "$(last_rows)" = "$reference" ] ||
    fail "frames of $ms ms end elsewhere than frames of 10 ms:
$(last_rows)
against
$reference"
  echo "ok: frames of $ms ms end exactly where frames of 10 ms do"
  # A frame row comes after its ticks: the spin shows in whole frames.
  expect "$(spin_ms "$ms")" '>=' "$((spin - ms))" "the spin-out lasts as long at $ms ms frames"
  expect "$(spin_ms "$ms")" '<=' "$((spin + ms))" "the spin-out lasts as long at $ms ms frames"
done

drive 7
expect "$(spin_ms 7)" '>=' "$((spin - 20))" "the spin-out lasts as long at 7 ms frames"
expect "$(spin_ms 7)" '<=' "$((spin + 20))" "the spin-out lasts as long at 7 ms frames"
far=$(paste -d, <(echo "$reference") <(last_rows) | awk -F, '{
  n = NF / 2; d = 0
  for (i = 2; i <= 4; ++i) { e = $i - $(i + n); d += e * e }
  if (sqrt(d) > m) m = sqrt(d) } END { print m + 0 }')
expect "$far" '<' 1 "frames of 7 ms end within a unit of frames of 10 ms"
