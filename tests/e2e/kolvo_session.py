# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop session for playing Kolvo from the outside.

Session starts, each as a child of this process and each killed again by close():

- Xvfb on a free display (chosen by the server itself through -displayfd);
- a D-Bus session bus (dbus-daemon --nofork), and in it the accessibility bus
  (at-spi-bus-launcher --launch-immediately), so that the program's controls can be
  read over AT-SPI;
- a PulseAudio server whose only sink is a null sink, with its own runtime and state
  directories, so that what the program plays can be recorded from the sink's monitor;
- the program itself, with a fresh HOME (XDG_CONFIG_HOME inside it);
- with wm=True, a window manager (openbox), which frames the windows and places them as
  a desktop does;
- with reader=True, the window manager too (Orca ignores a window that was never
  activated) and Orca (orca_logged.py), with its own HOME, writing every utterance to a
  file as it makes it; utterances() reads them as they come. No speech server is needed:
  Orca logs what it would say with or without one.

Every process gets a marker in its environment and the kernel's parent-death signal,
so that nothing outlives the session: close() kills what it started by pid and then
every process that still carries the marker (the accessibility registry, started by
the accessibility bus, is one such grandchild). close() also runs at interpreter exit
and on SIGTERM, SIGINT and SIGHUP.

Needs the system python (/usr/bin/python3) with python3-xlib and python3-gi (Atspi).
"""
import atexit
import ctypes
import os
import re
import secrets
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import Xlib.X
import Xlib.display
import Xlib.error
import Xlib.protocol.event

MARK = "KOLVO_E2E_MARK"
_libc = ctypes.CDLL("libc.so.6", use_errno=True)
_PR_SET_PDEATHSIG = 1


class Unavailable(Exception):
    """The session's environment (X server, D-Bus, AT-SPI, PulseAudio) cannot run here."""


class Failure(AssertionError):
    pass


def _die_with_parent():
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)
    os.setpgid(0, 0)


def _read_line(fd, timeout, what):
    """One line from a pipe the child writes to, within timeout seconds."""
    end = time.monotonic() + timeout
    data = b""
    os.set_blocking(fd, False)
    while time.monotonic() < end:
        try:
            chunk = os.read(fd, 4096)
        except BlockingIOError:
            chunk = None
        if chunk:
            data += chunk
            if b"\n" in data:
                return data.split(b"\n", 1)[0].decode()
        elif chunk == b"":
            break
        time.sleep(0.02)
    raise Unavailable(f"{what} did not report within {timeout} s")


def wait_for(predicate, timeout, what, interval=0.05):
    """Polls predicate until it returns something true; Failure after timeout seconds."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= end:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


class Session:
    def __init__(self, atspi=True, audio=True, keep=None, reader=False, wm=False, screen=(1024, 768)):
        self.token = secrets.token_hex(8)
        self.work = tempfile.mkdtemp(prefix="kolvo-e2e.")
        self.keep = keep  # directory that keeps screenshots and logs, or None
        self.procs = []   # (name, Popen), in start order
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("QT_", "DBUS_", "PULSE_", "SDL_", "XDG_", "AT_SPI"))
                    and k not in ("DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY")}
        self.env[MARK] = self.token
        self.env["LC_ALL"] = "C.UTF-8"
        self.env["XDG_RUNTIME_DIR"] = self._dir("run", private=True)
        self.display = None
        self.x = None
        self.atspi = atspi
        self.audio = audio
        self.reader = reader
        self.wm = wm or reader
        self.screen = screen  # the X screen's width and height
        self.orca_log = None
        self._heard = []      # (seconds since the epoch, utterance), in order
        self._heard_at = 0    # how far the log has been read
        self._closed = False
        self._watchdog = self._start_watchdog()
        atexit.register(self.close)
        for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            signal.signal(sig, self._on_signal)

    # ----- processes -----

    _WATCHDOG = r"""
import os, signal, sys, time
parent, needle = int(sys.argv[1]), ("%s=%s" % (sys.argv[2], sys.argv[3])).encode() + b"\0"
while os.getppid() == parent:
    time.sleep(0.5)
for entry in os.listdir("/proc"):
    if entry.isdigit() and int(entry) != os.getpid():
        try:
            with open("/proc/%s/environ" % entry, "rb") as f:
                if needle in f.read() + b"\0":
                    os.kill(int(entry), signal.SIGKILL)
        except OSError:
            pass
"""

    def _start_watchdog(self):
        """A process without the marker that outlives this one: should this process be
        killed outright (a test's timeout), it kills every process with the marker,
        grandchildren that the parent-death signal does not reach included."""
        env = {k: v for k, v in self.env.items() if k != MARK}
        return subprocess.Popen([sys.executable, "-c", self._WATCHDOG, str(os.getpid()), MARK, self.token],
                                env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, start_new_session=True)

    def _dir(self, name, private=False):
        path = os.path.join(self.work, name)
        os.makedirs(path, exist_ok=True)
        if private:
            os.chmod(path, 0o700)
        return path

    def spawn(self, name, argv, env=None, cwd=None, pass_fds=(), log=True, stdin=subprocess.DEVNULL):
        out = open(os.path.join(self.work, name + ".log"), "ab") if log else subprocess.DEVNULL
        proc = subprocess.Popen(argv, env=env or self.env, cwd=cwd, stdin=stdin,
                                stdout=out, stderr=subprocess.STDOUT, pass_fds=pass_fds,
                                preexec_fn=_die_with_parent)
        if log:
            out.close()
        self.procs.append((name, proc))
        return proc

    def log_of(self, name):
        try:
            with open(os.path.join(self.work, name + ".log"), errors="replace") as f:
                return f.read()
        except OSError:
            return ""

    def _on_signal(self, signum, _frame):
        self.close()
        sys.exit(128 + signum)

    @staticmethod
    def stop(proc, grace=3.0):
        if proc.poll() is not None:
            return
        try:
            os.killpg(proc.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        try:
            proc.wait(grace)
        except subprocess.TimeoutExpired:
            try:
                os.killpg(proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            proc.wait(5)

    def marked_pids(self):
        """Processes, other than this one, whose environment carries this session's marker."""
        needle = f"{MARK}={self.token}".encode() + b"\0"
        found = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit() or int(entry) == os.getpid():
                continue
            try:
                with open(f"/proc/{entry}/environ", "rb") as f:
                    if needle in f.read() + b"\0":
                        found.append(int(entry))
            except OSError:
                pass
        return found

    def close(self):
        if self._closed:
            return
        self._closed = True
        if self.x is not None:
            try:
                self.x.close()
            except Exception:
                pass
            self.x = None
        for _name, proc in reversed(self.procs):
            self.stop(proc)
        for pid in self.marked_pids():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        self._watchdog.kill()
        self._watchdog.wait()
        if self.orca_log:
            self.utterances()
            with open(os.path.join(self.work, "orca-speech.log"), "w") as f:
                for when, text in self._heard:
                    f.write(time.strftime("%H:%M:%S", time.localtime(when)) + f"{when % 1:.3f}"[1:] + f" {text}\n")
        if self.keep:
            os.makedirs(self.keep, exist_ok=True)
            for name in os.listdir(self.work):
                if name.endswith(".log"):
                    shutil.copy(os.path.join(self.work, name), self.keep)
        shutil.rmtree(self.work, ignore_errors=True)

    # ----- services -----

    def start(self):
        self._start_x()
        self._start_dbus()
        if self.atspi:
            self._start_atspi()
        if self.audio:
            self._start_pulse()
        if self.wm:
            self._start_wm()
        if self.reader:
            self._start_reader()
        return self

    def _start_x(self):
        if not shutil.which("Xvfb"):
            raise Unavailable("Xvfb is not installed")
        r, w = os.pipe()
        self.spawn("xvfb", ["Xvfb", "-displayfd", str(w), "-screen", "0", "%dx%dx24" % self.screen,
                            "-nolisten", "tcp", "-noreset"], pass_fds=(w,))
        os.close(w)
        try:
            number = _read_line(r, 15, "Xvfb")
        finally:
            os.close(r)
        self.display = ":" + number.strip()
        self.env["DISPLAY"] = self.display
        self.x = Xlib.display.Display(self.display)

    def _start_dbus(self):
        r, w = os.pipe()
        self.spawn("dbus", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                            f"--print-address={w}"], pass_fds=(w,))
        os.close(w)
        try:
            self.env["DBUS_SESSION_BUS_ADDRESS"] = _read_line(r, 10, "dbus-daemon").strip()
        finally:
            os.close(r)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"]
        os.environ["DISPLAY"] = self.display

    def _start_atspi(self):
        launcher = "/usr/libexec/at-spi-bus-launcher"
        if not os.access(launcher, os.X_OK):
            raise Unavailable(f"{launcher} is missing (package at-spi2-core)")
        self.spawn("atspi", [launcher, "--launch-immediately"])

        def bus_up():
            q = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                               env=self.env, capture_output=True, text=True)
            return q.returncode == 0 and "unix:" in q.stdout
        try:
            wait_for(bus_up, 15, "the accessibility bus")
        except Failure as e:
            raise Unavailable(str(e) + "\n" + self.log_of("atspi"))

    def _start_pulse(self):
        for tool in ("pulseaudio", "pactl", "parecord", "sox"):
            if not shutil.which(tool):
                raise Unavailable(f"{tool} is not installed")
        run = self._dir("run/pulse", private=True)
        socket = os.path.join(run, "native")
        penv = dict(self.env, HOME=self._dir("pulse-home"), PULSE_RUNTIME_PATH=run,
                    PULSE_STATE_PATH=self._dir("pulse-state"))
        self.spawn("pulseaudio", [
            "pulseaudio", "--daemonize=no", "--system=false", "--exit-idle-time=-1", "-n",
            "--disallow-exit", "--use-pid-file=false", "--disable-shm=true", "--realtime=false",
            "--high-priority=false", "--log-target=stderr", "--log-level=warn",
            "--load=module-null-sink sink_name=kolvo_null rate=44100 channels=2",
            f"--load=module-native-protocol-unix socket={socket} auth-anonymous=1"], env=penv)
        self.env["PULSE_SERVER"] = "unix:" + socket

        def up():
            return subprocess.run(["pactl", "info"], env=self.env,
                                  capture_output=True).returncode == 0
        try:
            wait_for(up, 15, "PulseAudio")
        except Failure as e:
            raise Unavailable(str(e) + "\n" + self.log_of("pulseaudio"))
        # A null sink renders in blocks of the latency its streams ask for, up to two
        # seconds when none asks; its monitor then delivers nothing for that long and a
        # short recording catches nothing. A silent stream with a short latency keeps
        # the blocks short from the start.
        with open("/dev/zero", "rb") as zero:
            self.spawn("pulse-silence", ["pacat", "--playback", "--raw", "--format=s16le",
                                         "--rate=44100", "--channels=2", "--latency-msec=20"],
                       stdin=zero)
        # The first block after the server's start is still the long one: wait it out,
        # so that recordings made from here on hear everything.
        probe_path = os.path.join(self.work, "probe.raw")
        probe = self.record_sink(probe_path)
        try:
            wait_for(lambda: os.path.exists(probe_path) and os.path.getsize(probe_path) >= 8820,
                     10, "the null sink's monitor to deliver sound")
        except Failure as e:
            raise Unavailable(str(e) + "\n" + self.log_of("pulseaudio"))
        finally:
            self.stop(probe)

    def _start_wm(self):
        if not shutil.which("openbox"):
            raise Unavailable("openbox is not installed")
        self.spawn("openbox", ["openbox", "--sm-disable"],
                   env=dict(self.env, HOME=self._dir("reader-home"), LANG="C.UTF-8"))
        root = self.x.screen().root
        try:
            wait_for(lambda: root.get_full_property(self.x.intern_atom("_NET_SUPPORTING_WM_CHECK"),
                                                    Xlib.X.AnyPropertyType), 10, "the window manager")
        except Failure as e:
            raise Unavailable(str(e) + "\n" + self.log_of("openbox"))

    def _start_reader(self):
        if not shutil.which("orca"):
            raise Unavailable("orca is not installed")
        env = dict(self.env, HOME=self._dir("reader-home"), LANG="C.UTF-8")
        self.orca_log = os.path.join(self.work, "orca-speech.txt")
        # KOLVO_ORCA_DEBUG=1 keeps Orca's own debug log too (orca-debug.log), for a look at
        # what it did with each event; it slows Orca down enough to drop events as a flood.
        debug = ["--debug-file", os.path.join(self.work, "orca-debug.log")] if os.environ.get("KOLVO_ORCA_DEBUG") else []
        self.spawn("orca", ["/usr/bin/python3", os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                             "orca_logged.py"), self.orca_log, *debug], env=env)
        try:
            wait_for(self.utterances, 20, "Orca's first utterance")
        except Failure as e:
            raise Unavailable(str(e) + "\n" + self.log_of("orca")[-2000:])

    _SPOKEN = re.compile(r"(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'(?: voice=\S+)?(?:\{.*\}|\s\S.*)?$")

    def utterances(self, since=0):
        """What Orca has said so far, from the mark since on (a count, as speech_mark gives):
        a list of (seconds since the epoch, text)."""
        try:
            with open(self.orca_log, "rb") as f:
                f.seek(self._heard_at)
                data = f.read()
        except (OSError, TypeError):
            return []
        end = data.rfind(b"\n") + 1  # a line still being written is read next time
        self._heard_at += end
        midnight = time.mktime(time.localtime()[:3] + (0, 0, 0, 0, 0, -1))
        for line in data[:end].decode("utf-8", "replace").splitlines():
            m = self._SPOKEN.match(line)
            if m:
                h, mi, sec, text = int(m.group(1)), int(m.group(2)), float(m.group(3)), m.group(4)
                self._heard.append((midnight + h * 3600 + mi * 60 + sec, text))
        return self._heard[since:]

    def speech_mark(self):
        """A mark for utterances(): everything Orca says from now on comes after it."""
        self.utterances()
        return len(self._heard)

    def idle_sink(self):
        """Stops the silent stream: the null sink goes back to rendering long blocks, as a
        sink that nothing played to for a while does, and a stream started then waits up
        to such a block for its first request."""
        for name, proc in self.procs:
            if name == "pulse-silence":
                self.stop(proc)

    def record_sink(self, path):
        """Starts recording the null sink's monitor into a raw file (signed 16-bit,
        44.1 kHz, stereo: RAW_FORMAT); stop it with stop(). Raw, because a WAV header
        is only completed when the recorder closes the file cleanly."""
        return self.spawn("parecord", ["parecord", "--device=kolvo_null.monitor", "--raw",
                                       "--latency-msec=20", "--format=s16le", "--rate=44100",
                                       "--channels=2", path])

    # ----- the program -----

    def program_env(self, home):
        env = dict(self.env)
        env["HOME"] = home
        env["XDG_CONFIG_HOME"] = os.path.join(home, ".config")
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["QT_QPA_PLATFORM"] = "xcb"
        return env

    def new_home(self, name="home"):
        home = self._dir(name)
        os.makedirs(os.path.join(home, ".config"), exist_ok=True)
        return home

    def launch(self, program, home, cwd=None, name="kolvo", scale=None):
        """Starts the program from cwd (by default its own directory); with scale, on a
        screen of that many device pixels per pixel (QT_SCALE_FACTOR)."""
        cwd = cwd or os.path.dirname(os.path.abspath(program))
        env = self.program_env(home)
        if scale:
            env["QT_SCALE_FACTOR"] = str(scale)
        return self.spawn(name, [program], env=env, cwd=cwd)

    # ----- the X server, from the outside -----

    def _name_of(self, win):
        try:
            net = win.get_full_property(self.x.intern_atom("_NET_WM_NAME"),
                                        self.x.intern_atom("UTF8_STRING"))
            if net is not None:
                value = net.value
                return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)
            plain = win.get_wm_name()
            if isinstance(plain, bytes):
                return plain.decode("latin-1")
            return plain or ""
        except Xlib.error.XError:
            return None

    def top_windows(self, visible=True):
        """(window, title) of the top-level windows, mapped ones only by default."""
        out = []
        root = self.x.screen().root
        try:
            # Under a window manager the programs' windows are inside its frames; it lists them.
            managed = root.get_full_property(self.x.intern_atom("_NET_CLIENT_LIST"), Xlib.X.AnyPropertyType)
            children = ([self.x.create_resource_object("window", w) for w in managed.value] if managed
                        else root.query_tree().children)
        except Xlib.error.XError:
            return out
        for win in children:
            try:
                if visible and win.get_attributes().map_state != Xlib.X.IsViewable:
                    continue
            except Xlib.error.XError:
                continue
            title = self._name_of(win)
            if title is not None:
                out.append((win, title))
        return out

    def find_window(self, title, visible=True):
        """The mapped top-level window whose whole title is title (str) or matches it (re)."""
        for win, t in self.top_windows(visible):
            if (t == title) if isinstance(title, str) else title.fullmatch(t):
                return win
        return None

    def wait_window(self, title, timeout=10):
        return wait_for(lambda: self.find_window(title), timeout, f"the window {title!r}")

    def wait_gone(self, win, timeout=5):
        def gone():
            try:
                return win.get_attributes().map_state != Xlib.X.IsViewable
            except Xlib.error.XError:
                return True
        return wait_for(gone, timeout, f"window 0x{win.id:x} to go")

    def xwininfo(self, win):
        """Geometry as xwininfo reports it: x, y (absolute), width, height."""
        out = subprocess.run(["xwininfo", "-id", hex(win.id)], env=self.env,
                             capture_output=True, text=True, check=True).stdout
        field = lambda label: int(re.search(label + r":\s+(-?\d+)", out).group(1))
        return (field("Absolute upper-left X"), field("Absolute upper-left Y"),
                field("Width"), field("Height"))

    def frame_geometry(self, win):
        """The window with its window manager's frame, title bar included: x, y, width, height."""
        x, y, w, h = self.xwininfo(win)
        prop = win.get_full_property(self.x.intern_atom("_NET_FRAME_EXTENTS"), Xlib.X.AnyPropertyType)
        left, right, top, bottom = prop.value if prop is not None else (0, 0, 0, 0)
        return x - left, y - top, w + left + right, h + top + bottom

    def wm_protocols(self, win):
        prop = win.get_full_property(self.x.intern_atom("WM_PROTOCOLS"), Xlib.X.AnyPropertyType)
        if prop is None:
            return []
        return [self.x.get_atom_name(a) for a in prop.value]

    def request_close(self, win):
        """What a window manager does for the close control of a frame: a WM_DELETE_WINDOW
        client message (ICCCM 4.2.8.1). There is no window manager under bare Xvfb."""
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        event = Xlib.protocol.event.ClientMessage(
            window=win, client_type=protocols,
            data=(32, [delete, Xlib.X.CurrentTime, 0, 0, 0]))
        win.send_event(event, event_mask=Xlib.X.NoEventMask)
        self.x.flush()

    def move_window(self, win, x, y):
        """Moves the window's inside to (x, y) through the window manager, as a person's drag
        does (_NET_MOVERESIZE_WINDOW, static gravity, from a user's tool)."""
        event = Xlib.protocol.event.ClientMessage(
            window=win, client_type=self.x.intern_atom("_NET_MOVERESIZE_WINDOW"),
            data=(32, [10 | 1 << 8 | 1 << 9 | 2 << 12, x, y, 0, 0]))
        mask = Xlib.X.SubstructureRedirectMask | Xlib.X.SubstructureNotifyMask
        self.x.screen().root.send_event(event, event_mask=mask)
        self.x.flush()

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True,
                       capture_output=True, timeout=20)

    def click(self, x, y, button=1):
        # No --sync: it waits forever when the pointer is already there. The server
        # handles the move before the press anyway, as both come on one connection.
        self.xdotool("mousemove", int(x), int(y), "click", button)

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def type_text(self, text):
        self.xdotool("type", "--delay", 20, "--", text)

    def focus(self, win):
        """Gives the window the keyboard focus, as a click on it would (no window manager)."""
        self.xdotool("windowfocus", "--sync", win.id)

    def screenshot(self, path, win=None):
        """The whole screen, or with win only that window, as a PNG file."""
        os.makedirs(os.path.dirname(path), exist_ok=True)
        subprocess.run(["import", "-window", hex(win.id) if win is not None else "root", path],
                       env=self.env, capture_output=True, timeout=30)
        return path


RAW_FORMAT = ["-t", "raw", "-e", "signed-integer", "-b", "16", "-r", "44100", "-c", "2"]


def start_or_skip(session):
    """Starts the session. Returns None when it runs; otherwise the exit code for ctest:
    77 (skipped) on a machine that lacks what the session needs, 1 in CI, where the
    test must run."""
    try:
        session.start()
        return None
    except Unavailable as e:
        session.close()
        print("e2e: cannot run here:", e)
        if os.environ.get("CI"):
            print("FAIL: the end-to-end test must run in CI")
            return 1
        return 77


def sox_stat(path):
    """sox stat's figures of a recording made by record_sink, as a dict of floats."""
    err = subprocess.run(["sox", *RAW_FORMAT, path, "-n", "stat"], capture_output=True, text=True).stderr
    out = {}
    for line in err.splitlines():
        key, _, value = line.partition(":")
        try:
            out[key.strip()] = float(value.strip())
        except ValueError:
            pass
    return out


class Picture:
    """A screenshot's pixels, read through ImageMagick (no imaging module needed)."""

    def __init__(self, path):
        ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True,
                             check=True, timeout=30).stdout
        fields = ppm.split(maxsplit=4)
        if fields[0] != b"P6" or fields[3] != b"255":
            raise Failure(f"{path} did not convert to an 8-bit picture")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = fields[4]

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.data[at:at + 3])

    def pixels(self, rects):
        """The pixels of the rectangles (x, y, w, h), clipped to the picture."""
        for x0, y0, w, h in rects:
            for y in range(max(0, y0), min(self.height, y0 + h)):
                for x in range(max(0, x0), min(self.width, x0 + w)):
                    yield self.pixel(x, y)


def band(x, y, w, h, width):
    """The band width pixels wide just inside the rectangle, as four rectangles."""
    return [(x, y, w, width), (x, y + h - width, w, width),
            (x, y + width, width, h - 2 * width), (x + w - width, y + width, width, h - 2 * width)]


def luminance(rgb):
    """Relative luminance of an sRGB colour, as accessibility guidelines (WCAG 2) define it."""
    def linear(v):
        s = v / 255.0
        return s / 12.92 if s <= 0.04045 else ((s + 0.055) / 1.055) ** 2.4
    r, g, b = rgb
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b)


def contrast(a, b):
    """Contrast ratio of two luminances, 1 to 21; 3 is the least for parts of an interface."""
    return (max(a, b) + 0.05) / (min(a, b) + 0.05)
