#!/usr/bin/env python3
"""Writes the splash tune of Calvex as a standard MIDI file (format 1).

A cheerful ten-bar piece in G major at 132 beats a minute, about eighteen
seconds long: a piano melody over sustained string chords and a piano bass
that alternates root and fifth on every beat.

Usage: make_tune.py OUTPUT.mid
"""

import struct
import sys

TICKS_PER_QUARTER = 480
EIGHTH = TICKS_PER_QUARTER // 2
BAR = 4 * TICKS_PER_QUARTER
TEMPO_BPM = 132

NOTE_NUMBERS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}

# The melody, bar by bar: (note, length in eighths); None is a rest.
MELODY = [
    [("G4", 2), ("B4", 1), ("D5", 1), ("G5", 2), ("D5", 2)],
    [("F#5", 1), ("E5", 1), ("D5", 2), ("A4", 2), ("D5", 2)],
    [("E5", 2), ("G5", 1), ("F#5", 1), ("E5", 2), ("B4", 2)],
    [("C5", 1), ("D5", 1), ("E5", 1), ("G5", 1), ("E5", 4)],
    [("D5", 1), ("B4", 1), ("G4", 1), ("B4", 1), ("D5", 2), ("G5", 2)],
    [("A5", 2), ("G5", 1), ("E5", 1), ("C5", 2), ("E5", 2)],
    [("A4", 1), ("C5", 1), ("E5", 1), ("A5", 1), ("G5", 2), ("E5", 2)],
    [("F#5", 1), ("G5", 1), ("A5", 2), ("F#5", 2), ("D5", 2)],
    [("E5", 2), ("C5", 2), ("D5", 1), ("E5", 1), ("F#5", 2)],
    [("G5", 6), (None, 2)],
]

# The harmony, bar by bar: (root of the bass, chord for the strings,
# length in eighths).
HARMONY = [
    [("G2", ["G3", "B3", "D4"], 8)],
    [("D3", ["F#3", "A3", "D4"], 8)],
    [("E3", ["G3", "B3", "E4"], 8)],
    [("C3", ["G3", "C4", "E4"], 8)],
    [("G2", ["G3", "B3", "D4"], 8)],
    [("C3", ["G3", "C4", "E4"], 8)],
    [("A2", ["A3", "C4", "E4"], 8)],
    [("D3", ["F#3", "A3", "D4"], 8)],
    [("C3", ["G3", "C4", "E4"], 4), ("D3", ["F#3", "A3", "D4"], 4)],
    [("G2", ["G3", "B3", "D4"], 6)],
]

MELODY_CHANNEL, STRINGS_CHANNEL, BASS_CHANNEL = 0, 1, 2
ACOUSTIC_GRAND_PIANO, STRING_ENSEMBLE = 0, 48


def note_number(name):
    """MIDI note number of a name like "F#5" (middle C is C4, number 60)."""
    pitch = NOTE_NUMBERS[name[0]] + name[1:-1].count("#")
    return 12 * (int(name[-1]) + 1) + pitch


def variable_length(value):
    """The variable-length quantity that MIDI files use for delta times."""
    groups = [value & 0x7F]
    value >>= 7
    while value:
        groups.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(groups))


def note(events, channel, start, length, number, velocity):
    """Adds a note that is released just before its full length."""
    events.append((start, 1, bytes([0x90 | channel, number, velocity])))
    events.append((start + length - 10, 0, bytes([0x80 | channel, number, 0])))


def track_chunk(name, setup, events, end):
    """A track chunk: its name, set-up messages, the timed events in order
    (releases before attacks at the same tick) and the end of track."""
    data = bytearray(b"\x00\xff\x03" + variable_length(len(name)) + name.encode("ascii"))
    for message in setup:
        data += b"\x00" + message
    now = 0
    for time, _, message in sorted(events, key=lambda event: (event[0], event[1])):
        data += variable_length(time - now) + message
        now = time
    data += variable_length(end - now) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + bytes(data)


def channel_setup(channel, program, volume, pan):
    return [
        bytes([0xC0 | channel, program]),
        bytes([0xB0 | channel, 7, volume]),
        bytes([0xB0 | channel, 10, pan]),
    ]


def melody_events():
    events = []
    time = 0
    for bar in MELODY:
        for name, eighths in bar:
            length = eighths * EIGHTH
            if name is not None:
                accent = time % TICKS_PER_QUARTER == 0
                note(events, MELODY_CHANNEL, time, length, note_number(name), 100 if accent else 88)
            time += length
    return events


def accompaniment_events():
    """The string chords and the bass, which plays the root on the first and
    third beat and the fifth above it on the others."""
    strings, bass = [], []
    time = 0
    for bar in HARMONY:
        for root, chord, eighths in bar:
            length = eighths * EIGHTH
            for name in chord:
                note(strings, STRINGS_CHANNEL, time, length, note_number(name), 58)
            for beat, start in enumerate(range(time, time + length, TICKS_PER_QUARTER)):
                on_root = beat % 2 == 0
                pitch = note_number(root) + (0 if on_root else 7)
                note(bass, BASS_CHANNEL, start, TICKS_PER_QUARTER, pitch, 80 if on_root else 68)
            time += length
    return strings, bass


def tune():
    length = len(MELODY) * BAR
    end = length + TICKS_PER_QUARTER  # room for the last chord to ring
    microseconds = 60_000_000 // TEMPO_BPM
    conductor = [
        b"\xff\x51\x03" + microseconds.to_bytes(3, "big"),
        b"\xff\x58\x04\x04\x02\x18\x08",  # 4/4
        b"\xff\x59\x02\x01\x00",  # G major
    ]
    strings, bass = accompaniment_events()
    tracks = [
        track_chunk("Calvex", conductor, [], end),
        track_chunk("Melodia", channel_setup(MELODY_CHANNEL, ACOUSTIC_GRAND_PIANO, 110, 64), melody_events(), end),
        track_chunk("Archi", channel_setup(STRINGS_CHANNEL, STRING_ENSEMBLE, 80, 44), strings, end),
        track_chunk("Basso", channel_setup(BASS_CHANNEL, ACOUSTIC_GRAND_PIANO, 96, 84), bass, end),
    ]
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS_PER_QUARTER)
    return header + b"".join(tracks)


def main(arguments):
    if len(arguments) != 2:
        sys.stderr.write("usage: make_tune.py OUTPUT.mid\n")
        return 2
    with open(arguments[1], "wb") as output:
        output.write(tune())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
