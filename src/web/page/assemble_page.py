#!/usr/bin/env python3
# Makes the pilots' page one file: the digits' font as a data URL in place of @DIGITS_FONT@ (the font
# cut down to the characters the time display shows, so that every phone at the field shows the
# same digits with nothing fetched from anywhere), and the scripts, in the order given, in place of
# @SCRIPTS@.
# Usage: assemble_page.py FONT PAGE_IN PAGE_OUT SCRIPT...
import base64, io, sys  # noqa: E401
from fontTools import subset

font_file, page_in, page_out, scripts = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
options = subset.Options()
options.flavor = "woff"
options.drop_tables.append("FFTM")  # a font tool's timestamp, nothing a browser reads
font = subset.load_font(font_file, options)
subsetter = subset.Subsetter(options)
subsetter.populate(text="0123456789.:-")
subsetter.subset(font)
woff = io.BytesIO()
subset.save_font(font, woff, options)
code = ""
for script in scripts:
    with open(script, encoding="utf-8") as each:
        code += each.read()
with open(page_in, encoding="utf-8") as page:
    text = page.read().replace("@DIGITS_FONT@", base64.b64encode(woff.getvalue()).decode("ascii"))
with open(page_out, "w", encoding="utf-8") as page:
    page.write(text.replace("@SCRIPTS@", code))
