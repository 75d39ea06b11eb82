#!/usr/bin/env python3
# The setup program under Wine, silently (/S), as an administrator would run it: the program, its
# DLLs, its Start-menu entries and the default sound set of each language go into the program's
# folder, the fixed sound folders on C:\ (a club's own recordings) are left as they were, and the
# uninstaller takes the program away and leaves the sound folders.

import argparse, subprocess, sys  # noqa: E401
from pathlib import Path

WINE, WINESERVER = "/usr/lib/wine/wine64", "/usr/lib/wine/wineserver"
FAILURES = []
# The default sets: one per language, each the 24 files of the cycle and the schedule's 35.
LANGUAGES, SET_FILES = ("en", "it", "de", "fr"), 59


def check(condition, message):
    if not condition:
        FAILURES.append(message)
        print(f"FAIL: {message}")


def main():
    parser = argparse.ArgumentParser(description="The setup program and its uninstaller under Wine.")
    parser.add_argument("--setup", required=True, type=Path, help="aerolap-<version>-setup.exe")
    parser.add_argument("--prefix", required=True, type=Path, help="the test run's Wine prefix")
    arguments = parser.parse_args()
    prefix = arguments.prefix.resolve()
    env = {"PATH": "/usr/bin:/bin", "HOME": str(prefix.parent), "WINEPREFIX": str(prefix), "WINEDEBUG": "-all",
           "WINEDLLOVERRIDES": "mscoree,mshtml="}

    def windows(*argv):
        subprocess.run([WINE, *argv], env=env, capture_output=True, timeout=120)
        subprocess.run([WINESERVER, "-w"], env=env, timeout=120)  # the uninstaller runs on from a copy

    def files_in(folder):
        return sum(1 for file in folder.rglob("*") if file.is_file()) if folder.is_dir() else 0

    drive_c = prefix / "drive_c"
    installed = drive_c / "Program Files" / "Aerolap"
    club = drive_c / "reriva3rira" / "5.wav"
    club.parent.mkdir(exist_ok=True)
    club.write_bytes(b"the club's own recording")
    menu = drive_c / "ProgramData" / "Microsoft" / "Windows" / "Start Menu" / "Programs" / "Aerolap"
    before = {folder: files_in(drive_c / folder) for folder in ("reriva3rira", "zodura3v", "schedule")}

    windows(str(arguments.setup.resolve()), "/S")
    for name in ("aerolap.exe", "Qt6Core.dll", "platforms/qwindows.dll", "COPYING.txt",
                 "THIRD-PARTY-NOTICES.txt", "uninstall.exe"):
        check((installed / name).is_file(), f"not installed: {name}")
    check((menu / "Aerolap.lnk").is_file(), "no Start-menu entry for every user")
    check(club.read_bytes() == b"the club's own recording", "the club's own 5.wav was replaced")
    sets = {language: files_in(installed / "sounds" / language) for language in LANGUAGES}
    check(sets == {language: SET_FILES for language in LANGUAGES}, f"sound sets after setup: {sets}")
    sounds = {folder: files_in(drive_c / folder) for folder in ("reriva3rira", "zodura3v", "schedule")}
    check(sounds == before, f"the setup changed the fixed sound folders from {before} to {sounds}")

    windows(str(installed / "uninstall.exe"), "/S")
    check(not installed.exists(), "the program's folder is still there after the uninstaller")
    check(not menu.exists(), "the Start-menu entries are still there after the uninstaller")
    after = {folder: files_in(drive_c / folder) for folder in sounds}
    check(after == sounds and club.read_bytes() == b"the club's own recording",
          f"the uninstaller touched the sound folders: {after}")
    print(f"Setup installed the program with {sum(sets.values())} sound files in {len(sets)} sets beside it "
          f"and left the club's own ({sum(sounds.values())} files); the uninstaller left those")
    print(f"\nWINE SETUP RESULT: {'FAILED' if FAILURES else 'PASSED'}")
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
