#!/usr/bin/env python3
# The catalogues in translations/ against the sources, as lupdate reads them now: a text marked for
# translation that a shipped language lacks (new, or changed since), or left unfinished, fails
# here, and so does a translation that drops or adds a %1 or %n.
# Usage: check_translations.py LUPDATE TS_FILE... -- LUPDATE_ARGUMENTS...
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

lupdate, rest = sys.argv[1], sys.argv[2:]
ts_files, arguments = rest[:rest.index("--")], rest[rest.index("--") + 1:]
failures = []


def placeholders(text):
    return sorted(re.findall(r"%[1-9n]", text or ""))


with tempfile.TemporaryDirectory() as work:
    for ts_file in ts_files:
        copy = Path(work, Path(ts_file).name)
        shutil.copy(ts_file, copy)
        plural_only = ["-pluralonly"] if copy.name.endswith("_en.ts") else []
        subprocess.run([lupdate, *arguments, *plural_only, "-ts", str(copy)], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for context in ElementTree.parse(copy).getroot().iter("context"):
            for message in context.iter("message"):
                where = f"{copy.name}: {context.findtext('name')}: {message.findtext('source')!r}"
                translation = message.find("translation")
                # Gone from the sources: kept for when it comes back, never shipped.
                if translation.get("type") in ("vanished", "obsolete"):
                    continue
                forms = [form.text for form in translation.iter("numerusform")] or [translation.text]
                if translation.get("type") == "unfinished" or not all(forms):
                    failures.append(f"{where} is not translated")
                    continue
                wanted = placeholders(message.findtext("source"))
                for form in forms:
                    # A singular may say "one" for its %n.
                    if placeholders(form) not in (wanted, [p for p in wanted if p != "%n"]):
                        failures.append(f"{where}: {form!r} does not keep {wanted}")

for failure in failures:
    print("FAIL:", failure)
print(f"{len(ts_files)} catalogues checked: {len(failures)} failures")
sys.exit(1 if failures else 0)
