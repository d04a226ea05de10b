#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Installs the built program and checks what lands there and how it starts.

  install_check.py tree    <cmake> <build dir> <source dir>
  install_check.py package <cmake> <build dir> <source dir>

tree: `cmake --install <build dir> --prefix <tmp>` gives the layout of Debian's games
under <tmp>: the command games/kolvo, the program in lib/games/kolvo with links there to
the six sound files in share/games/kolvo (the same bytes as assets/sounds/), the desktop
entry, the icons at the sizes assets/icons/ holds, the AppStream metadata, the manual
pages, copyright and changelog; desktop-file-validate and appstreamcli validate
--pedantic --no-net pass without a remark.

package: cpack makes the .deb from the build; lintian finds no error and no warning,
the control fields name the runtime needs and the metainfo's release, the changelog and
the package agree on the version. With CI set (the CI machine runs as root) the package
is installed with apt, checked as the tree is under /usr, played and purged again;
without CI that part is skipped (exit 77) and nothing is installed.

Both then start the installed command from another working directory under their own
Xvfb (with AT-SPI and a PulseAudio null sink): the set-up tune is found and heard, a roll
raises no failure box, and the window's class is the desktop entry's
StartupWMClass.

Exit 0 when every check held, 1 on any fault, 77 when a part could not run here (never
with CI set, where a missing tool is a fault).
"""
import configparser
import filecmp
import glob
import os
import re
import shutil
import stat
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

APP_ID = "io.github.kolvo.kolvo"
SOUNDS = ["Roll.wav", "glass.wav", "claps.wav", "clap.wav", "Congratulations.mid", "I3IK.MID"]
CI = bool(os.environ.get("CI"))


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", head[16:24])


def run_tool(p, argv, what):
    """Runs a validator; it must pass and say nothing beyond its verdict."""
    done = subprocess.run(argv, capture_output=True, text=True)
    said = (done.stdout + done.stderr).strip()
    print(f"{' '.join(argv[:2])}: exit {done.returncode}", said.replace("\n", " | "), flush=True)
    remarks = [line for line in said.splitlines() if line and not line.startswith("✔")]
    p.check(done.returncode == 0 and not remarks, f"{argv[0]} on {what}: {said}")


def check_tree(p, prefix, source):
    """The installed layout under prefix. Returns the command and its desktop entry."""
    command = os.path.join(prefix, "games", "kolvo")
    program_dir = os.path.join(prefix, "lib", "games", "kolvo")
    data_dir = os.path.join(prefix, "share", "games", "kolvo")
    p.check(os.access(command, os.X_OK), f"{command} is not executable")
    p.check(os.access(os.path.join(program_dir, "kolvo"), os.X_OK), f"no program in {program_dir}")
    for name in SOUNDS:
        data, link = os.path.join(data_dir, name), os.path.join(program_dir, name)
        p.check(os.path.isfile(data) and not os.path.islink(data) and filecmp.cmp(
            data, os.path.join(source, "assets", "sounds", name), shallow=False),
            f"{data} is missing or differs from assets/sounds/{name}")
        p.check(os.path.islink(link) and not os.readlink(link).startswith("/")
                and os.path.realpath(link) == os.path.realpath(data),
                f"{link} is not a relative link to {data}")

    made = {int(re.search(r"(\d+)\.png$", f).group(1)): f
            for f in glob.glob(os.path.join(source, "assets", "icons", "kolvo-*.png"))}
    p.check(made, "assets/icons holds no kolvo-<size>.png")
    for size, src in made.items():
        path = os.path.join(prefix, "share", "icons", "hicolor", f"{size}x{size}", "apps", APP_ID + ".png")
        p.check(os.path.isfile(path) and png_size(path) == (size, size)
                and filecmp.cmp(path, src, shallow=False),
                f"icon {path}: {png_size(path) if os.path.isfile(path) else 'missing'}, expected {src}")
    svg = os.path.join(source, "assets", "icons", "kolvo.svg")
    if os.path.isfile(svg):
        p.check(filecmp.cmp(svg, os.path.join(prefix, "share", "icons", "hicolor", "scalable", "apps",
                                              APP_ID + ".svg"), shallow=False), "the scalable icon")

    for path in ("share/man/man6/kolvo.6.gz", "share/man/sv/man6/kolvo.6.gz", "share/doc/kolvo/copyright"):
        p.check(os.path.isfile(os.path.join(prefix, path)), f"{path} is not installed")

    desktop = os.path.join(prefix, "share", "applications", APP_ID + ".desktop")
    metainfo = os.path.join(prefix, "share", "metainfo", APP_ID + ".metainfo.xml")
    for path in (desktop, metainfo):
        if not p.check(os.path.isfile(path), f"{path} is missing"):
            return command, {}
    run_tool(p, ["desktop-file-validate", desktop], desktop)
    run_tool(p, ["appstreamcli", "validate", "--pedantic", "--no-net", metainfo], metainfo)
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(desktop, encoding="utf-8")
    d = dict(entry["Desktop Entry"]) if entry.has_section("Desktop Entry") else {}
    p.check(d.get("Exec") == command, f"desktop entry Exec={d.get('Exec')!r}, expected {command!r}")
    p.check(d.get("Icon") == APP_ID, f"desktop entry Icon={d.get('Icon')!r}")
    with open(metainfo, encoding="utf-8") as f:
        meta = f.read()
    p.check(f'<launchable type="desktop-id">{APP_ID}.desktop</launchable>' in meta,
            "the metainfo does not launch the desktop entry")
    return command, d


def play_installed(session, p, command, entry):
    """Starts the command from a directory that holds no sound file."""
    home = session.new_home()
    elsewhere = tempfile.mkdtemp(prefix="kolvo-elsewhere.", dir=session.work)
    wav = os.path.join(session.work, "tune.raw")
    recorder = session.record_sink(wav)
    run = KolvoRun(session, command, home, p, shots=session.keep, cwd=elsewhere, label="installed")

    def failures():
        return [(t, x) for t, x, _ in ax.dialogs(run.app)
                if x.startswith(("Ljudfilen", "Mediekommandot", "Ljudbanken"))]
    intro = run.start()
    print(f"installed command {command}: intro after {run.startup_seconds * 1000:.0f} ms", flush=True)
    wm_class = intro.get_wm_class()
    p.check(wm_class and wm_class[1] == entry.get("StartupWMClass"),
            f"window class {wm_class}, desktop entry StartupWMClass={entry.get('StartupWMClass')!r}")
    run.to_setup()
    time.sleep(1.5)
    p.check(not failures(), f"started from another directory: {failures()}")
    Session.stop(recorder)
    stat = sox_stat(wav)
    print(f"set-up tune: sink max amplitude {stat.get('Maximum amplitude', 0):.3f}", flush=True)
    p.check(stat.get("Maximum amplitude", 0) >= 0.05, f"the set-up tune was not heard: {stat}")

    run.pick_style(4)
    run.to_arena()
    run.menu("Nytt spel", "En spelare")
    run.enter_names(["Test"])
    run.roll(1)
    time.sleep(0.5)
    p.check(not failures(), f"the roll sound failed: {failures()}")
    # The README's picture of the game (docs/screenshot.png) is a copy of this one.
    os.makedirs(session.keep, exist_ok=True)
    subprocess.run(["import", "-window", hex(run.arena_win.id), os.path.join(session.keep, "main-window.png")],
                   env=session.env, capture_output=True, timeout=30)
    run.exit_by_menu(confirm=True)  # a game is running: the question is answered OK


def start_and_play(p, keep, command, entry):
    session = Session(keep=keep)
    try:
        session.start()
    except Unavailable as e:
        session.close()
        print("install: cannot start the program here:", e)
        if CI:
            p.check(False, "the installed program must be started in CI")
            return True
        return False
    try:
        play_installed(session, p, command, entry)
    except Failure as e:
        p.check(False, str(e))
        traceback.print_exc()
    finally:
        session.close()
    return True


def check_modes(p, prefix):
    """Every installed file is 0644 or 0755 and every directory 0755, whatever the sources' modes."""
    for top, dirs, files in os.walk(prefix):
        for name in dirs + files:
            path = os.path.join(top, name)
            if os.path.islink(path):
                continue
            mode = stat.S_IMODE(os.lstat(path).st_mode)
            p.check(mode in ((0o755,) if name in dirs else (0o644, 0o755)), f"{path} has mode {mode:o}")


def install_tree(p, cmake, build, source):
    prefix = tempfile.mkdtemp(prefix="kolvo-prefix.")
    # Sources as a tree extracted from an archive under umask 002 has them: group-writable.
    sources = [os.path.join(top, f) for top, _, files in os.walk(os.path.join(source, "packaging")) for f in files]
    modes = {path: stat.S_IMODE(os.stat(path).st_mode) for path in sources}
    try:
        for path, mode in modes.items():
            os.chmod(path, mode | stat.S_IWGRP)
        done = subprocess.run([cmake, "--install", build, "--prefix", prefix], capture_output=True, text=True)
        for path, mode in modes.items():
            os.chmod(path, mode)
        print(done.stdout.strip())
        if not p.check(done.returncode == 0, f"cmake --install failed: {done.stderr}"):
            return True
        check_modes(p, prefix)
        command, entry = check_tree(p, prefix, source)
        return start_and_play(p, os.path.join(build, "e2e-shots", "install"), command, entry)
    finally:
        for path, mode in modes.items():
            os.chmod(path, mode)
        shutil.rmtree(prefix, ignore_errors=True)


def control_field(deb, field):
    return subprocess.run(["dpkg-deb", "-f", deb, field], capture_output=True, text=True).stdout.strip()


def check_deb(p, deb, source):
    lint = subprocess.run(["lintian", "--info", "--pedantic", deb], capture_output=True, text=True)
    print("lintian:", lint.stdout.strip().replace("\n", " | ") or "no remarks", flush=True)
    found = [line for line in lint.stdout.splitlines() if line.startswith(("E:", "W:"))]
    p.check(lint.returncode == 0 and not found, f"lintian: {found or lint.stderr}")

    depends = re.split(r",\s*", control_field(deb, "Depends"))
    names = {re.split(r"[\s(]", d, maxsplit=1)[0] for d in depends}
    for need in ("libsdl2-2.0-0", "libsdl2-mixer-2.0-0", "libfluidsynth3", "timgm6mb-soundfont", "libqt6widgets6",
                 "libqt6gui6", "libc6"):
        p.check(need in names, f"Depends does not name {need}: {depends}")
    p.check(control_field(deb, "Section") == "games", f"Section {control_field(deb, 'Section')!r}")

    version = control_field(deb, "Version")
    with open(os.path.join(source, "packaging", APP_ID + ".metainfo.xml"), encoding="utf-8") as f:
        release = re.search(r'<release version="([^"]+)"', f.read())
    with open(os.path.join(source, "packaging", "changelog"), encoding="utf-8") as f:
        logged = re.match(r"kolvo \(([^)]+)\)", f.readline())
    p.check(release and release.group(1) == version and logged and logged.group(1) == version,
            f"package {version}, newest metainfo release {release and release.group(1)}, "
            f"changelog {logged and logged.group(1)}")


def apt(*args):
    return subprocess.run(["apt-get", "-y", "-q", "-o", "DPkg::Lock::Timeout=120", *args],
                          capture_output=True, text=True, env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))


def install_package(p, cmake, build, source):
    cpack = os.path.join(os.path.dirname(cmake), "cpack")
    tools = [t for t in (cpack, "lintian", "dpkg-deb", "dpkg-shlibdeps") if not shutil.which(t)]
    if tools:
        print(f"package: {', '.join(tools)} not installed (tools/install-deps.sh test installs them)")
        return not p.check(not CI, "the package must be built and checked in CI")
    work = tempfile.mkdtemp(prefix="kolvo-deb.")
    try:
        done = subprocess.run([cpack, "-G", "DEB", "-B", work, "--config",
                               os.path.join(build, "CPackConfig.cmake")], capture_output=True, text=True)
        debs = glob.glob(os.path.join(work, "kolvo_*.deb"))
        if not p.check(done.returncode == 0 and len(debs) == 1, f"cpack: {done.stdout}{done.stderr}"):
            return True
        deb = debs[0]
        print("package:", os.path.basename(deb), flush=True)
        check_deb(p, deb, source)
        if not CI:
            print("package: not installed on this machine; with CI set it is installed, played and purged")
            return False
        if subprocess.run(["dpkg", "-s", "kolvo"], capture_output=True).returncode == 0:
            apt("purge", "kolvo")  # left by a run that was killed; the same version would stay
        done = apt("install", "--no-install-recommends", deb)
        if not p.check(done.returncode == 0, f"apt-get install {deb}: {done.stdout}{done.stderr}"):
            return True
        try:
            command, entry = check_tree(p, "/usr", source)
            return start_and_play(p, os.path.join(build, "e2e-shots", "package"), command, entry)
        finally:
            done = apt("purge", "kolvo")
            p.check(done.returncode == 0 and not os.path.exists("/usr/games/kolvo")
                    and not os.path.exists("/usr/lib/games/kolvo"),
                    f"apt-get purge kolvo left files or failed: {done.stderr}")
    finally:
        shutil.rmtree(work, ignore_errors=True)


def main():
    mode, cmake, build, source = sys.argv[1:5]
    p = Problems()
    missing = [t for t in ("desktop-file-validate", "appstreamcli") if not shutil.which(t)]
    if missing:
        print(f"install: {', '.join(missing)} not installed (tools/install-deps.sh test installs them)")
        if CI:
            print("FAIL: the installed tree must be validated in CI")
            return 1
        return 77
    ran = install_tree(p, cmake, build, source) if mode == "tree" else install_package(p, cmake, build, source)
    for item in p.items:
        print("FAIL:", item)
    if p.items:
        return 1
    print("install: every check held" if ran else "install: checks held; the rest could not run here (skipped)")
    return 0 if ran else 77


if __name__ == "__main__":
    sys.exit(main())
