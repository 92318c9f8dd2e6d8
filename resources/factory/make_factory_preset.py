#!/usr/bin/env python3
"""Writes generic.syx, the preset every new document starts from, as a complete preset dump.

Run once by hand when the factory preset changes: python3 make_factory_preset.py
"""
import os

KNOB_CC = [3, 9, 14, 15, 16, 17, 18, 19, 52, 53, 54, 55, 57, 58, 59, 60, 83, 85, 86, 87, 88, 89, 90, 91]
FADER_CC = [20, 21, 22, 23, 24, 25, 26, 27, 61, 62, 63, 70, 71, 72, 73, 74, 92, 93, 94, 95, 102, 103, 104, 105]
SWITCH_CC = [28, 29, 30, 31, 35, 41, 46, 47, 75, 76, 77, 78, 79, 80, 81, 82, 106, 107, 108, 109, 110, 111, 112, 113]


def pad_record(i):
    bank, row = i // 16, (i % 16) // 4
    colour_off = 1 + bank + 4 * row
    colour_on = 1 + bank + 4 * ((row + 1) % 4)
    return [0x00, 0x00, 36 + i, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, colour_off, colour_on]


def switch_record(s):
    switch_type = 0x01 if s == 23 else 0x00
    mode = 0x01 if s < 16 else 0x00
    return [switch_type, 0x00, SWITCH_CC[s], mode, 0x00, 0x00, 0x00, 0x00, 0x00, 0x7F, 0x00, 0x31, 0x00]


def data_block():
    block = list(b"Generic ") + [0x00]
    block += [0x01, 0x02, 0x01, 0x04, 0x01, 0x32, 0x32, 0x00, 0x02, 0x00, 0x00, 0x00, 0x03]
    for i in range(64):
        block += pad_record(i)
    for cc in KNOB_CC:
        block += [0x00, 0x00, cc, 0x00, 0x7F, 0x00, 0x7F, 0x7F, 0x01]
    for cc in FADER_CC:
        block += [0x00, 0x00, cc, 0x00, 0x7F, 0x00]
    for s in range(24):
        block += switch_record(s)
    block += [0x0F, 0x00, 0x00, 0x00] + [0x00] * 2048
    assert len(block) == 3450
    return block


def dump():
    body = data_block()
    trailer = []
    for n in range(8):
        trailer += [0x04, 0x00, n]
    length = 1 + len(body) + len(trailer)
    message = [0xF0, 0x7D, 0x00, 0x36, 0x10, length // 128, length % 128, 15] + body + trailer + [0xF7]
    assert len(message) == 3483
    return bytes(message)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "generic.syx"), "wb") as f:
        f.write(dump())
