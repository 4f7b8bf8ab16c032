#!/usr/bin/python3
"""Builds the glyph fonts glyf01.ttf (family Glyf01) and glyf01b.ttf (family
Glyf02, bold) from Amiri, one glyph per drawn byte of the glyph chart.

The fonts are drawn unshaped: a symbol cmap (3,0) maps U+F000+b to the glyph
of byte b, and there are no layout tables, so nothing can reshape or reorder
the text. Each glyph is Amiri's own shape of that letter in that form, found
through its Arabic Presentation Forms cmap; joined shapes keep Amiri's joining
strokes, which reach past the advance so neighbours meet without positioning.

Usage: build_fonts.py --chart glyph_chart.tsv --amiri-dir DIR --out-dir DIR
"""

import argparse
import csv
import os
import sys
import unicodedata

from fontTools.fontBuilder import FontBuilder
from fontTools.misc.timeTools import timestampFromString
from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._c_m_a_p import CmapSubtable

SYMBOL_BASE = 0xF000
# A fixed date keeps the output byte for byte the same from build to build.
FIXED_TIME = timestampFromString("Mon Jan  1 00:00:00 1996")

FONTS = [
    # file, source, family, style, weight
    ("glyf01.ttf", "Amiri-Regular.ttf", "Glyf01", "Regular", 400),
    ("glyf01b.ttf", "Amiri-Bold.ttf", "Glyf02", "Bold", 700),
]

# Amiri's own tatweel is an empty glyph that its justification stretches; its
# fixed-length variant is the one that draws.
TATWEEL_GLYPHS = ["uni0640.1", "uni0640.0"]


def fail(message):
    sys.exit("build_fonts.py: " + message)


def read_chart(path):
    """The drawn entries of the chart TSV, as dicts, in chart order."""
    with open(path, newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f, delimiter="\t"))
    if not rows:
        fail(f"{path}: no chart entries")
    drawn = [r for r in rows if r["drawn"] == "1"]
    bytes_seen = set()
    for r in drawn:
        b = int(r["byte"], 16)
        if b in bytes_seen:
            fail(f"{path}: byte {r['byte']} is drawn twice")
        bytes_seen.add(b)
    return drawn


def presentation_forms():
    """(code points, form) -> presentation-form code point, from Unicode's
    compatibility decompositions, so that e.g. ((0x628,), 'initial') is FE91."""
    forms = {}
    for cp in list(range(0xFB50, 0xFE00)) + list(range(0xFE70, 0xFF00)):
        decomposition = unicodedata.decomposition(chr(cp)).split()
        if len(decomposition) < 2 or not decomposition[0].startswith("<"):
            continue
        form = decomposition[0].strip("<>")
        if form not in ("isolated", "final", "initial", "medial"):
            continue
        key = (tuple(int(c, 16) for c in decomposition[1:]), form)
        forms[key] = cp  # the B block comes last and wins over the A block
    return forms


def source_glyph(entry, amiri, forms):
    """The name of Amiri's glyph for a chart entry."""
    cmap = amiri.getBestCmap()
    letter = int(entry["letter"], 16)
    form = entry["form"]
    if entry["alef"]:
        chars = (letter, int(entry["alef"], 16))
    else:
        chars = (letter,)
    if letter == 0x0640:
        for name in TATWEEL_GLYPHS:
            if name in amiri.getGlyphOrder():
                return name
        fail("Amiri has no drawn tatweel glyph")
    if entry["joining"] != "none":
        cp = forms.get((chars, form))
        if cp is None or cp not in cmap:
            fail(f"no Amiri glyph for {entry['note']} ({form}), byte {entry['byte']}")
        return cmap[cp]
    if letter not in cmap:
        fail(f"no Amiri glyph for {entry['note']}, byte {entry['byte']}")
    return cmap[letter]


def outline(glyph_set, name):
    """Amiri's glyph as one simple glyph: components (dots, hamzas, the parts
    of a ligature) are flattened so each byte owns its outline."""
    recording = DecomposingRecordingPen(glyph_set)
    glyph_set[name].draw(recording)
    pen = TTGlyphPen(None)
    recording.replay(pen)
    return pen.glyph()


def empty_glyph():
    return TTGlyphPen(None).glyph()


def build_font(chart, source_path, out_path, family, style, weight, forms):
    amiri = TTFont(source_path)
    glyph_set = amiri.getGlyphSet()
    amiri_metrics = amiri["hmtx"].metrics

    order = [".notdef"]
    glyphs = {".notdef": empty_glyph()}
    advances = {".notdef": 0}  # a byte outside the chart draws nothing
    cmap = {}
    for entry in chart:
        b = int(entry["byte"], 16)
        name = f"g{b:02X}"
        source = source_glyph(entry, amiri, forms)
        order.append(name)
        glyphs[name] = outline(glyph_set, source)
        advances[name] = amiri_metrics[source][0]
        cmap[SYMBOL_BASE + b] = name

    fb = FontBuilder(amiri["head"].unitsPerEm, isTTF=True)
    fb.font.recalcTimestamp = False
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap({})
    fb.setupGlyf(glyphs)
    glyf = fb.font["glyf"]
    metrics = {}
    y_max = y_min = 0
    for name in order:
        g = glyf[name]
        g.recalcBounds(glyf)
        x_min = getattr(g, "xMin", 0) if g.numberOfContours else 0
        metrics[name] = (advances[name], x_min)
        if g.numberOfContours:
            y_max = max(y_max, g.yMax)
            y_min = min(y_min, g.yMin)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=y_max, descent=y_min, lineGap=0)

    postscript = f"{family}-{style}"
    amiri_copyright = amiri["name"].getDebugName(0) or "The Amiri Project Authors"
    fb.setupNameTable(
        {
            "copyright": amiri_copyright,
            "familyName": family,
            "styleName": style,
            "uniqueFontIdentifier": f"ovta;{postscript}",
            "fullName": f"{family} {style}",
            "version": "Version 1.000",
            "psName": postscript,
            "description": "Glyph font of the ovta reader, drawn from Amiri",
            "licenseDescription": amiri["name"].getDebugName(13) or "SIL Open Font License 1.1",
            "licenseInfoURL": amiri["name"].getDebugName(14) or "https://scripts.sil.org/OFL",
        },
        mac=False,
    )
    bold = weight >= 700
    fb.setupOS2(
        version=4,
        usWeightClass=weight,
        fsType=0,
        fsSelection=(1 << 5) if bold else (1 << 6),
        achVendID="OVTA",
        sTypoAscender=y_max,
        sTypoDescender=y_min,
        sTypoLineGap=0,
        usWinAscent=y_max,
        usWinDescent=-y_min,
        ulUnicodeRange1=0,
        ulUnicodeRange2=1 << 28,  # bit 60: private use area, where U+F000+b lives
        ulUnicodeRange3=0,
        ulUnicodeRange4=0,
        ulCodePageRange1=1 << 31,  # symbol character set
        ulCodePageRange2=0,
        usFirstCharIndex=min(cmap),
        usLastCharIndex=max(cmap),
        usDefaultChar=0,
        usBreakChar=SYMBOL_BASE + 0x20,
        usMaxContext=0,
        sxHeight=amiri["OS/2"].sxHeight,
        sCapHeight=amiri["OS/2"].sCapHeight,
    )
    fb.setupPost(keepGlyphNames=False)
    fb.setupHead(unitsPerEm=amiri["head"].unitsPerEm, created=FIXED_TIME, modified=FIXED_TIME,
                 fontRevision=1.0, macStyle=1 if bold else 0)

    symbol = CmapSubtable.newSubtable(4)
    symbol.platformID = 3
    symbol.platEncID = 0
    symbol.language = 0
    symbol.cmap = cmap
    fb.font["cmap"].tables = [symbol]

    fb.font.save(out_path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--chart", required=True, help="chart TSV from ovta-glyph-chart")
    parser.add_argument("--amiri-dir", required=True)
    parser.add_argument("--out-dir", required=True)
    args = parser.parse_args()

    chart = read_chart(args.chart)
    forms = presentation_forms()
    os.makedirs(args.out_dir, exist_ok=True)
    for file_name, source, family, style, weight in FONTS:
        source_path = os.path.join(args.amiri_dir, source)
        if not os.path.exists(source_path):
            fail(f"{source_path} not found (Debian package fonts-hosny-amiri)")
        build_font(chart, source_path, os.path.join(args.out_dir, file_name), family, style,
                   weight, forms)


if __name__ == "__main__":
    main()
