#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes the seed corpora of the fuzz targets into corpus/NAME/ beside this script."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = "HKEY_CURRENT_USER\\Software\\Norvane\\Emberlux!"


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data.encode("latin-1") if isinstance(data, str) else data)


def setting(value):
    """A setting as FuzzInput::Setting reads it."""
    if -100 <= value < 100:
        return bytes([value + 100])
    if -1000 <= value <= 1000:
        return bytes([200]) + struct.pack("<I", value + 1000)
    return bytes([255]) + struct.pack("<i", value)


def text(value):
    data = value.encode("utf-8")
    return struct.pack(">H", len(data)) + data


def hives():
    write("hive", "settings.reg",
          "REGEDIT4\n\n[%s]\n\n[%s\\Presets]\n\"XRes\"=dword:00000000\n\"SparklesCount\"=dword:000001f4\n"
          "\"Palette\"=\"fire.pal\"\n\"CurrentPreset\"=\"Calm\"\n\"Password\"=\"\xd3\x86\xef\"\n"
          "\"FireText\"=hex(1):48,69,0a,00\n\n[%s\\Presets\\Calm]\n\"FireWorkCount\"=dword:00000002\n"
          "\"FireText\"=\"Calm \\\"night\\\"\"\n" % (ROOT, ROOT, ROOT))
    write("hive", "edited.reg",
          "REGEDIT4\r\n; by hand\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"XRes\"=dword:1\r\n"
          "[%s\\Presets]\r\n\"Blob\"=hex:01,02,\\\r\n  03,04\r\n@=\"default\"\r\n\"Big\"=hex(4):00,00,00,00,01\r\n"
          "\"PrevRunPreset\"=dword:7fffffff\r\n[%s\\Presets\\A\\B]\r\n\"RunPresetCycle\"=dword:1\r\n" % (ROOT, ROOT))


def palettes():
    with open(os.path.join(HERE, "..", "..", "resources", "palette", "fire.pal"), "rb") as f:
        fire = f.read()
    write("palette", "fire.pal", fire)
    write("palette", "short.pal", fire[:600])
    write("palette", "long.pal", fire + b"\x00\x01\x02")


def turbulence_caches():
    def cache(width, height, entries):
        return bytes([width - 1, height - 1]) + b"".join(struct.pack("<i", e) for e in entries)
    write("turbulence_cache", "identity", cache(4, 2, range(8)))
    write("turbulence_cache", "outside", cache(4, 2, [0, 1, 2, 3, 4, 5, 6, 8]))
    write("turbulence_cache", "negative", cache(3, 3, [0, -1, 2, 3, 4, 5, 6, 7, 8]))
    write("turbulence_cache", "short", cache(5, 5, range(20)))


def ppms():
    write("ppm", "two.ppm", b"P6\n2 2\n255\n" + bytes(range(12)))
    write("ppm", "comment.ppm", b"P6 # a comment\n3 1 # more\n255\n" + bytes(range(9)))
    write("ppm", "early.ppm", b"P6\n4 4\n255\n" + bytes(10))
    write("ppm", "maxval.ppm", b"P6\n1 1\n65535\n" + bytes(6))


def frames_options():
    def words(*args):
        return b"\0".join(a.encode() for a in args)
    write("frames_options", "hash", words("--size", "64x48", "--frames", "3", "--seed", "7", "--hash"))
    write("frames_options", "sets", words("--size", "32x16", "--frames", "1", "--set", "FireText=Hi\\nthere",
                                          "--set", "XRes=-5", "--set", "FireBallInFireWorkMin=90"))
    write("frames_options", "load", words("--load", "Calm", "--size", "1x2", "--frames", "0", "--desktop", "a.ppm",
                                          "--cache-dir", "/nowhere", "--raw", "x"))


def flaming_texts():
    def options(language, width, height, speed, burn, orbit, sequence, cursor, line):
        return (bytes([language, width - 1, height - 2]) + setting(speed) + setting(burn) + setting(orbit) +
                setting(sequence) + struct.pack("<I", cursor) + line.encode("utf-8"))
    write("flaming_text", "ring", options(0, 64, 48, 50, 0, 1, 0, 0, "Happy New Year\nEmberlux!\n"))
    write("flaming_text", "wandering", options(0, 40, 30, 255, 1, 2, 1, 0x7FFFFFF0, "one\ntwo\nthree"))
    write("flaming_text", "cyrillic", options(1, 64, 48, 10, 2, 1, 0, 0, "С Новым годом!\n\r\n"))


def engines():
    def engine(width, height, ints, strings, cursor=0, palette=2, desktop=None):
        data = struct.pack("<I", cursor) + bytes([width - 1, height - 2])
        order = ["XRes", "YRes", "SparklesCount", "FireBallCount", "FireWorkCount", "FireBallInFireWorkMax",
                 "FireBallInFireWorkMin", "FadeScreen", "ResolutionIsCurrent", "BackgroundSoundEnable", "Password",
                 "UseDirectX", "TransitionOn", "Palette", "CurrentPreset", "ExplosionSoundEnable", "WaveLength",
                 "WaveSpeed", "WaveEnable", "SoundVolume", "OlympicRings", "CycleColors", "FadeBottom",
                 "FireTextEnable", "FireText", "FireTextBurnType", "FireTextOrbit", "FireTextSpeed", "PaperBurn",
                 "TextSequence", "RunPresetCycle", "PrevRunPreset"]
        for name in order:
            data += text(strings.get(name, "")) if name in ("Password", "Palette", "CurrentPreset", "FireText") \
                else setting(ints.get(name, 0))
        data += bytes([palette])
        if desktop:
            w, h = desktop
            data += bytes([w - 1, h - 1]) + bytes((i * 37) % 256 for i in range(w * h * 3)) + b"\x01"
        else:
            data += bytes([0, 0, 0, 0, 0, 0])
        return data
    everything = {"SparklesCount": 500, "FireBallCount": 6, "FireWorkCount": 6, "FireBallInFireWorkMax": 80,
                  "FireBallInFireWorkMin": 10, "FadeScreen": 50, "TransitionOn": 1, "WaveLength": 19,
                  "WaveSpeed": 63, "WaveEnable": 1, "OlympicRings": 1, "CycleColors": 1, "FadeBottom": 1,
                  "FireTextEnable": 1, "FireTextSpeed": 50, "PaperBurn": 1, "TextSequence": 1}
    write("engine", "everything", engine(64, 48, everything, {"FireText": "Happy New Year\nEmberlux!\n"},
                                         desktop=(20, 10)))
    write("engine", "tiny", engine(1, 2, dict(everything, FireTextBurnType=1), {"FireText": "a"}))
    write("engine", "extremes", engine(33, 17, {"SparklesCount": -5, "FireWorkCount": 3,
                                                "FireBallInFireWorkMax": -1000, "FireBallInFireWorkMin": 1000,
                                                "FadeScreen": 1000, "WaveLength": -10, "WaveSpeed": -1000,
                                                "WaveEnable": 1, "FireTextEnable": 1, "FireTextSpeed": 0,
                                                "FireTextOrbit": 2, "OlympicRings": 1},
                                       {"FireText": "\n\n\n"}, cursor=0x7FFFFF00))


if __name__ == "__main__":
    hives()
    palettes()
    turbulence_caches()
    ppms()
    frames_options()
    flaming_texts()
    engines()
