"""The measuring half of bench/shell-bench.sh; runs inside its X session."""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

BUILD = sys.argv[1]
STINT = os.path.join(BUILD, "src", "stint")
BARE = os.path.join(BUILD, "bench", "stint-bench-bare")
DEVSERVER = os.path.join(BUILD, "tools", "devserver", "stint-devserver")
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
PLAY_BUTTON = (165, 234)  # in the popover, from its top-left corner
STARTS = 7
CONTROLS = {"STINT_BARE_CONTROLS": "1"}
# No backend address, a client set up: the app starts stint-backend itself.
OWN_BACKEND_INFO = "own-backend.json"

BACKENDS = {
    "software": {"QT_QUICK_BACKEND": "software"},
    "opengl": {"QSG_RHI_BACKEND": "opengl"},
}
# STINT_BENCH_BACKENDS=software measures one of them only.
if os.environ.get("STINT_BENCH_BACKENDS"):
    BACKENDS = {name: BACKENDS[name] for name in os.environ["STINT_BENCH_BACKENDS"].split(",")}

work = tempfile.mkdtemp(prefix="stint-bench-")


def sh(*args):
    return subprocess.run(args, capture_output=True, text=True).stdout.strip()


def base_env(backend):
    env = dict(os.environ)
    env.pop("QT_QUICK_BACKEND", None)
    env.pop("QSG_RHI_BACKEND", None)
    env.update(BACKENDS[backend])
    config = os.path.join(work, "config", "Stint")
    os.makedirs(config, exist_ok=True)
    with open(os.path.join(config, "Stint.conf"), "w") as f:
        f.write("[General]\nhasLaunchedBefore=true\n")
    env["XDG_CONFIG_HOME"] = os.path.join(work, "config")
    env["XDG_DATA_HOME"] = os.path.join(work, "data")
    env["STINT_INFO_FILE"] = os.path.join(work, "info.json")
    env["XDG_CONFIG_DIRS"] = os.path.join(work, "system")  # no settings of this machine's
    env["DBUS_SESSION_BUS_ADDRESS"] = "disabled:"
    return env


def start(program, backend, extra=None):
    env = base_env(backend)
    runtime = tempfile.mkdtemp(dir=work)
    os.chmod(runtime, 0o700)
    env["XDG_RUNTIME_DIR"] = runtime
    env.update(extra or {})
    env["STINT_BENCH_T0"] = str(time.time_ns())
    return subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)


def stop(process):
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def first_frame_ms(program, backend, extra=None):
    process = start(program, backend, extra)
    try:
        for line in process.stderr:
            if line.startswith("first-frame-ms "):
                return float(line.split()[1])
        raise RuntimeError(f"{program} ended before its first frame")
    finally:
        stop(process)


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def children_of(pid):
    found = []
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as f:
                    if int(f.read().rsplit(")", 1)[1].split()[1]) == pid:
                        found.append(int(entry))
            except OSError:
                continue
    return found


def memory_after_10s(program, backend, extra=None):
    """The program's resident memory after 10 s, and its children's."""
    process = start(program, backend, extra)
    try:
        time.sleep(10)
        return rss_kib(process.pid), sum(rss_kib(child) for child in children_of(process.pid))
    finally:
        stop(process)


def visible_window(pid, timeout=10):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for window, x, y, width, _ in windows_of(pid):
            if width >= 300:
                return window, x, y
        time.sleep(0.2)
    raise RuntimeError("the popover did not show")


def click(x, y):
    sh("xdotool", "mousemove", str(x), str(y), "click", "1")


def is_counting(window):
    """Two captures two seconds apart differ when the time text changes."""
    first, second = os.path.join(work, "a.png"), os.path.join(work, "b.png")
    sh("import", "-window", window, first)
    time.sleep(2.2)
    sh("import", "-window", window, second)
    result = subprocess.run(["compare", "-metric", "AE", first, second, "null:"], capture_output=True, text=True)
    return result.stderr.strip() not in ("0", "")


def windows_of(pid):
    """The visible windows of `pid` as (id, x, y, width, height)."""
    found = []
    for window in sh("xdotool", "search", "--onlyvisible", "--pid", str(pid)).split():
        geometry = sh("xdotool", "getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in geometry.splitlines() if "=" in line)
        found.append((window, int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])))
    return found


def tray_icon(pid):
    """The centre of the app's icon in the tray (an XEmbed window of the app's own)."""
    for _, x, y, width, height in windows_of(pid):
        if width < 100:
            return x + width // 2, y + height // 2
    raise RuntimeError("no tray icon")


def cpu_while_counting(backend, hidden, follow=False):
    """CPU % of one core over 60 s while a focus phase runs. With `follow`,
    on a session bus of its own and with `stint --follow --json` attached, as
    a status bar runs it: also the client's CPU % and how many lines it got."""
    bus = follower = None
    extra = None
    if follow:
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        extra = {"DBUS_SESSION_BUS_ADDRESS": bus.stdout.readline().strip()}
    tray = None
    if hidden:
        tray = subprocess.Popen(["trayer", "--edge", "top", "--align", "right", "--widthtype", "request",
                                 "--height", "24", "--SetDockType", "true"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1.5)
    process = start(STINT, backend, extra)
    try:
        time.sleep(3)
        if hidden:
            click(*tray_icon(process.pid))  # open the popover
        window, x, y = visible_window(process.pid)
        click(x + PLAY_BUTTON[0], y + PLAY_BUTTON[1])
        time.sleep(0.5)
        if not is_counting(window):
            raise RuntimeError("the countdown did not start")
        if hidden:
            click(*tray_icon(process.pid))  # and close it again
            time.sleep(1)
            if any(width >= 300 for _, _, _, width, _ in windows_of(process.pid)):
                raise RuntimeError("the popover did not close")
        if follow:
            env = base_env(backend)
            env.update(extra)
            follower = subprocess.Popen([STINT, "--follow", "--json"], env=env, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL, text=True)
            if not follower.stdout.readline().startswith("{"):
                raise RuntimeError("stint --follow printed no status")
            time.sleep(1)
            follower_before = cpu_seconds(follower.pid)
        before = cpu_seconds(process.pid)
        time.sleep(60)
        app_cpu = 100.0 * (cpu_seconds(process.pid) - before) / 60.0
        if not follow:
            return app_cpu
        follower_cpu = 100.0 * (cpu_seconds(follower.pid) - follower_before) / 60.0
        follower.terminate()
        lines = len(follower.stdout.read().splitlines())
        return app_cpu, follower_cpu, lines
    finally:
        stop(process)
        if tray:
            stop(tray)
        if follower:
            stop(follower)
        if bus:
            stop(bus)


def cpu_idle_bare(backend):
    process = start(BARE, backend)
    try:
        time.sleep(3)
        before = cpu_seconds(process.pid)
        time.sleep(60)
        return 100.0 * (cpu_seconds(process.pid) - before) / 60.0
    finally:
        stop(process)


def main():
    server = subprocess.Popen([DEVSERVER, "--port", "0", "--write-info", os.path.join(work, "info.json")],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    server.stdout.readline()
    with open(os.path.join(work, OWN_BACKEND_INFO), "w") as f:
        f.write('{"GOOGLE_CLIENT_ID": "1234-bench.apps.googleusercontent.com", "GOOGLE_CLIENT_SECRET": "x"}')
    own_backend = {"STINT_INFO_FILE": os.path.join(work, OWN_BACKEND_INFO)}
    rows = []
    own_rows = []
    follow_rows = []
    try:
        for backend in BACKENDS:
            bare_start = statistics.median(first_frame_ms(BARE, backend) for _ in range(STARTS))
            app_start = statistics.median(first_frame_ms(STINT, backend) for _ in range(STARTS))
            bare_rss = memory_after_10s(BARE, backend)[0]
            # The share of the difference that Qt Quick Controls alone cause.
            controls_start = statistics.median(first_frame_ms(BARE, backend, CONTROLS) for _ in range(STARTS))
            controls_rss = memory_after_10s(BARE, backend, CONTROLS)[0]
            app_rss = memory_after_10s(STINT, backend)[0]
            # The same app with no backend address: it starts its own.
            own_start = statistics.median(first_frame_ms(STINT, backend, own_backend) for _ in range(STARTS))
            own_rss, own_child_rss = memory_after_10s(STINT, backend, own_backend)
            own_rows.append((backend, app_start, own_start, app_rss, own_rss, own_child_rss))
            bare_cpu = cpu_idle_bare(backend)
            shown_cpu = cpu_while_counting(backend, hidden=False)
            hidden_cpu = cpu_while_counting(backend, hidden=True)
            follow_rows.append((backend, *cpu_while_counting(backend, hidden=True, follow=True)))
            rows.append((backend, bare_start, app_start, bare_rss, app_rss, bare_cpu, shown_cpu, hidden_cpu,
                         controls_start, controls_rss))
            print(f"{backend}: done", file=sys.stderr)
    finally:
        stop(server)
        shutil.rmtree(work, ignore_errors=True)

    print()
    print("| backend | first frame: bare / stint (ratio) | RSS after 10 s: bare / stint (ratio) "
          "| CPU over 60 s: bare idle / stint shown / stint hidden |")
    print("|---|---|---|---|")
    for backend, bs, ast, br, ar, bc, sc, hc, cs, cr in rows:
        print(f"| {backend} | {bs:.0f} ms / {ast:.0f} ms ({ast / bs:.2f}x) "
              f"| {br / 1024:.1f} MiB / {ar / 1024:.1f} MiB ({ar / br:.2f}x) "
              f"| {bc:.3f}% / {sc:.3f}% / {hc:.3f}% |")
    print()
    print("The bare window with a few Qt Quick Controls (a tab bar, a button, a text field):")
    for backend, bs, _, br, _, _, _, _, cs, cr in rows:
        print(f"- {backend}: first frame {cs:.0f} ms ({cs / bs:.2f}x), RSS {cr / 1024:.1f} MiB ({cr / br:.2f}x)")
    print()
    print("Stint with a backend address, and with none (it starts stint-backend itself):")
    for backend, ast, ost, ar, orr, oc in own_rows:
        print(f"- {backend}: first frame {ast:.0f} ms / {ost:.0f} ms ({ost / ast:.2f}x), "
              f"RSS {ar / 1024:.1f} MiB / {orr / 1024:.1f} MiB, stint-backend {oc / 1024:.1f} MiB")
    print()
    print("Hidden, with `stint --follow --json` attached on a session bus (CPU over 60 s; "
          f"one clock tick is {100.0 / CLOCK_TICKS / 60:.3f}% of a minute):")
    for backend, app_cpu, follower_cpu, lines in follow_rows:
        print(f"- {backend}: stint {app_cpu:.3f}%, the client {follower_cpu:.3f}%, "
              f"{lines} lines printed in the minute")
    print()
    print("Goals: start-up and memory within 1.4x of the bare window; "
          "under 0.1% of one core counting down with the popover hidden.")


def compare(baseline):
    """First frame and memory of this build's app against another build's, in turns, software scene graph."""
    server = subprocess.Popen([DEVSERVER, "--port", "0", "--write-info", os.path.join(work, "info.json")],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    server.stdout.readline()
    starts = {baseline: [], STINT: []}
    memory = {baseline: [], STINT: []}
    try:
        for _ in range(STARTS):
            for program in (baseline, STINT):
                starts[program].append(first_frame_ms(program, "software"))
        for _ in range(3):
            for program in (baseline, STINT):
                memory[program].append(memory_after_10s(program, "software")[0])
    finally:
        stop(server)
        shutil.rmtree(work, ignore_errors=True)
    print("| build | first frame (median of %d, min-max) | RSS after 10 s (median of 3) |" % STARTS)
    print("|---|---|---|")
    for name, program in (("baseline", baseline), ("this build", STINT)):
        print(f"| {name} | {statistics.median(starts[program]):.0f} ms ({min(starts[program]):.0f}-"
              f"{max(starts[program]):.0f}) | {statistics.median(memory[program]) / 1024:.1f} MiB |")


if __name__ == "__main__":
    # STINT_BENCH_BASELINE=<another build's src/stint>: only start-up and memory, side by side.
    if os.environ.get("STINT_BENCH_BASELINE"):
        compare(os.environ["STINT_BENCH_BASELINE"])
    else:
        main()
