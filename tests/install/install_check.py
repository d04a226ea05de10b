#!/usr/bin/python3
"""Installs the built program into a temporary prefix and checks what lands there.

  install_check.py <cmake> <build dir> <source dir>

- `cmake --install <build dir> --prefix <tmp>` puts the program and its six sound files
  (the same bytes as assets/sounds/) in <tmp>/lib/kolvo, a link bin/kolvo to it, the
  desktop entry, the icons in share/icons/hicolor/NxN/apps at their sizes, and the
  AppStream metadata; desktop-file-validate and appstreamcli validate --no-net pass.
- Started through the bin link from another working directory under its own Xvfb (with
  AT-SPI and a PulseAudio null sink), the program shows its start-up window; the set-up
  tune, looked for in the working directory, is reported missing, as designed; the
  roll sound, from the program's own directory, reaches the sink without a failure.
- Started as the desktop entry says (Exec in Path), the set-up tune is found and heard.

Exit 0 when every check held, 1 on any fault, 77 when Xvfb and the rest cannot run here
(never with CI set).
"""
import configparser
import filecmp
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import traceback

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))

import kolvo_a11y as ax  # noqa: E402
from kolvo_player import KolvoRun, Problems  # noqa: E402
from kolvo_session import Failure, Session, Unavailable, sox_stat, wait_for  # noqa: E402

APP_ID = "se.kolvo.Kolvo"
SOUNDS = ["Roll.wav", "glass.wav", "claps.wav", "clap.wav", "Congratulations.mid", "I3IK.MID"]
ICONS = {32: "assets/images/icon-arena.png", 48: "assets/icons/kolvo-48.png",
         64: "assets/icons/kolvo-64.png", 128: "assets/icons/kolvo-128.png",
         256: "assets/icons/kolvo-256.png"}


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", head[16:24])


def check_tree(p, prefix, source):
    program_dir = os.path.join(prefix, "lib", "kolvo")
    program = os.path.join(program_dir, "kolvo")
    p.check(os.path.isfile(program) and os.access(program, os.X_OK), f"{program} is not an executable")
    for name in SOUNDS:
        path = os.path.join(program_dir, name)
        p.check(os.path.isfile(path) and filecmp.cmp(path, os.path.join(source, "assets", "sounds", name),
                                                     shallow=False),
                f"{path} is missing or differs from assets/sounds/{name}")
    link = os.path.join(prefix, "bin", "kolvo")
    p.check(os.path.islink(link) and os.path.realpath(link) == os.path.realpath(program),
            f"{link} is not a link to {program}")

    for size, src in ICONS.items():
        path = os.path.join(prefix, "share", "icons", "hicolor", f"{size}x{size}", "apps", APP_ID + ".png")
        p.check(os.path.isfile(path) and png_size(path) == (size, size) and filecmp.cmp(
            path, os.path.join(source, src), shallow=False),
            f"icon {path}: {png_size(path) if os.path.isfile(path) else 'missing'}, expected {size}x{size} from {src}")

    desktop = os.path.join(prefix, "share", "applications", APP_ID + ".desktop")
    metainfo = os.path.join(prefix, "share", "metainfo", APP_ID + ".metainfo.xml")
    for tool, path in ((["desktop-file-validate"], desktop), (["appstreamcli", "validate", "--no-net"], metainfo)):
        if not p.check(os.path.isfile(path), f"{path} is missing"):
            continue
        done = subprocess.run(tool + [path], capture_output=True, text=True)
        print(f"{' '.join(tool)}: exit {done.returncode}", (done.stdout + done.stderr).strip().replace("\n", " | "))
        p.check(done.returncode == 0, f"{tool[0]} rejects {path}: {done.stdout}{done.stderr}")
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(desktop, encoding="utf-8")
    d = entry["Desktop Entry"] if entry.has_section("Desktop Entry") else {}
    p.check(d.get("Path") == program_dir, f"desktop entry Path={d.get('Path')!r}, expected {program_dir!r}")
    p.check(d.get("Exec") == link, f"desktop entry Exec={d.get('Exec')!r}, expected {link!r}")
    p.check(d.get("Icon") == APP_ID, f"desktop entry Icon={d.get('Icon')!r}")
    with open(metainfo, encoding="utf-8") as f:
        meta = f.read()
    p.check(f'<launchable type="desktop-id">{APP_ID}.desktop</launchable>' in meta,
            "the metainfo does not launch the desktop entry")
    return link, d.get("Exec"), d.get("Path")


def roll_once(run):
    run.menu("Nytt spel", "En spelare")
    run.enter_names(["Test"])
    run.roll(1)


def media_failures(run):
    return [(t, x) for t, x, _ in ax.dialogs(run.app) if x.startswith(("Ljudfilen", "Mediekommandot"))]


def play_installed(session, p, link, exec_path, path_dir):
    home = session.new_home()
    elsewhere = tempfile.mkdtemp(prefix="kolvo-elsewhere.", dir=session.work)

    # Through the bin link, from a directory that holds no sound file.
    wav = os.path.join(session.work, "link.raw")
    recorder = session.record_sink(wav)
    run = KolvoRun(session, link, home, p, cwd=elsewhere, label="bin-link")
    run.start()
    print(f"installed program via {link}: intro after {run.startup_seconds * 1000:.0f} ms", flush=True)
    run.to_setup()
    box = wait_for(lambda: media_failures(run), 5, "the report of the missing set-up tune")
    p.check(box == [("Kolvo", "Ljudfilen kunde inte spelas upp:\nI3IK.MID\n\nFilen finns inte.")],
            f"from another directory the set-up tune is reported as {box}")
    run.answer(ax.dialogs(run.app)[0], "OK")
    run.pick_style(4)
    run.to_arena()
    roll_started = time.monotonic()
    roll_once(run)
    time.sleep(max(0.0, 1.0 - (time.monotonic() - roll_started)))
    p.check(not media_failures(run), f"the roll sound failed: {media_failures(run)}")
    run.exit_by_menu()
    Session.stop(recorder)
    stat = sox_stat(wav)
    print(f"bin link: sink max amplitude {stat.get('Maximum amplitude', 0):.3f}", flush=True)
    p.check(stat.get("Maximum amplitude", 0) >= 0.05, f"the roll sound did not reach the sink: {stat}")

    # As the desktop entry starts it: Exec in Path. The set-up tune is found there.
    wav = os.path.join(session.work, "entry.raw")
    recorder = session.record_sink(wav)
    run = KolvoRun(session, exec_path, home, p, cwd=path_dir, label="desktop-entry")
    run.start()
    run.to_setup()
    time.sleep(1.5)
    p.check(not media_failures(run), f"started as the desktop entry says: {media_failures(run)}")
    run.exit_by_close_control(run.rul_win)
    Session.stop(recorder)
    stat = sox_stat(wav)
    print(f"desktop entry: sink max amplitude {stat.get('Maximum amplitude', 0):.3f} (set-up tune)", flush=True)
    p.check(stat.get("Maximum amplitude", 0) >= 0.05, f"the set-up tune was not heard: {stat}")


def main():
    cmake, build, source = sys.argv[1:4]
    p = Problems()
    missing = [t for t in ("desktop-file-validate", "appstreamcli") if not shutil.which(t)]
    if missing:
        print(f"install: {', '.join(missing)} not installed (tools/install-deps.sh installs them)")
        if os.environ.get("CI"):
            print("FAIL: the installed tree must be validated in CI")
            return 1
        return 77
    prefix = tempfile.mkdtemp(prefix="kolvo-prefix.")
    try:
        done = subprocess.run([cmake, "--install", build, "--prefix", prefix], capture_output=True, text=True)
        print(done.stdout.strip())
        if not p.check(done.returncode == 0, f"cmake --install failed: {done.stderr}"):
            return 1
        link, exec_path, path_dir = check_tree(p, prefix, source)

        session = Session(keep=os.path.join(build, "e2e-shots", "install"))
        try:
            session.start()
        except Unavailable as e:
            session.close()
            print("install: cannot start the program here:", e)
            if os.environ.get("CI"):
                p.check(False, "the installed program must be started in CI")
            else:
                return 77 if not p.items else 1
        else:
            try:
                play_installed(session, p, link, exec_path or link, path_dir or os.path.dirname(link))
            except Failure as e:
                p.check(False, str(e))
                traceback.print_exc()
            finally:
                session.close()
    finally:
        shutil.rmtree(prefix, ignore_errors=True)
    for item in p.items:
        print("FAIL:", item)
    return 1 if p.items else 0


if __name__ == "__main__":
    sys.exit(main())
