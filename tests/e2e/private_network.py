"""Runs the saver with the address line in a private network namespace, adds an address while it
runs and reports, as JSON on stdout, the line before and how long the new address took to appear.

Started by test_address_system.py as `unshare -n python3 private_network.py --arch A --work DIR`: the
whole Wine session (its server, its services, which list the interfaces, and an Xvfb of its own) runs
inside the namespace, so that the machine's own interfaces are never touched. A veth pair stands in
for a network card (the pair is up once both ends are)."""

import argparse
import json
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402

FULL_SCREEN_TITLE = "^KelvorSS$"
BLACK = (0, 0, 0)
CARD, PEER = "kelvor0", "kelvor1"
FIRST, ADDED = "10.99.0.1", "10.99.0.2"
# How long the screen is watched after the address is added.
WATCH_SECONDS = 9


def ip(*arguments):
    subprocess.run(["ip", *arguments], check=True, capture_output=True)


def line_in(shot):
    """The line of text in a screenshot, read by OCR; empty when nothing is drawn."""
    image = subprocess.run(["convert", str(shot), "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    box = harness.Screen(harness.SCREEN_WIDTH, harness.SCREEN_HEIGHT, image).bounding_box_not(BLACK)
    return harness.read_text(shot, box, shot.with_name(shot.stem + "-text.png")) if box else ""


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--arch", choices=("32", "64"), required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()

    ip("link", "set", "lo", "up")
    ip("link", "add", CARD, "type", "veth", "peer", "name", PEER)
    ip("link", "set", CARD, "up")
    ip("link", "set", PEER, "up")
    ip("addr", "add", f"{FIRST}/24", "dev", CARD)

    session = harness.WineSession(args.arch, Path(args.work))
    report = {}
    try:
        try:
            session.start()
        except subprocess.CalledProcessError:
            # A fresh prefix's first boot failed once in many here (wineboot ended with 53); one more
            # boot of a new prefix is set-up, not the behaviour under test.
            subprocess.run(["wineserver", "-k"], env=session.env(), check=False, timeout=30)
            session.start()
        session.set_settings(DisplayItems=0, ExtraItems=1, MoveOption=4, FontSize=20, FontName="Arial")
        session.start_saver("/s")
        if session.wait_for_window(FULL_SCREEN_TITLE) is None:
            raise RuntimeError("no full-screen window")
        deadline = time.time() + 20
        before = ""
        while time.time() < deadline and before != f"IP address: {FIRST}":
            time.sleep(0.5)
            before = line_in(session.screenshot(session.work_dir / "before.png"))
        report["before"] = before

        # Screenshots as fast as they come, read afterwards: the new address appeared at the latest
        # when the first screenshot that shows it was finished.
        ip("addr", "add", f"{ADDED}/24", "dev", CARD)
        added = time.time()
        shots = []
        while time.time() - added < WATCH_SECONDS:
            shot = session.screenshot(session.work_dir / f"after-{len(shots):03d}.png")
            shots.append((time.time() - added, shot))
        report["seconds"] = None
        for taken, shot in shots:
            line = line_in(shot)
            if ADDED in line:
                report["seconds"] = round(taken, 2)
                report["after"] = line
                break
        report["screenshots"] = len(shots)
    finally:
        session.close()
    print(json.dumps(report))


if __name__ == "__main__":
    main()
