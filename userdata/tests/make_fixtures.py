#!/usr/bin/env python3
"""Writes the profile fixtures in data/ (run from this folder): UTF-16LE with a BOM and
CRLF line ends, as the program and the transfer tool write them."""


def write(name, lines):
    text = "".join(line + "\r\n" for line in lines)
    with open("data/" + name, "wb") as out:
        out.write(b"\xff\xfe" + text.encode("utf-16-le"))


# Events as the transfer tool and older versions leave them: one section without a title
# key (its name is the title), keys in another order, a type and a cal out of range.
write("events.ini", [
    "[0]",
    "jdn=2460204",
    "type=2",
    "cal=3",
    "desc=Chuppah at noon",
    "title=Wedding of Dina",
    "[Grandfather Avraham]",
    "desc=Died on 30 Cheshvan",
    "jdn=2451492",
    "type=3",
    "cal=1",
    "[2]",
    "title=Broken type",
    "jdn=2460204",
    "type=9",
    "cal=3",
    "[3]",
    "title=Broken cal",
    "jdn=2460204",
    "type=0",
    "cal=0",
    "[4]",
    "jdn=2454526",
    "type=1",
    "cal=2",
    "title=\u05e9\u05e8\u05d4",
])

# Reminders: a section with both "repeat hdom" and "repeat cdom" (the civil day wins),
# one with both times (the zman wins), one with only a message, and one with every key
# the reader accepts but the writer never writes.
write("reminders.ini", [
    "[1]",
    "msg=Pay the rent",
    "time clock=7:30",
    "repeat hdom=5",
    "repeat cdom=7",
    "enabled=1",
    "auto close=0",
    "[2]",
    "msg=Light candles",
    "time clock=6:15",
    "time zman=10,-18",
    "repeat weekdays=0,0,0,0,0,1,0",
    "enabled=1",
    "auto close=1",
    "[3]",
    "msg=Only a message",
    "[4]",
    "msg=Old reminder",
    "time clock=21:5",
    "repeat hdom=30",
    "popup=0",
    "alarm=chime.wav",
    "modbus=3",
    "deleted=1",
    "enabled=0",
    "auto close=1",
])
