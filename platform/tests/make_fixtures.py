#!/usr/bin/env python3
"""Writes the damaged profile fixtures in data/ (run from this folder)."""
import random

# A profile whose last line was cut off mid-character: an odd byte count and no line end.
text = "[Display]\r\nHover Enabled=0\r\n; kept comment\r\n[Colors]\r\nHebrew=255\r\nCivil=12"
with open("data/truncated_odd.ini", "wb") as out:
    out.write(b"\xff\xfe" + text.encode("utf-16-le") + b"9")

# Random bytes with readable lines between them, as left by a damaged disk.
rng = random.Random(5779)
chunks = [b"\xff\xfe"]
for i in range(40):
    chunks.append(bytes(rng.randrange(256) for _ in range(2 * rng.randrange(1, 30))))
    if i % 8 == 3:
        chunks.append("\r\n[Kept]\r\nvalue=42\r\n".encode("utf-16-le"))
chunks.append(b"\x00\x00\x00")
with open("data/garbage.bin", "wb") as out:
    out.write(b"".join(chunks))
