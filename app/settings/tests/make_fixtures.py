#!/usr/bin/env python3
"""Writes the hand-made options.ini fixtures in data/ (run from this folder)."""
import random

# A UTF-16 options.ini damaged on disk: binary garbage between settings, NUL characters,
# and a last line cut off in the middle of a character (odd byte count, no line end).
rng = random.Random(6101)
def u16(text):
    return text.encode("utf-16-le")
garbage = bytes(rng.randrange(256) for _ in range(38))
data = (b"\xff\xfe" + u16("[Display]\r\nView=3\r\n") + garbage + u16("\r\n[Colors]\r\nHover Offset=-9\r\n")
        + u16("\0\0odd\0line\r\n[Fonts]\r\nSize=1\r\n[Print]\r\nLast view=2\r\nCivi") + b"\x6c")
with open("data/damaged_options.ini", "wb") as out:
    out.write(data)

# A legacy options.ini in the 8-bit code page, with a window placement, locations and a
# section of the user's own.
ansi = ("[Version]\r\nINI=0.0.0.0\r\nProgram=3.1.20.5\r\n"
        "[Display]\r\nLanguage=13\r\nWindow Placement=0,1,-1,-1,-1,-1,120,80,1020,760\r\nView=3\r\n"
        "[Colors]\r\nHover Offset=-20\r\n"
        "[locations]\r\n0=Z\xfcrich\tSwitzerland\t8\t32\t1\t47\t22\t1\t19\t21\t1\t3\t2\t\t\r\n"
        "1=Jerusalem\tIsrael\t35\t14\t1\t31\t46\t1\t18\t15\t0\t1\t6\tdefault\t\r\n"
        "[My Notes]\r\n; written by hand\r\nnote=caf\xe9 cr\xe8me \x93best\x94\r\n")
with open("data/ansi_options.ini", "wb") as out:
    out.write(ansi.encode("latin-1"))
