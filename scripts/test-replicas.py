#!/usr/bin/env python3
"""Three stint-backend replicas behind the shipped HAProxy configuration
(deploy/haproxy.cfg, TLS at the balancer), with the dev server's stand-in
Google behind them, all on 127.0.0.1, under a steady load from simulated
users for about a minute:

  1. every replica restarted in turn (SIGTERM, wait, start): no request fails;
  2. one replica killed with SIGKILL and started again: no GET fails (the
     balancer retries them elsewhere), its users move to the others and come
     back;
  3. a user over the rate limit gets 429 from whichever replica serves them.

The last lines are the figures: requests, failures, and p50/p99 through the
balancer against one replica directly.

  scripts/test-replicas.py [build-dir]      (default build-test)

Needs haproxy, openssl and a build with stint-backend and stint-devserver.
Standard library only.
"""

import asyncio
import base64
import csv
import hashlib
import io
import json
import os
import secrets
import signal
import socket
import ssl
import subprocess
import sys
import tempfile
import time
import urllib.parse
import urllib.request

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build-test"))
BACKEND = os.path.join(BUILD, "server", "stint-backend")
DEVSERVER = os.path.join(BUILD, "tools", "devserver", "stint-devserver")

USERS = 16  # simulated users of the steady load
RATE = 6  # requests per second per user, under the limit below
RATE_LIMIT = 600  # per user per minute, in every replica
POST_EVERY = 100  # one request in this many creates a task
DRAIN_SECONDS = 3  # as the template unit sets it
GOOGLE_DELAY_MS = 60  # while replicas are stopped: a few requests are then always in flight

failures = []  # what went wrong, said at the end


def expect(condition, message):
    if not condition:
        failures.append(message)
        print("FAILED: " + message, flush=True)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_for(predicate, seconds, what):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            if predicate():
                return True
        except OSError:
            pass
        time.sleep(0.1)
    raise SystemExit("test-replicas: timed out waiting for " + what)


def slow_google(google, milliseconds):
    """Makes every answer of the stand-in Google wait, as Google's own do."""
    request = urllib.request.Request(google + "/dev/misbehave", method="POST",
                                     data=json.dumps({"googleDelayMs": milliseconds}).encode())
    urllib.request.urlopen(request, timeout=5).read()


def http_get(url, timeout=2):
    try:
        with urllib.request.urlopen(url, timeout=timeout) as reply:
            return reply.status, reply.read()
    except urllib.error.HTTPError as error:
        return error.code, error.read()


# ---- The stand-in Google and its users ---------------------------------------


class NoRedirect(urllib.request.HTTPRedirectHandler):
    def redirect_request(self, *args, **kwargs):
        return None


def sign_in(google, hint):
    """Tokens for the user `hint`, through the dev server's consent and token
    endpoints, as the app would get them."""
    verifier = secrets.token_urlsafe(48)
    challenge = base64.urlsafe_b64encode(hashlib.sha256(verifier.encode()).digest()).rstrip(b"=").decode()
    redirect = "http://127.0.0.1:9/"
    query = urllib.parse.urlencode({"client_id": "stint-dev", "response_type": "code", "redirect_uri": redirect,
                                    "code_challenge": challenge, "code_challenge_method": "S256",
                                    "scope": "openid", "login_hint": hint})
    opener = urllib.request.build_opener(NoRedirect)
    try:
        opener.open(google + "/o/oauth2/v2/auth?" + query)
        raise SystemExit("test-replicas: the consent page did not redirect")
    except urllib.error.HTTPError as answer:
        location = answer.headers["Location"]
    code = urllib.parse.parse_qs(urllib.parse.urlparse(location).query)["code"][0]
    form = urllib.parse.urlencode({"code": code, "grant_type": "authorization_code", "client_id": "stint-dev",
                                   "client_secret": "stint-dev-secret", "redirect_uri": redirect,
                                   "code_verifier": verifier}).encode()
    with urllib.request.urlopen(google + "/token", data=form) as reply:
        tokens = json.load(reply)
    payload = tokens["id_token"].split(".")[1]
    subject = json.loads(base64.urlsafe_b64decode(payload + "=" * (-len(payload) % 4)))["sub"]
    # What the access log shows for the user: the first 10 hex digits of a SHA-256 of their id.
    return {"name": hint, "id": tokens["id_token"], "access": tokens["access_token"],
            "hash": hashlib.sha256(subject.encode()).hexdigest()[:10]}


# ---- Processes -----------------------------------------------------------------


class Replica:
    def __init__(self, index, work, google):
        self.index = index
        self.name = "replica%d" % index
        self.port = free_port()
        self.log_path = os.path.join(work, self.name + ".log")
        self.google = google
        self.process = None

    def start(self):
        google = self.google + "/google"
        log = open(self.log_path, "a")
        self.process = subprocess.Popen(
            [BACKEND, "--listen", "127.0.0.1", "--port", str(self.port), "--client-id", "stint-dev",
             "--rate-limit", str(RATE_LIMIT), "--drain-seconds", str(DRAIN_SECONDS),
             "--google-keys-url", google + "/oauth2/v3/certs", "--google-tokeninfo-url", google + "/tokeninfo",
             "--google-tasks-url", google + "/tasks/v1/lists/@default/tasks",
             "--google-events-url", google + "/calendar/v3/calendars/primary/events"],
            stdout=log, stderr=subprocess.STDOUT)
        log.close()

    def ready(self):
        return http_get("http://127.0.0.1:%d/healthz" % self.port)[0] == 200

    def log_size(self):
        return os.path.getsize(self.log_path)

    def users_in_log(self, start, end=None):
        """User hashes of the access-log lines between two offsets."""
        with open(self.log_path, "rb") as log:
            log.seek(start)
            text = log.read(None if end is None else end - start).decode(errors="replace")
        return {line.rsplit("user=", 1)[1].strip() for line in text.splitlines() if " user=" in line}

    def lines_in_log(self, start, needle):
        with open(self.log_path, "rb") as log:
            log.seek(start)
            return [line for line in log.read().decode(errors="replace").splitlines() if needle in line]


class Balancer:
    def __init__(self, work, replicas):
        self.port = free_port()
        self.stats_port = free_port()
        key, cert = os.path.join(work, "key.pem"), os.path.join(work, "cert.pem")
        subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", cert,
                        "-days", "1", "-subj", "/CN=localhost",
                        "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1"],
                       check=True, capture_output=True)
        self.cert = cert
        self.pem = os.path.join(work, "balancer.pem")
        with open(self.pem, "w") as pem:
            pem.write(open(cert).read() + open(key).read())
        self.environment = dict(os.environ, STINT_LB_BIND="127.0.0.1:%d" % self.port, STINT_LB_CERT=self.pem,
                                STINT_LB_STATS="127.0.0.1:%d" % self.stats_port,
                                **{"STINT_REPLICA_%d" % r.index: "127.0.0.1:%d" % r.port for r in replicas})
        self.config = os.path.join(ROOT, "deploy", "haproxy.cfg")
        self.process = None

    def check(self):
        result = subprocess.run(["haproxy", "-c", "-q", "-f", self.config], env=self.environment,
                                capture_output=True, text=True)
        expect(result.returncode == 0, "haproxy refuses deploy/haproxy.cfg: " + result.stderr.strip())

    def start(self, work):
        self.process = subprocess.Popen(["haproxy", "-db", "-f", self.config], env=self.environment,
                                        stdout=open(os.path.join(work, "haproxy.log"), "w"),
                                        stderr=subprocess.STDOUT)

    def states(self):
        """Each replica's state as the balancer sees it: UP, DOWN..."""
        status, body = http_get("http://127.0.0.1:%d/stats;csv" % self.stats_port)
        rows = csv.DictReader(io.StringIO(body.decode().lstrip("# ")))
        return {row["svname"]: row["status"] for row in rows if row["pxname"] == "stint-backend"}

    def wait(self, name, state, seconds=15):
        wait_for(lambda: self.states().get(name, "").startswith(state), seconds, "%s %s" % (name, state))


# ---- The load -------------------------------------------------------------------


class Connection:
    """One user's keep-alive connection, HTTP/1.1, over TLS or not."""

    def __init__(self, port, tls):
        self.port, self.tls = port, tls
        self.reader = self.writer = None

    async def request(self, method, path, headers, body=b""):
        if self.writer is None:
            self.reader, self.writer = await asyncio.open_connection(
                "127.0.0.1", self.port, ssl=self.tls, server_hostname="localhost" if self.tls else None)
        head = "%s %s HTTP/1.1\r\nHost: localhost\r\n" % (method, path)
        head += "".join("%s: %s\r\n" % item for item in headers.items())
        head += "Content-Length: %d\r\n\r\n" % len(body)
        self.writer.write(head.encode() + body)
        status_line = await self.reader.readuntil(b"\r\n")
        status = int(status_line.split()[1])
        fields = {}
        while True:
            line = await self.reader.readuntil(b"\r\n")
            if line == b"\r\n":
                break
            name, _, value = line.decode().partition(":")
            fields[name.strip().lower()] = value.strip()
        if fields.get("transfer-encoding", "").lower() == "chunked":
            while True:
                size = int((await self.reader.readuntil(b"\r\n")).split(b";")[0], 16)
                await self.reader.readexactly(size + 2)
                if size == 0:
                    break
        else:
            await self.reader.readexactly(int(fields.get("content-length", "0")))
        if fields.get("connection", "").lower() == "close":
            self.close()
        return status

    def close(self):
        if self.writer is not None:
            self.writer.close()
        self.reader = self.writer = None


class Load:
    """Every user sends RATE requests a second, mostly GET /api/v1/tasks, at
    times a POST; each result is kept with the phase it fell in."""

    def __init__(self, users, port, tls):
        self.users, self.port, self.tls = users, port, tls
        self.results = []  # (phase, method, status, seconds)
        self.phase = "start"
        self.running = True

    async def user(self, user, offset):
        connection = Connection(self.port, self.tls)
        headers = {"Authorization": "Bearer " + user["id"], "AccessToken": user["access"]}
        await asyncio.sleep(offset)
        count = 0
        next_time = time.monotonic()
        while self.running:
            count += 1
            post = count % POST_EVERY == 0
            method = "POST" if post else "GET"
            body = json.dumps({"title": "Load %s %d" % (user["name"], count)}).encode() if post else b""
            send_headers = dict(headers, **({"Content-Type": "application/json"} if post else {}))
            phase = self.phase
            started = time.perf_counter()
            try:
                status = await asyncio.wait_for(connection.request(method, "/api/v1/tasks", send_headers, body), 30)
            except (OSError, asyncio.IncompleteReadError, asyncio.LimitOverrunError, asyncio.TimeoutError,
                    ValueError, IndexError):
                status = 0
                connection.close()
            self.results.append((phase, method, status, time.perf_counter() - started))
            next_time += 1.0 / RATE
            await asyncio.sleep(max(0.0, next_time - time.monotonic()))
        connection.close()

    def start(self):
        self.tasks = [asyncio.ensure_future(self.user(user, i / (RATE * len(self.users))))
                      for i, user in enumerate(self.users)]

    async def stop(self):
        self.running = False
        await asyncio.gather(*self.tasks)

    def of(self, *phases):
        return [r for r in self.results if r[0] in phases]


def failed(results, method=None):
    return [r for r in results if (method is None or r[1] == method) and r[2] != 200]


def percentiles(results):
    times = sorted(r[3] for r in results if r[2] == 200)
    if not times:
        return float("nan"), float("nan")
    return times[len(times) // 2] * 1000, times[min(len(times) - 1, int(len(times) * 0.99))] * 1000


async def in_thread(function, *args):
    return await asyncio.get_running_loop().run_in_executor(None, function, *args)


# ---- The run ----------------------------------------------------------------------


async def run(work):
    started = time.monotonic()
    google_log = os.path.join(work, "devserver.log")
    devserver = subprocess.Popen([DEVSERVER, "--port", "0"], stdout=open(google_log, "w"), stderr=subprocess.STDOUT)
    wait_for(lambda: "Listening on" in open(google_log).read(), 10, "the dev server")
    google = open(google_log).readline().split()[-1]
    replicas = [Replica(i, work, google) for i in (1, 2, 3)]
    balancer = Balancer(work, replicas)
    processes = [devserver]
    try:
        users = [sign_in(google, "user%d" % i) for i in range(USERS)]
        for replica in replicas:
            replica.start()
        balancer.check()
        balancer.start(work)
        for replica in replicas:
            wait_for(replica.ready, 20, replica.name + " ready")
            balancer.wait(replica.name, "UP")
        tls = ssl.create_default_context(cafile=balancer.cert)

        # One replica directly, then the same load through the balancer.
        direct = Load(users, replicas[0].port, None)
        direct.phase = "direct"
        direct.start()
        await asyncio.sleep(5)
        await direct.stop()

        load = Load(users, balancer.port, tls)
        load.phase = "balancer"
        load.start()
        await asyncio.sleep(5)

        # 1. A rolling restart, one replica at a time, as an upgrade would go.
        slow_google(google, GOOGLE_DELAY_MS)
        load.phase = "rolling"
        for replica in replicas:
            replica.process.send_signal(signal.SIGTERM)
            await in_thread(replica.process.wait, 30)
            replica.start()
            await in_thread(wait_for, replica.ready, 20, replica.name + " ready again")
            await in_thread(balancer.wait, replica.name, "UP")
        load.phase = "settle"
        await asyncio.sleep(2)

        # 2. One replica killed outright, then started again.
        victim = replicas[1]
        marks = {r.name: r.log_size() for r in replicas}
        load.phase = "kill"
        await asyncio.sleep(2)
        home = victim.users_in_log(marks[victim.name])
        victim.process.send_signal(signal.SIGKILL)
        victim.process.wait()
        killed_at = {r.name: r.log_size() for r in replicas}
        await in_thread(balancer.wait, victim.name, "DOWN")
        await asyncio.sleep(2)
        away = set().union(*(r.users_in_log(killed_at[r.name]) for r in replicas if r is not victim))
        victim.start()
        await in_thread(wait_for, victim.ready, 20, victim.name + " ready again")
        await in_thread(balancer.wait, victim.name, "UP")
        back_at = victim.log_size()
        await asyncio.sleep(3)
        back = victim.users_in_log(back_at)
        await load.stop()
        slow_google(google, 0)

        # 3. Users well over the limit, one served by each replica.
        limited = await in_thread(over_the_limit, google, replicas, balancer, tls)

        # Every replica is still up at the end.
        for replica in replicas:
            expect(replica.process.poll() is None, replica.name + " died")

        rolling, killed = load.of("rolling", "settle"), load.of("kill")
        expect(not failed(rolling), "%d request(s) failed during the rolling restart: %s"
               % (len(failed(rolling)), sorted({r[2] for r in failed(rolling)})))
        expect(not failed(killed, "GET"), "%d GET(s) failed after the SIGKILL" % len(failed(killed, "GET")))
        expect(bool(home), "the killed replica served nobody before it was killed")
        expect(home <= away, "the killed replica's users did not move to the others")
        expect(home <= back, "the killed replica's users did not come back to it")
        expect(not failed(direct.results + load.of("balancer")), "requests failed under the steady load")

        through = load.of("balancer", "rolling", "settle", "kill")
        b50, b99 = percentiles(load.of("balancer"))
        d50, d99 = percentiles(direct.results)
        print("replicas: 3 behind HAProxy (deploy/haproxy.cfg, TLS), %d users at %d requests/s each, "
              "1 in %d a POST, Google answering in %d ms while replicas stop, %.0f s in all"
              % (USERS, RATE, POST_EVERY, GOOGLE_DELAY_MS, time.monotonic() - started))
        print("moved: the killed replica's %d user(s) went to the others and came back" % len(home & away & back))
        print("rate limit: %s" % limited)
        print("requests: %d through the balancer (%d during the rolling restart, %d around the SIGKILL), "
              "%d to one replica directly" % (len(through), len(rolling), len(killed), len(direct.results)))
        print("failures: rolling restart %d; SIGKILL %d (GET %d, POST %d)"
              % (len(failed(rolling)), len(failed(killed)), len(failed(killed, "GET")),
                 len(failed(killed, "POST"))))
        print("latency: through the balancer p50 %.2f ms, p99 %.2f ms; one replica directly p50 %.2f ms, "
              "p99 %.2f ms" % (b50, b99, d50, d99))
    finally:
        for process in [balancer.process] + [r.process for r in replicas] + processes:
            if process is not None and process.poll() is None:
                process.kill()
                process.wait()


def over_the_limit(google, replicas, balancer, tls):
    """Users sent to each replica in turn by the balancer, each asking far
    more than the limit allows: each must see 429, from its own replica."""
    marks = {r.name: r.log_size() for r in replicas}
    served_by = {}
    candidates = 0
    # Sign in users until the balancer has put one on every replica.
    while len(served_by) < len(replicas) and candidates < 60:
        user = sign_in(google, "greedy%d" % candidates)
        candidates += 1
        status = asyncio.run(burst(user, balancer.port, tls, 1))[0][0]
        expect(status == 200, "a first request was answered %d" % status)
        for replica in replicas:
            if replica.name not in served_by and user["hash"] in replica.users_in_log(marks[replica.name]):
                served_by[replica.name] = user
    expect(len(served_by) == len(replicas), "no user of %d was served by every replica" % candidates)
    marks = {r.name: r.log_size() for r in replicas}
    statuses = {}
    for name, user in served_by.items():
        statuses[name] = asyncio.run(burst(user, balancer.port, tls, RATE_LIMIT + 100))
    said = []
    for replica in replicas:
        if replica.name not in statuses:
            continue
        answers, seconds = statuses[replica.name]
        first = answers.index(429) if 429 in answers else None
        # The bucket holds a minute's worth and refills while the burst goes on.
        most = RATE_LIMIT + int(seconds * RATE_LIMIT / 60) + 2
        refusals = [line for line in replica.lines_in_log(marks[replica.name], " 429 ")
                    if line.endswith("user=" + served_by[replica.name]["hash"])]
        expect(first is not None and RATE_LIMIT - 1 <= first <= most,
               "%s: the first 429 came after %s requests, not %d" % (replica.name, first, RATE_LIMIT))
        expect(len(refusals) == answers.count(429), "%s did not give the 429s itself" % replica.name)
        said.append("%s refused after %s of %d" % (replica.name, first, len(answers)))
    return "; ".join(said)


async def burst(user, port, tls, count):
    connection = Connection(port, tls)
    headers = {"Authorization": "Bearer " + user["id"], "AccessToken": user["access"]}
    statuses = []
    started = time.monotonic()
    for _ in range(count):
        try:
            statuses.append(await connection.request("GET", "/api/v1/tasks", headers))
        except (OSError, asyncio.IncompleteReadError, ValueError):
            statuses.append(0)
            connection.close()
    connection.close()
    return statuses, time.monotonic() - started


def verify_units():
    """Both systemd units pass systemd-analyze verify (pointed at this build's binary)."""
    if subprocess.run(["sh", "-c", "command -v systemd-analyze"], capture_output=True).returncode != 0:
        return
    with tempfile.TemporaryDirectory() as units:
        for source, name in (("stint-backend.service", "stint-backend.service"),
                             ("stint-backend@.service", "stint-backend@8081.service")):
            text = open(os.path.join(ROOT, "server", source)).read().replace("/usr/bin/stint-backend", BACKEND)
            with open(os.path.join(units, name), "w") as unit:
                unit.write(text)
            result = subprocess.run(["systemd-analyze", "verify", os.path.join(units, name)],
                                    capture_output=True, text=True)
            expect(result.returncode == 0, "systemd-analyze verify %s: %s" % (source, result.stderr.strip()))


def main():
    for program in (BACKEND, DEVSERVER):
        if not os.access(program, os.X_OK):
            raise SystemExit("test-replicas: build stint-backend and stint-devserver in %s first" % BUILD)
    for tool in ("haproxy", "openssl"):
        if subprocess.run(["sh", "-c", "command -v " + tool], capture_output=True).returncode != 0:
            raise SystemExit("test-replicas: %s is missing (scripts/install-deps.sh)" % tool)
    verify_units()
    with tempfile.TemporaryDirectory(prefix="stint-replicas-") as work:
        asyncio.run(run(work))
        if failures:
            for name in sorted(os.listdir(work)):
                if name.endswith(".log"):
                    print("---- " + name)
                    print(open(os.path.join(work, name), errors="replace").read()[-3000:])
    if failures:
        print("test-replicas: %d check(s) failed" % len(failures))
        sys.exit(1)


if __name__ == "__main__":
    main()
