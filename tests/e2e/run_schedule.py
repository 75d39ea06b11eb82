#!/usr/bin/env python3
# A contest schedule of two short groups run by the real program from `--schedule`, watched on port 1.
#
# The program runs as in run_whole_cycle.py (private Xvfb under openbox, a pseudo-terminal as port 1). The
# director only presses START for the first group: the schedule must start the second itself once the gap
# is over. Checked: the frames of both cycles are those of the plain cycle, each on its second; the gap
# between them; and the position written beside the schedule at the end.

import json, os, statistics, sys, time  # noqa: E401

import run_whole_cycle as cycle

PREPARATION_S, WORKING_S, GAP_S, LIMIT_S = 5, 5, 5, 0.1
SCHEDULE = {"name": "E2E", "preparation": "00.00.05", "gap": "00.00.05", "colour": "kept",
            "rounds": [{"task": "A", "working": "00.00.05", "groups": 2}]}


def two_groups(program, work):
    cycle.set_environment(work)
    cycle.start_display()
    far_end, port_fd = os.openpty()
    serial, _ = cycle.collect(far_end)
    schedule = work / "day.json"
    schedule.write_text(json.dumps(SCHEDULE))
    cycle.start([program, "--web-port", "0", "--schedule", str(schedule)], env={
        **cycle.ENV, "QT_QPA_PLATFORM": "xcb", "AEROLAP_COM1": os.ttyname(port_fd), "AEROLAP_SOUNDS": "/nonexistent"})
    try:
        cycle.click(*cycle.box(cycle.find_window(cycle.ABOUT_TITLE, 90), cycle.CMD_OK))
        window = cycle.find_window(cycle.MAIN_TITLE, 30)
        time.sleep(1)
        first = len(cycle.split_frames(serial)[0])
        cycle.click(*cycle.box(window, cycle.COMMAND5_START))
        one, _ = cycle.timeline(PREPARATION_S, WORKING_S)
        length = PREPARATION_S + WORKING_S + cycle.LANDING_S
        # The second cycle's display already shows its preparation time when it starts.
        expected = one + [(due + length + GAP_S, frame) for due, frame in one[1:]]
        cycle.wait_until(lambda: len(cycle.split_frames(serial)[0]) >= first + len(expected), 2 * length + 30,
                         "both cycles")
        time.sleep(1)  # nothing may follow
        frames = cycle.split_frames(serial)[0][first:]
        cycle.check([f for _, f in frames] == [f for _, f in expected],
                    f"the frames are not those of two cycles: {[f for _, f in frames]}")
        start_s = min(arrived - due for (due, _), (arrived, _) in zip(expected, frames))
        late = [1000 * (arrived - start_s - due) for (due, _), (arrived, _) in zip(expected, frames)]
        print(f"Frames against their second: median {statistics.median(late):.1f} ms, max {max(late):.1f} ms")
        cycle.check(max(late) <= 1000 * LIMIT_S, "a frame was late: the gap or a cycle did not keep its time")
        gap = frames[len(one)][0] - frames[len(one) - 1][0]
        print(f"Gap from the end of the first cycle to the second's first second: {gap:.3f} s")
        state = json.loads((work / "day.json.state").read_text())
        cycle.check(state == {"round": 1, "group": 2, "flight": 1, "running": False, "finished": True},
                    f"the state file holds {state}")
        cycle.check(json.loads(schedule.read_text()) == SCHEDULE, "the schedule file was changed")
    finally:
        os.close(far_end)


if __name__ == "__main__":
    sys.exit(cycle.main(two_groups, "E2E SCHEDULE"))
