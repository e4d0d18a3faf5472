# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop for one test run: an X server (Xvfb), a session bus, the
accessibility bus, and programs started in it. Everything it starts, and
everything those start in turn, is stopped when the session ends, however it
ends."""

import ctypes
import os
import shutil
import signal
import subprocess
import tempfile
import time

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
PR_SET_CHILD_SUBREAPER = 36


def missing_tools():
    """The tools a session needs that this machine lacks, as package names."""
    needs = {"Xvfb": "xvfb", "dbus-daemon": "dbus-daemon", "xdotool": "xdotool"}
    missing = [package for tool, package in needs.items() if shutil.which(tool) is None]
    if not os.access(BUS_LAUNCHER, os.X_OK):
        missing.append("at-spi2-core")
    return missing


def wait_until(what, check, seconds, interval=0.1):
    """Polls check() until it gives something true, which it returns."""
    end = time.monotonic() + seconds
    while True:
        result = check()
        if result:
            return result
        if time.monotonic() >= end:
            raise TimeoutError(f"timed out after {seconds} s waiting for {what}")
        time.sleep(interval)


def descendants(pid):
    """Every living process below pid, found through /proc."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat", encoding="ascii", errors="replace") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        children.setdefault(int(fields[1]), []).append(int(entry))
    found, queue = [], [pid]
    while queue:
        for child in children.get(queue.pop(), []):
            found.append(child)
            queue.append(child)
    return found


class DesktopSession:
    def __init__(self):
        self.home = tempfile.mkdtemp(prefix="wordbloom-a11y-")
        self.runtime = os.path.join(self.home, "run")
        os.mkdir(self.runtime, 0o700)
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.home,
            "XDG_RUNTIME_DIR": self.runtime,
            "LANG": "C.UTF-8",
        }
        self.logs = []

    def __enter__(self):
        # Daemons that detach from their parent come back to this process, so
        # that the clean-up finds them too.
        libc = ctypes.CDLL(None, use_errno=True)
        libc.prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
        try:
            self._start_display()
            self._start_session_bus()
            self._start_accessibility_bus()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        self.stop_all()
        shutil.rmtree(self.home, ignore_errors=True)
        return False

    def stop_all(self):
        """Stops everything started, children of children included."""
        for sig, grace in ((signal.SIGTERM, 3.0), (signal.SIGKILL, 3.0)):
            left = descendants(os.getpid())
            for pid in left:
                try:
                    os.kill(pid, sig)
                except ProcessLookupError:
                    pass
            end = time.monotonic() + grace
            while left and time.monotonic() < end:
                self._reap()
                left = [pid for pid in left if os.path.exists(f"/proc/{pid}")]
                time.sleep(0.05)
        self._reap()
        for log in self.logs:
            log.close()

    @staticmethod
    def _reap():
        while True:
            try:
                pid, _ = os.waitpid(-1, os.WNOHANG)
            except ChildProcessError:
                return
            if pid == 0:
                return

    def _log(self, name):
        log = open(os.path.join(self.home, name + ".log"), "w+b")
        self.logs.append(log)
        return log

    def start(self, name, command, cwd=None, extra_env=None, **options):
        env = dict(self.env, **(extra_env or {}))
        log = self._log(name)
        return subprocess.Popen(command, cwd=cwd, env=env, stdout=options.pop("stdout", log),
                                stderr=log, stdin=subprocess.DEVNULL, **options)

    def log_text(self, name):
        with open(os.path.join(self.home, name + ".log"), "rb") as log:
            return log.read().decode("utf-8", "replace")

    def _start_display(self):
        read_end, write_end = os.pipe()
        self.start("xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                            "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end, "rb") as display:
            number = wait_until("the X server", display.readline, 20).strip().decode()
        self.env["DISPLAY"] = ":" + number

    def _start_session_bus(self):
        bus = self.start("session-bus", ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE)
        address = wait_until("the session bus", bus.stdout.readline, 20).strip().decode()
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def _start_accessibility_bus(self):
        self.start("a11y-bus", [BUS_LAUNCHER, "--launch-immediately"])
        wait_until("the accessibility bus", lambda: self._name_has_owner("org.a11y.Bus"), 20)

    def _name_has_owner(self, name):
        reply = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:" + name],
            env=self.env, capture_output=True, text=True, check=False)
        return "boolean true" in reply.stdout
