#!/usr/bin/env python3
"""Writes the hand-made seed inputs of the fuzz targets into fuzz/corpus/<target>/seed-*.

The seeds are small files of each kind the loaders read, well-formed and a little odd, made here
from nothing: the fuzzers grow the corpus from them, and the replay in the test suite feeds every
file of the corpus to its target. Run again after changing it; then minimise each corpus with
scripts/fuzz.sh --merge TARGET.
"""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def put(target, name, data):
    d = os.path.join(HERE, "corpus", target)
    os.makedirs(d, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("utf-8")
    with open(os.path.join(d, "seed-" + name), "wb") as f:
        f.write(data)


# --- BMP -------------------------------------------------------------------------------------

def bmp(width, height, bpp, rows, palette=b"", compression=0, header=40, image=None):
    """rows: the pixel data as stored (bottom-up unless height < 0)."""
    bits = image if image is not None else b"".join(rows)
    if header == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, bpp)
    else:
        info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, compression, len(bits),
                           2835, 2835, len(palette) // 4, 0)
        if header > 40:
            info += bytes(header - 40)
            info = struct.pack("<I", header) + info[4:]
    off = 14 + len(info) + len(palette)
    return b"BM" + struct.pack("<IHHI", off + len(bits), 0, 0, off) + info + palette + bits


def pad(row):
    return row + bytes((-len(row)) % 4)


def bmp_seeds():
    grey = b"".join(bytes((i * 17, i * 17, i * 17, 0)) for i in range(16))
    two = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    put("bmp", "1bit", bmp(9, 2, 1, [pad(b"\xA5\x80"), pad(b"\x5A\x00")], two))
    put("bmp", "4bit", bmp(5, 3, 4, [pad(bytes((0x01, 0x23, 0x40)))] * 3, grey))
    put("bmp", "8bit-topdown", bmp(3, -2, 8, [pad(b"\x00\x07\x0F")] * 2, grey))
    put("bmp", "24bit", bmp(3, 2, 24, [pad(bytes(range(9))), pad(bytes(range(9, 18)))]))
    put("bmp", "32bit", bmp(2, 2, 32, [bytes(range(8)), bytes(range(8, 16))]))
    put("bmp", "24bit-core", bmp(2, 1, 24, [pad(b"\x00\xff\x00\xff\x00\x00")], header=12))
    put("bmp", "24bit-v5", bmp(1, 1, 24, [pad(b"\x10\x20\x30")], header=124))
    # RLE8: a run, an absolute stretch, end of line, a move, end of picture.
    rle8 = b"\x03\x05" + b"\x00\x03\x01\x02\x03\x00" + b"\x00\x00" + b"\x00\x02\x01\x01" + \
        b"\x02\x09" + b"\x00\x01"
    put("bmp", "rle8", bmp(6, 3, 8, [], grey, compression=1, image=rle8))
    rle4 = b"\x05\x12" + b"\x00\x04\x34\x56" + b"\x00\x00" + b"\x03\xab" + b"\x00\x01"
    put("bmp", "rle4", bmp(8, 2, 4, [], grey, compression=2, image=rle4))
    masks = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
    put("bmp", "16bit-bitfields",
        bmp(2, 1, 16, [struct.pack("<HH", 0xF800, 0x001F)], masks, compression=3))


# --- WAVE ------------------------------------------------------------------------------------

def fmt_chunk(channels, rate, bits, tag=1, extra=b""):
    align = channels * bits // 8
    body = struct.pack("<HHIIHH", tag, channels, rate, rate * align, align, bits) + extra
    return b"fmt " + struct.pack("<I", len(body)) + body


def chunk(cid, body):
    return cid + struct.pack("<I", len(body)) + body + (b"\0" if len(body) % 2 else b"")


def riff(*chunks, form=b"WAVE"):
    body = form + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def wave_seeds():
    tone8 = bytes((128 + (40 if (i // 4) % 2 else -40)) for i in range(48))
    tone16 = b"".join(struct.pack("<h", 9000 if (i // 4) % 2 else -9000) for i in range(48))
    put("wave", "8bit-mono-11025", riff(fmt_chunk(1, 11025, 8), chunk(b"data", tone8)))
    put("wave", "16bit-mono-22050", riff(fmt_chunk(1, 22050, 16), chunk(b"data", tone16)))
    put("wave", "16bit-stereo-44100", riff(fmt_chunk(2, 44100, 16), chunk(b"data", tone16)))
    put("wave", "8bit-stereo-8000", riff(fmt_chunk(2, 8000, 8), chunk(b"data", tone8)))
    put("wave", "16bit-mono-48000-odd",
        riff(fmt_chunk(1, 48000, 16), chunk(b"data", tone16[:31])))
    # A list chunk before the format, an 18-byte format with cbSize, a fact chunk, padding.
    put("wave", "chunks", riff(chunk(b"LIST", b"INFOISFT\x05\0\0\0abcd\0"),
                               fmt_chunk(1, 11025, 8, extra=b"\0\0"),
                               chunk(b"fact", struct.pack("<I", 47)),
                               chunk(b"data", tone8[:47])))
    put("wave", "junk-before-riff", chunk(b"JUNK", b"xyz") +
        riff(fmt_chunk(1, 22050, 8), chunk(b"data", tone8)))
    put("wave", "not-pcm", riff(fmt_chunk(1, 11025, 8, tag=3), chunk(b"data", tone8)))
    put("wave", "data-before-fmt", riff(chunk(b"data", tone8), fmt_chunk(1, 11025, 8)))
    put("wave", "24bit", riff(fmt_chunk(1, 11025, 24), chunk(b"data", tone8)))
    put("wave", "tiny-rate", riff(fmt_chunk(1, 100, 8), chunk(b"data", tone8[:8])))
    put("wave", "empty-data", riff(fmt_chunk(1, 11025, 8), chunk(b"data", b"")))
    put("wave", "cut-data", riff(fmt_chunk(1, 11025, 8), chunk(b"data", tone8))[:40])


# --- MIXER.INI -------------------------------------------------------------------------------

def ini_seeds():
    put("ini", "shipped", "[general]\r\nWaveOutDevice=0\r\ndebug=0\r\n\r\n[default]\r\nRemix=1\r\n"
        "GoodWavePos=1\r\nWaveBlocks=3\r\nWaveBlockLen=512\r\nSamplesPerSec=22\r\n")
    put("ini", "device-section", "; tuned for the headless device\n[Default]\nsamplespersec=44\n"
        "[Headless Wave Out]\nRemix=2\nWaveBlocks=9\nWaveBlockLen=0x3FF\nGoodWavePos=-1\n"
        "SamplesPerSec = 11\n")
    put("ini", "not-compatible", "[not compatible]\nHeadless Wave Out=1\n")
    put("ini", "odd", "key=before any section\n[general\nWaveOutDevice=-1\n[default]\n"
        "WaveBlocks=\"4\"\nWaveBlockLen=-4096\nWaveBlockLen=9999\n[DEFAULT]\nWaveBlocks=6\n"
        "=\n[]\nx\n")
    put("ini", "huge-numbers", "[general]\nWaveOutDevice=4294967296\n[default]\n"
        "WaveBlocks=-2147483648\nWaveBlockLen=0xFFFFFFFF\nSamplesPerSec=+22junk\n")


# --- my.dat ----------------------------------------------------------------------------------

LINES = 2259


def my_dat(values, end="\r\n"):
    return "".join(str(v) + end for v in values)


def progress_seeds():
    reset = [0] * LINES
    reset[1207 - 1] = 1      # save_marker
    reset[2252 - 1] = -1     # flyer_kind: none
    put("progress", "full-reset", my_dat(reset))
    played = list(reset)
    for i in range(100):
        played[i] = i % 3
    for n, v in ((201, 5), (202, 5), (101, 3), (120, 1)):
        played[100 + n] = v
    played[1201 - 1] = 12345        # money
    played[1205 - 1] = 3            # clerk_lv
    played[1206 - 1] = 24           # day
    played[1209 - 1] = 4
    played[1210 - 1] = 31
    for i in range(20):
        played[1211 - 1 + 2 * i] = 1000 * i
        played[1212 - 1 + 2 * i] = -i
    for n in (101, 102, 150, 506, 510):
        played[1251 - 1 + n] = 1
    played[2252 - 1] = 7
    played[2253 - 1] = 11
    played[2258 - 1] = 2
    played[2259 - 1] = 1
    put("progress", "played", my_dat(played))
    put("progress", "lf-blanks-signs", "".join(" +%d \n" % v if i % 2 else "%d\t\n" % v
                                                for i, v in enumerate(played)))
    put("progress", "extremes", my_dat([2147483647, -2147483648] * 1102 + [0] * 55))
    put("progress", "short", my_dat(played[:1300]))
    put("progress", "not-a-number", my_dat(played[:1204]) + "3x\r\n" + my_dat(played[1205:]))
    put("progress", "out-of-range", my_dat(played[:2252]) + "100\r\n" + my_dat(played[2253:]))
    put("progress", "extra-lines", my_dat(played) + "1\r\n2\r\n")


# --- name.dat --------------------------------------------------------------------------------

def names_seeds():
    put("names", "names", "".join("name%d\r\n" % i for i in range(226)))
    put("names", "sjis-mixed", "\u30ed\u30af\u30b5\u30f3\r\n\r\nlf only\n\r\n\rcr inside\r\rend"
        .encode("cp932"))
    put("names", "too-many", "".join("%d\n" % i for i in range(240)))


# --- Shift-JIS -------------------------------------------------------------------------------

def sjis_seeds():
    put("sjis", "game-text", "★フロリネット ver1.5\r\n最高売り上げ: ￥1200円 ｱｲｳ ソ表能".encode("cp932"))
    put("sjis", "cut-and-odd", "ソ".encode("cp932")[:1] + b"\x81\x7f\x80\xa0\xfd\xfe\xff\x5c\x7e" +
        b"\xf0\x40\xfa\x5c\xed\x40\x87\x40" + "表".encode("cp932")[:1])
    put("sjis", "utf8-text", "包む チラシを入れる 〜～－−¥ 😀".encode("utf-8"))
    put("sjis", "utf8-broken", b"\xe3\x81" + b"\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80\xff" +
        "あ".encode("utf-8"))


# --- MO (translation catalogues) ------------------------------------------------------------

def mo(entries, header="Content-Type: text/plain; charset=UTF-8\nPlural-Forms: nplurals=2; "
       "plural=(n != 1);\n", big_endian=False, revision=0):
    """entries: (original, translation) pairs, bytes or str; the header is the empty original."""
    def b(x):
        return x.encode("utf-8") if isinstance(x, str) else x
    pairs = sorted([(b(k), b(v)) for k, v in entries] + [(b"", b(header))])
    e = ">" if big_endian else "<"
    n = len(pairs)
    orig_at, trans_at = 28, 28 + 8 * n
    data_at = trans_at + 8 * n
    blob, otab, ttab = b"", b"", b""
    for k, _ in pairs:
        otab += struct.pack(e + "II", len(k), data_at + len(blob))
        blob += k + b"\0"
    for _, v in pairs:
        ttab += struct.pack(e + "II", len(v), data_at + len(blob))
        blob += v + b"\0"
    head = struct.pack(e + "IIIIIII", 0x950412de, revision, n, orig_at, trans_at, 0, data_at)
    return head + otab + ttab + blob


def mo_seeds():
    words = [("Start", "Begin"), ("包む", "Wrap"), ("%sが現れた!!", "%s came in!!"),
             ("totals\0%d items", "%d item\0%d items"), ("caption\x04次", "Next"),
             ("値段:\\ %d円", "Price: ¥%d")]
    put("mo", "little-endian", mo(words))
    put("mo", "big-endian", mo(words, big_endian=True))
    put("mo", "three-forms", mo([("%d枚", "%d a\0%d b\0%d c")],
        "Content-Type: text/plain; charset=UTF-8\nPlural-Forms: nplurals=3; plural=(n%10==1 && "
        "n%100!=11 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2);\n"))
    put("mo", "latin1", mo(words, "Content-Type: text/plain; charset=ISO-8859-1\n"))
    put("mo", "bad-plural", mo(words, "Plural-Forms: nplurals=2; plural=((n>1);\n"))
    put("mo", "cut", mo(words)[:90])
    put("mo", "not-cp932", mo([("Start", "Début ✓")]))
    put("mo", "header-only", mo([]))


def main():
    bmp_seeds()
    wave_seeds()
    ini_seeds()
    progress_seeds()
    names_seeds()
    sjis_seeds()
    mo_seeds()
    return 0


if __name__ == "__main__":
    sys.exit(main())
