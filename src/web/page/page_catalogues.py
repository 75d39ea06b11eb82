#!/usr/bin/env python3
# The pages' catalogues, made at build time from the program's own (translations/aerolap_XX.ts): for
# each language, the finished translations of the contexts the pages read, as a script that hands
# them to AerolapI18n (i18n.js). What is unfinished or empty is left out, so that the page shows
# the English source instead.
# Usage: page_catalogues.py OUT.js CONTEXT[,CONTEXT...] aerolap_en.ts aerolap_it.ts ...
import json, re, sys  # noqa: E401
import xml.etree.ElementTree as ElementTree

out, contexts, ts_files = sys.argv[1], set(sys.argv[2].split(",")), sys.argv[3:]
catalogues = {}
for ts_file in ts_files:
    language = re.search(r"_([a-z]{2})\.ts$", ts_file).group(1)
    catalogue = catalogues.setdefault(language, {})
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        if name not in contexts:
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                continue
            forms = [form.text or "" for form in translation.iter("numerusform")]
            text = forms if message.get("numerus") == "yes" else translation.text
            if text and all(text):
                catalogue.setdefault(name, {})[message.findtext("source")] = text
code = json.dumps(catalogues, ensure_ascii=False, sort_keys=True, indent=0)
# The pilots' page carries the script inside itself: no text may end its <script> element.
with open(out, "w", encoding="utf-8") as script:
    script.write("AerolapI18n.add(" + code.replace("<", "\\u003c") + ");\n")
