#!/usr/bin/python3
"""Checks a capture of what the game played against what each screen should play.

Usage: zvuk.py CAPTURE.wav LOOP.wav SEGMENT...
  CAPTURE.wav  the mixed stream as ALSA's file plugin wrote it
  LOOP.wav     the briefing's drum loop
  SEGMENT      NAME:START:END:KIND, START and END byte offsets into the capture
               (its size when the screen opened and closed; END "end" for the
               end of the file), KIND "drum" or "silence"

A drum segment must be well above silence in every second and repeat at the
loop's length: a second of it matches the second one loop later and no other
lag. A silence segment must stay at the stream's resting level. A second of
stream at each end of a segment is left out: the mixer runs ahead of the file.
The sample encoding is taken from the resting level, the commonest value:
Allegro mixes unsigned samples while the plugin's header says signed.
Run with Debian's python3; prints one line per segment, exit 1 on a failure.
"""
import array
import collections
import math
import struct
import sys


def wav(path):
    """(channels, rate, bytes per frame, offset of the data, data bytes) of a 16-bit PCM WAV."""
    raw = open(path, 'rb').read()
    if raw[:4] != b'RIFF' or raw[8:12] != b'WAVE':
        sys.exit('zvuk.py: %s is not a WAV file' % path)
    pos, fmt = 12, None
    while pos + 8 <= len(raw):
        tag, size = raw[pos:pos + 4], struct.unpack('<I', raw[pos + 4:pos + 8])[0]
        if tag == b'fmt ':
            fmt = struct.unpack('<HHIIHH', raw[pos + 8:pos + 24])
        if tag == b'data':
            break
        pos += 8 + size
    if fmt is None or fmt[5] != 16 or tag != b'data':
        sys.exit('zvuk.py: %s is not 16-bit PCM' % path)
    channels, rate = fmt[1], fmt[2]
    # The capture's data size is written only when the stream closes: trust the file.
    data = raw[pos + 8:]
    data = data[:len(data) - len(data) % (2 * channels)]
    return channels, rate, 2 * channels, pos + 8, data


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    channels, rate, frame, start, data = wav(sys.argv[1])
    loop_channels, loop_rate, loop_frame, _, loop_data = wav(sys.argv[2])
    samples = array.array('H')
    samples.frombytes(data)
    left = samples[0::channels]
    rest = collections.Counter(left).most_common(1)[0][0]
    loop = len(loop_data) // loop_frame * rate // loop_rate
    margin = rate
    print('capture: %d frames at %d Hz, resting level %d; loop %d frames' % (len(left), rate, rest, loop))

    def mean_difference(a, lag, n):
        return sum(abs(left[i] - left[i + lag]) for i in range(a, a + n)) / n

    failures = []
    for segment in sys.argv[3:]:
        name, a, b, kind = segment.split(':')
        a = max(0, (int(a) - start) // frame) + margin
        b = (len(left) if b == 'end' else max(0, (int(b) - start) // frame)) - margin
        if kind == 'silence':
            if b - a < rate // 2:
                failures.append('%s: only %d frames to judge' % (name, b - a))
                continue
            loudest = max(abs(x - rest) for x in samples[a * channels:b * channels])
            print('%s: %d frames, loudest %d from rest' % (name, b - a, loudest))
            if loudest > 327:
                failures.append('%s: not silent (%d)' % (name, loudest))
            continue
        if b - a < loop + rate:
            failures.append('%s: only %d frames, less than a loop and a second' % (name, b - a))
            continue
        quietest = min(math.sqrt(sum((x - rest) ** 2 for x in left[s:s + rate]) / rate) / 32768
                       for s in range(a, b - rate + 1, rate))
        level = sum(abs(left[i] - rest) for i in range(a, a + rate)) / rate
        same = mean_difference(a, loop, rate) / level
        other = mean_difference(a, loop * 3 // 10, rate) / level
        print('%s: %d frames, quietest second %.4f of full scale, '
              'one loop later differs by %.3f, 0.3 loop later by %.3f' % (name, b - a, quietest, same, other))
        if quietest < 0.005:
            failures.append('%s: a second below 0.005 of full scale' % name)
        if same > 0.02 or other < 0.3:
            failures.append('%s: does not repeat at the loop length' % name)
    for f in failures:
        print('FAIL: ' + f, file=sys.stderr)
    sys.exit(1 if failures else 0)


main()
