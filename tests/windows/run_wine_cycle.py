#!/usr/bin/env python3
# The zip's aerolap.exe under Wine, watched from outside like an operator and a display: the Linux
# whole-cycle test's machinery (Xvfb with openbox, a private PulseAudio whose null sink is recorded,
# a pseudo-terminal, a tone sound set, xdotool), with the Windows program's own ways: COM1 is the
# pseudo-terminal through the Wine prefix's registry, the tones lie in the prefix's C:\reriva3rira and
# C:\zodura3v, and sound goes through PlaySound and Wine's PulseAudio driver.
#
# Beyond one whole cycle (every frame and cue near its second), it checks that TIMER IN PRIMO PIANO
# sets and clears the window manager's keep-above state (SetWindowPos), that the windows stay off the
# taskbar, System Info with and without its registry value, that /api/state answers, and the exit.
# Last, a short cycle whose COM1 device vanishes in the working time and comes back, as in
# run_unplugged_display.py. Lags are printed as figures: Wine is not Windows.

import argparse, contextlib, json, socket, subprocess, sys, urllib.request, zipfile  # noqa: E401
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "e2e"))
import run_unplugged_display as unplugged  # noqa: E402
import run_whole_cycle as e2e  # noqa: E402

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"
FRAME1, CHECK15_ON_TOP = e2e.FRAME1, (3840, 2880, 2175, 375)
CMD_SYS_INFO = (4260, 3075, 1245, 345)
SYS_INFO_KEY = r"HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO"
UNAVAILABLE_TITLE, NOTEPAD_TITLE = "Aerolap", "Untitled - Notepad"


# Near its second under Wine, which is slower than Windows at its first PlaySound and stalls now and
# then on a busy machine (its PulseAudio driver may also leave a gap inside a sound there, or mix a
# crackle into it: the tone is still told by its own frequency). A frame or cue of the wrong second is
# still a whole second off.
e2e.TOLERANCE_S = 0.500
e2e.SAME_TONE_WITHIN_S = 0.5
e2e.CLEAN_TONE = 0


def wine_environment(prefix):
    return {**e2e.ENV, "WINEPREFIX": str(prefix), "WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml="}


def wine(prefix, *argv):
    # A Windows command in the prefix, such as reg, waited for.
    return subprocess.run([WINE, *argv], env=wine_environment(prefix), capture_output=True, timeout=60,
                          check=True)


def restart_wineserver(prefix):
    # The prefix's server reads the ports' registry values when it starts; ending it ends every
    # Windows process of this prefix and nothing else.
    env = wine_environment(prefix)
    subprocess.run([WINESERVER, "-k"], env=env, capture_output=True, timeout=30)
    subprocess.run([WINESERVER, "-w"], env=env, capture_output=True, timeout=30)


def net_wm_state(window):
    return e2e.run("xprop", "-id", window, "_NET_WM_STATE", check_status=False).stdout.decode()


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def start_program(program, prefix, web_port, stderr=None):
    return e2e.start([WINE, program, "--web-port", web_port], env=wine_environment(prefix), stderr=stderr)


def check_about_box_system_info(expected_title):
    # System Info on the about box brings up what the registry names, or the message that there is none.
    about = e2e.find_window(e2e.ABOUT_TITLE, 90)
    e2e.check("_NET_WM_STATE_SKIP_TASKBAR" in net_wm_state(about), "the about box shows in the taskbar")
    e2e.click(*e2e.box(about, CMD_SYS_INFO))
    shown = e2e.find_window(expected_title, 30)
    e2e.run("xdotool", "windowactivate", "--sync", shown, "key", "Return" if expected_title == UNAVAILABLE_TITLE
            else "alt+F4")
    e2e.wait_until(lambda: e2e.run("xwininfo", "-id", shown, check_status=False).returncode, 15,
                   f"{expected_title!r} to close")
    print(f"System Info brought up {expected_title!r}")


def check_always_on_top(window):
    # TIMER IN PRIMO PIANO, in the set-up panel: ticked, the window manager keeps the window above;
    # unticked, no longer; the window stays where it is.
    e2e.click(*e2e.box(window, e2e.COMMAND1_SETUP))
    geometry = e2e.box(window, (0, 0, 0, 0))
    toggle = e2e.box(window, CHECK15_ON_TOP, FRAME1)
    for ticked in (True, False):
        if ticked:
            e2e.click(*toggle, from_left=8)
        else:  # the pointer is there already, and xdotool's --sync would wait for it to move
            e2e.run("xdotool", "click", "1")
        e2e.wait_until(lambda: ("_NET_WM_STATE_ABOVE" in net_wm_state(window)) == ticked, 10,
                       f"the keep-above state to be {'set' if ticked else 'cleared'}")
    e2e.check(e2e.box(window, (0, 0, 0, 0)) == geometry, "the window moved when kept above")
    # Away from the button's centre, where the next set-up starts.
    e2e.click(*e2e.box(window, e2e.COMMAND1_SETUP), from_left=8)
    print("TIMER IN PRIMO PIANO set and cleared the keep-above state")


def check_state_page(web_port):
    with urllib.request.urlopen(f"http://127.0.0.1:{web_port}/api/state", timeout=10) as answer:
        state = json.load(answer)
    e2e.check(state.get("status") == "READY" and state.get("time") == f"00.00.{e2e.PREPARATION_S:02d}",
              f"/api/state at READY: {state}")
    print(f"/api/state answered {state}")


def check_sound_check(program, prefix):
    # --check-sounds prints on the console what PlaySound will play: the prefix's C:\reriva3rira,
    # else, where that folder does not exist at all, the set beside the program, said once.
    fixed, aside = prefix / "drive_c" / "reriva3rira", prefix / "drive_c" / "reriva3rira.aside"
    for present in (True, False):
        if not present:
            fixed.rename(aside)
        try:
            report = subprocess.run([WINE, program, "--check-sounds"], env=wine_environment(prefix),
                                    capture_output=True, timeout=60, text=True, errors="replace")
        finally:
            if not present:
                aside.rename(fixed)
        said = report.stderr.count("does not exist; the sounds come from")
        e2e.check(report.returncode == 0 and "Every cue file plays." in report.stdout
                  and "Output: Windows PlaySound" in report.stdout and said == (0 if present else 1),
                  f"--check-sounds with C:\\reriva3rira {'present' if present else 'absent'}: status "
                  f"{report.returncode}, said {said} time(s) where the sounds come from:\n{report.stdout[-600:]}")
    print("--check-sounds reported the prefix's sound folders, and the set beside the program without them")


def wine_cycle(zip_path, prefix, work):
    e2e.set_environment(work)
    with zipfile.ZipFile(zip_path) as archive:
        archive.extractall(work / "program")
    program = next((work / "program").glob("*/aerolap.exe"))
    drive_c = prefix / "drive_c"
    for folder in ("reriva3rira", "zodura3v"):
        (drive_c / folder).mkdir(exist_ok=True)
    e2e.write_tones(drive_c)
    recording = e2e.start_sound_server(work)
    e2e.start_display()
    e2e.wait_for_recording(recording)
    # COM1 is a link, so that its device can vanish and come back as a pulled USB adapter's does.
    port = work / "display"
    cable = unplugged.Cable(port)
    web_port = str(free_port())
    try:
        wine(prefix, "reg", "add", r"HKLM\Software\Wine\Ports", "/v", "COM1", "/t", "REG_SZ", "/d", str(port), "/f")
        with contextlib.suppress(subprocess.CalledProcessError):
            wine(prefix, "reg", "delete", SYS_INFO_KEY, "/f")
        restart_wineserver(prefix)
        check_sound_check(program, prefix)
        print(f"Display {e2e.ENV['DISPLAY']}, sound server {e2e.ENV['PULSE_SERVER']}, COM1 = {port}, "
              f"Wine prefix {prefix}")
        app = start_program(program, prefix, web_port)
        check_about_box_system_info(UNAVAILABLE_TITLE)
        window = e2e.close_about_box()
        e2e.check("_NET_WM_STATE_SKIP_TASKBAR" in net_wm_state(window), "the main window shows in the taskbar")
        check_always_on_top(window)
        e2e.run_and_check_cycle(window, cable.chunks, recording)
        check_state_page(web_port)
        e2e.exit_with_yes(app, window)

        # Once more with the registry's System Info tool: Wine's Notepad stands in for it.
        wine(prefix, "reg", "add", SYS_INFO_KEY, "/v", "PATH", "/t", "REG_SZ", "/d", r"C:\windows\notepad.exe", "/f")
        app = start_program(program, prefix, web_port)
        check_about_box_system_info(NOTEPAD_TITLE)
        e2e.exit_with_yes(app, e2e.close_about_box())

        errors = work / "errors.txt"
        with open(errors, "wb") as stream:
            app = start_program(program, prefix, web_port, stream)
        # Off the OK button, where the last run left it: xdotool's --sync waits for a pointer to move.
        e2e.run("xdotool", "mousemove", "0", "0")
        window = e2e.close_about_box()
        cable = unplugged.pull_and_plug(window, port, cable, recording, errors)
        e2e.exit_with_yes(app, window)
        unplugged.check_told_once(errors, prefix.rglob("Aerolap/log/*.jsonl"))
    finally:
        restart_wineserver(prefix)
        cable.pull()


def main():
    parser = argparse.ArgumentParser(description="The Windows program's whole cycle under Wine.")
    parser.add_argument("--zip", required=True, type=Path, help="the program's zip")
    parser.add_argument("--prefix", required=True, type=Path, help="the test run's Wine prefix")
    arguments, rest = parser.parse_known_args()
    sys.argv = [sys.argv[0], "--program", str(arguments.zip.resolve()), *rest]
    return e2e.main(lambda zip_path, work: wine_cycle(zip_path, arguments.prefix.resolve(), work), "WINE E2E")


if __name__ == "__main__":
    sys.exit(main())
