#!/usr/bin/env python3
"""Mutation check: do the tests notice when the program's code is changed on purpose?

Makes small changes (mutants) to the code under src/, one at a time: a comparison swapped, an
arithmetic or logical operator swapped, a condition negated, true and false swapped, an integer
constant moved by one, a call statement removed. Comments, strings, preprocessor lines and data
tables (between clang-format off and on, and the braced lists of constant arrays) are left alone.
A sample is drawn by a seed and kept as a list that a later run replays. Each mutant is built in
build/mutants and the tests that can see it run, the likeliest killers first, up to the first
failure; then the file is restored, also when the run is interrupted.

    python3 scripts/mutants.py --seed 1 --count 110      # draw, keep the list, build and test
    python3 scripts/mutants.py --list-only --seed 1      # only draw and keep the list
    python3 scripts/mutants.py --replay build/mutants/sample.tsv
    python3 scripts/mutants.py --self-test               # the operator rules against a table
"""
import argparse
import collections
import fcntl
import fnmatch
import hashlib
import json
import os
import random
import re
import resource
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
import dataclasses
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
OPERATORS = ("rel", "arith", "logic", "negate", "bool", "const", "call")

# --- Where mutants may go ----------------------------------------------------------------------


def MaskCode(text):
    """The text with comments blanked and the insides of string and character literals replaced
    by '_', column for column, so that operator rules only ever see code."""
    out = list(text)
    i, n = 0, len(text)

    def Blank(start, end, fill):
        for k in range(start, end):
            if out[k] != "\n":
                out[k] = fill

    while i < n:
        c = text[i]
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            Blank(i, end, " ")
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            Blank(i, end, " ")
            i = end
        elif c.isalpha() or c == "_":
            m = re.compile(r"\w+").match(text, i)
            word, i = m.group(), m.end()
            if i < n and text[i] == '"' and word in ("R", "u8R", "uR", "UR", "LR"):
                raw = re.compile(r'"([^ ()\\\n]{0,16})\(').match(text, i)
                if raw:
                    end = text.find(")" + raw.group(1) + '"', raw.end())
                    end = n if end < 0 else end + len(raw.group(1)) + 2
                    Blank(i, end, "_")
                    i = end
        elif c.isdigit() or (c == "." and text[i + 1 : i + 2].isdigit()):
            # A number, digit separators included (1'000'000), so that ' opens no literal.
            i = re.compile(r"\.?\d(?:[eEpP][+-]|'(?=\w)|[\w.])*").match(text, i).end()
        elif c in "\"'":
            k = i + 1
            while k < n and text[k] not in (c, "\n"):
                k += 2 if text[k] == "\\" else 1
            Blank(i + 1, min(k, n), "_")
            i = k + 1
        else:
            i += 1
    return "".join(out).split("\n")


TABLE_START = re.compile(
    r"^\s*(?:(?:static|inline|extern)\s+)*(?:constexpr|const)\b"
    r"[^;(=]*?\w\s*(?:\[[^\]]*\])?\s*=?\s*\{")


def MutableLines(lines, masked):
    """Which lines may be mutated: not preprocessor lines, not clang-format off regions, not the
    braced initialiser of a constant (a table), not a line holding a tab."""
    allowed = [True] * len(lines)
    formatOff = preprocessor = False
    tableDepth = 0
    for i, (line, code) in enumerate(zip(lines, masked)):
        if re.match(r"\s*(//|/\*)\s*clang-format\s+off", line):
            formatOff = True
        elif re.match(r"\s*(//|/\*)\s*clang-format\s+on", line):
            formatOff = False
        starts = code.lstrip().startswith("#")
        if tableDepth == 0 and not formatOff and TABLE_START.match(code):
            tableDepth = code.count("{") - code.count("}")
            table = True
        elif tableDepth > 0:
            tableDepth += code.count("{") - code.count("}")
            table = True
        else:
            table = False
        allowed[i] = not (formatOff or preprocessor or starts or table or "\t" in line)
        preprocessor = (starts or preprocessor) and code.rstrip().endswith("\\")
    return allowed


TOKEN = re.compile(
    r"(?P<id>[A-Za-z_]\w*)|(?P<num>\.?\d(?:[eEpP][+-]|'(?=\w)|[\w.])*)|(?P<lit>\"_*\"|'_*')"
    r"|(?P<op>->\*|<=>|<<=|>>=|\.\.\.|->|::|\+\+|--|<<|>>|<=|>=|==|!=|&&|\|\||[-+*/%&|^]=|\S)"
)
SWAPS = {
    "rel": {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="},
    "arith": {"+": "-", "-": "+", "*": "/", "/": "*", "+=": "-=", "-=": "+=", "*=": "/=",
              "/=": "*="},
    "logic": {"&&": "||", "||": "&&"},
    "bool": {"true": "false", "false": "true"},
}
NEEDS_SPACES = {"<", "<=", ">", ">=", "+", "-", "*", "/", "&&", "||"}
NOT_A_CALL = {"return", "delete", "throw", "case", "goto", "using", "typedef", "static_assert",
              "sizeof", "decltype", "if", "while", "for", "switch", "do", "else", "new", "operator",
              "template", "typename", "Q_UNUSED", "Q_OBJECT"}
CALL = re.compile(r"(?:Q_EMIT\s+)?(?:::)?([A-Za-z_]\w*)(?:(?:::|\.|->)~?[A-Za-z_]\w*)*"
                  r"(?:<[^;=()]*>)?\(")
INTEGER = re.compile(r"(0[xX])?([0-9a-fA-F']+)([uUlL]*)$")


def Tokens(code):
    return [(m.start(), m.end(), m.lastgroup, m.group()) for m in TOKEN.finditer(code)]


def Spaced(code, start, end):
    """Whether an operator stands between spaces as clang-format writes a binary operator (the
    end of the line counts as a space, since lines break after an operator)."""
    return start > 0 and code[start - 1] == " " and (end == len(code) or code[end] == " ")


def IntegerNeighbours(text):
    m = INTEGER.match(text)
    if not m or (not m.group(1) and not text[0].isdigit()):
        return []
    digits = m.group(2).replace("'", "")
    base = 16 if m.group(1) else 10
    if base == 10 and not digits.isdigit():
        return []
    value = int(digits, base)
    values = [value + 1] + ([value - 1] if value > 0 else [])
    if base == 16:
        fmt = "{:X}" if any(ch.isupper() for ch in digits) else "{:x}"
        return [m.group(1) + fmt.format(v) + m.group(3) for v in values]
    return [str(v) + m.group(3) for v in values]


def LineMutants(line, code, previousCode):
    """(operator, mutated line) for one line; code is the line masked, previousCode the last
    code line before it."""
    found = []
    tokens = Tokens(code)
    angle = 0  # depth inside template brackets
    for k, (start, end, kind, text) in enumerate(tokens):
        before = tokens[k - 1][3] if k else ""
        after = tokens[k + 1][3] if k + 1 < len(tokens) else ""

        def Put(op, new):
            found.append((op, line[:start] + new + line[end:]))

        spaced = Spaced(code, start, end)
        if text in ("<", ">", ">>") and not spaced:
            if text == "<" and (tokens[k - 1][2] == "id" if k else False):
                angle += 1
            elif angle:
                angle = max(0, angle - len(text))
            continue
        if before == "operator":
            continue
        for op, table in SWAPS.items():
            if text not in table or (text in NEEDS_SPACES and not spaced):
                continue
            if op == "arith" and "lit" in (tokens[k - 1][2] if k else "", tokens[k + 1][2]
                                           if k + 1 < len(tokens) else ""):
                continue  # text + "..." is a string, not a sum
            Put(op, table[text])
        if kind == "num" and angle == 0 and not re.search(r"\)\s*(const\s*)?=\s*0;", code):
            for new in IntegerNeighbours(text):
                Put("const", new)
        if text in ("if", "while") and after == "(":
            depth = 0
            for j in range(k + 1, len(tokens)):
                depth += {"(": 1, ")": -1}.get(tokens[j][3], 0)
                if depth == 1 and tokens[j][3] == ";":
                    break  # an init-statement: leave it
                if depth == 0:
                    open_, close = tokens[k + 1][1], tokens[j][0]
                    found.append(("negate", line[:open_] + "!(" + line[open_:close] + ")" +
                                  line[close:]))
                    break
    statement = code.strip()
    call = CALL.match(statement)
    if (call and call.group(1) not in NOT_A_CALL and statement.endswith(");")
            and not re.match(r"static_cast<void>\(\s*\w+\s*\);$", statement)
            and not Declares(statement[call.end():])
            and previousCode.rstrip()[-1:] in ("", ";", "{", "}", ")", ":")
            and ParensBalanced(statement)):
        found.append(("call", line[: len(line) - len(line.lstrip())] + "{}"))
    return found


def Declares(arguments):
    """Whether a call's arguments read as parameters (QWidget* parent): then it is the
    declaration of a constructor."""
    for m in re.finditer(r"(?<![\w.:>])([A-Za-z_][\w:]*(?:<[^()]*>)?)[&*]*\s+[&*]*[A-Za-z_]",
                         arguments):
        if m.group(1) not in ("new", "return", "delete", "throw", "sizeof"):
            return True
    return False


def ParensBalanced(code):
    depth = 0
    for ch in code:
        depth += {"(": 1, ")": -1}.get(ch, 0)
        if depth < 0:
            return False
    return depth == 0


def FileMutants(text):
    """(line number, operator, line before, line after) for every mutant of a file's text."""
    lines = text.split("\n")
    masked = MaskCode(text)
    allowed = MutableLines(lines, masked)
    result = []
    previous = ""
    for i, (line, code) in enumerate(zip(lines, masked)):
        if allowed[i]:
            for op, after in LineMutants(line, code, previous):
                if after != line:
                    result.append((i + 1, op, line, after))
        if code.strip() and not code.lstrip().startswith("#"):
            previous = code
    return result


@dataclass(frozen=True, order=True)
class Mutant:
    file: str
    line: int
    op: str
    before: str
    after: str

    def Where(self):
        return f"{self.file}:{self.line}"


def SourceFiles(globs):
    files = sorted(p.relative_to(ROOT).as_posix() for p in (ROOT / "src").rglob("*")
                   if p.suffix in (".cpp", ".h") and p.is_file())
    return [f for f in files if not globs or any(fnmatch.fnmatch(f, g) for g in globs)]


def Candidates(globs, operators):
    found = []
    for file in SourceFiles(globs):
        text = (ROOT / file).read_text(encoding="utf-8")
        found += [Mutant(file, line, op, before, after)
                  for line, op, before, after in FileMutants(text) if op in operators]
    return sorted(found)


# --- The sample as a list ----------------------------------------------------------------------


def Git(*args):
    run = subprocess.run(["git", *args], cwd=ROOT, capture_output=True, text=True)
    return run.stdout.strip() if run.returncode == 0 else "unknown"


def WriteList(path, mutants, header):
    path.parent.mkdir(parents=True, exist_ok=True)
    with open(path, "w", encoding="utf-8") as out:
        for line in header:
            out.write(f"# {line}\n")
        out.write("# file\tline\toperator\tbefore\tafter\n")
        for m in mutants:
            out.write(f"{m.file}\t{m.line}\t{m.op}\t{m.before}\t{m.after}\n")


def ReadList(path):
    mutants = []
    for row in Path(path).read_text(encoding="utf-8").split("\n"):
        if row and not row.startswith("#"):
            file, line, op, before, after = row.split("\t")
            mutants.append(Mutant(file, int(line), op, before, after))
    return mutants


# --- Building and testing ----------------------------------------------------------------------

running = set()  # child processes, each the leader of its own process group
lockFile = None  # the build folder's lock: every child holds it too, and so do theirs


def Lock(buildDir):
    """One run at a time in a build folder. The children inherit the lock, so that after a run
    killed outright (kill -9) the next waits until its ninja and tests have ended: a compile
    still running could otherwise leave an object of the mutant newer than the restored file."""
    global lockFile
    lock = open(buildDir / "mutants.lock", "a+")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        lock.seek(0)
        owner = lock.read().strip()
        try:
            os.kill(int(owner), 0)
            sys.exit(f"mutants: another run (process {owner}) is using {buildDir}")
        except (ValueError, ProcessLookupError):
            pass
        print(f"mutants: waiting for what a killed run left running (ninja, tests) to end; "
              f"fuser -v {lock.name} names them")
        fcntl.flock(lock, fcntl.LOCK_EX)
    lock.truncate(0)
    lock.write(str(os.getpid()))
    lock.flush()
    os.set_inheritable(lock.fileno(), True)
    lockFile = lock


class Interrupted(Exception):
    pass


def OnSignal(signum, frame):
    for other in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(other, signal.SIG_IGN)  # a second Ctrl-C must not cut the clean-up short
    raise Interrupted(signal.Signals(signum).name)


def StopChildren():
    for p in list(running):
        if p.poll() is None:
            try:
                os.killpg(p.pid, signal.SIGTERM)  # ninja passes it on to the compilers
                p.wait(timeout=10)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                try:
                    os.killpg(p.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                p.wait()
        running.discard(p)


def ChildCpu():
    """CPU seconds of the finished child processes so far: a cost that other users' load on the
    machine does not inflate as it does the wall time."""
    use = resource.getrusage(resource.RUSAGE_CHILDREN)
    return use.ru_utime + use.ru_stime


def Start(cmd, **kwargs):
    p = subprocess.Popen(cmd, start_new_session=True, pass_fds=(lockFile.fileno(),), **kwargs)
    running.add(p)
    return p


def Run(cmd, log=None, **kwargs):
    """Runs cmd to its end; returns its exit status (output appended to log, or dropped)."""
    out = open(log, "a") if log else subprocess.DEVNULL
    try:
        p = Start(cmd, stdout=out, stderr=subprocess.STDOUT, **kwargs)
        status = p.wait()  # when interrupted, p stays in running for StopChildren
        running.discard(p)
        return status
    finally:
        if log:
            out.close()


class Journal:
    """The one file under mutation: its original is kept under the build folder until restored,
    so that a run killed outright leaves a record that the next run acts on."""

    def __init__(self, buildDir):
        self.path = buildDir / "mutated.json"
        self.backup = buildDir / "mutated.orig"
        self.current = None

    def Recover(self):
        if not self.path.exists():
            return
        entry = json.loads(self.path.read_text())
        file = ROOT / entry["file"]
        now = hashlib.sha256(file.read_bytes()).hexdigest()
        if now == entry["mutant"]:
            file.write_bytes(self.backup.read_bytes())
            print(f"mutants: restored {entry['file']}, left mutated by an earlier run")
        elif now != entry["original"]:
            sys.exit(f"mutants: {entry['file']} was left mutated by an earlier run and has been "
                     f"edited since; its original is {self.backup}. Compare, then delete "
                     f"{self.path}.")
        self.path.unlink()

    def Apply(self, mutant):
        file = ROOT / mutant.file
        original = file.read_bytes()
        lines = original.decode("utf-8").split("\n")
        # A kept list names the line as it was: a replay on other code must not change another.
        if mutant.line > len(lines) or lines[mutant.line - 1] != mutant.before:
            sys.exit(f"mutants: {mutant.Where()} no longer reads as the list has it; "
                     "replay the list on the code it was drawn from")
        lines[mutant.line - 1] = mutant.after
        changed = "\n".join(lines).encode("utf-8")
        blocked = signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGINT, signal.SIGTERM,
                                                            signal.SIGHUP})
        try:
            self.backup.write_bytes(original)
            self.path.write_text(json.dumps({
                "file": mutant.file, "original": hashlib.sha256(original).hexdigest(),
                "mutant": hashlib.sha256(changed).hexdigest()}))
            self.current = (file, original)
            file.write_bytes(changed)
        finally:
            signal.pthread_sigmask(signal.SIG_SETMASK, blocked)

    def Restore(self):
        if not self.current:
            return
        blocked = signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGINT, signal.SIGTERM,
                                                            signal.SIGHUP})
        try:
            file, original = self.current
            file.write_bytes(original)  # a new time stamp: the next build compiles it again
            self.path.unlink(missing_ok=True)
            self.current = None
        finally:
            signal.pthread_sigmask(signal.SIG_SETMASK, blocked)


@dataclass
class Test:
    name: str
    command: list
    env: dict
    cwd: str
    limit: float  # ctest's TIMEOUT, 0 for none
    props: dict
    targets: list  # the build outputs the command runs
    baseline: float = 0.0
    reach: set = dataclasses.field(default_factory=set)  # the files under src/ its programs hold


def Words(text):
    return set(re.split(r"[^a-z0-9]+", text.lower())) - {"", "test", "core", "ui", "app", "cli",
                                                          "fuzz", "src", "cpp", "h"}


class Bench:
    def __init__(self, args):
        self.args = args
        self.buildDir = (ROOT / args.build_dir).resolve()
        self.logs = self.buildDir / "mutant-logs"
        self.kills = collections.defaultdict(collections.Counter)  # file or folder -> test -> kills

    def Configure(self):
        linker = next((f"-fuse-ld={ld}" for ld in ("lld", "gold") if shutil.which(f"ld.{ld}")), "")
        # The dev preset's settings, but optimised lightly and without debug information: -O1
        # compiles as fast as -O0 here and runs the long tests five times faster.
        cmd = ["cmake", "--preset", "dev", "-B", str(self.buildDir), "-DCMAKE_BUILD_TYPE=Debug",
               "-DCMAKE_CXX_FLAGS_DEBUG=-O1", "-DVEXMOOR_BENCH=OFF", "-DBUILD_TESTING=ON"]
        cmd += [f"-DCMAKE_{kind}_LINKER_FLAGS={linker}" for kind in ("EXE", "SHARED", "MODULE")]
        # With ccache, putting a file back costs no compile, and a replay of the same sample
        # compiles nothing at all.
        cmd.append(f"-DCMAKE_CXX_COMPILER_LAUNCHER={shutil.which('ccache') or ''}")
        self.logs.mkdir(parents=True, exist_ok=True)
        if Run(cmd, log=self.logs / "configure.log", cwd=ROOT) != 0:
            sys.exit(f"mutants: configuring failed, see {self.logs / 'configure.log'}")
        # ctest names a test's command only once its program exists: everything is built first,
        # so that a fresh build folder lists every test and not just the scripted ones.
        print(f"mutants: building the tests in {self.buildDir.relative_to(ROOT)} ...", flush=True)
        (self.logs / "baseline.log").unlink(missing_ok=True)
        ok, self.firstBuild = self.Build([], self.logs / "baseline.log")
        if not ok:
            sys.exit(f"mutants: the unchanged code does not build, see {self.logs / 'baseline.log'}")
        shown = subprocess.run(["ctest", "--show-only=json-v1"], cwd=self.buildDir,
                               capture_output=True, text=True, check=True)
        self.tests = []
        for t in json.loads(shown.stdout)["tests"]:
            props = {p["name"]: p["value"] for p in t.get("properties", [])}
            if t["name"].startswith("x11.") or props.get("DISABLED") or "command" not in t:
                continue  # the x11 tests need an X server
            env = dict(os.environ)
            env.update(v.split("=", 1) for v in props.get("ENVIRONMENT", []))
            targets = [os.path.relpath(a, self.buildDir) for a in t["command"]
                       if a.startswith(str(self.buildDir) + "/")]
            self.tests.append(Test(t["name"], t["command"], env,
                                   props.get("WORKING_DIRECTORY", str(self.buildDir)),
                                   float(props.get("TIMEOUT", 0)), props, targets))

    def Build(self, targets, log):
        start = time.monotonic()
        env = dict(os.environ, CCACHE_DIR=str(self.buildDir / "ccache"))
        ok = Run(["ninja", "-C", str(self.buildDir), f"-j{self.args.jobs}", *sorted(set(targets))],
                 log=log, env=env) == 0
        return ok, time.monotonic() - start

    def MapReach(self):
        """Which files under src/ each test's programs are built from: the sources ninja knows
        as inputs (a module the library waits for included) and the headers its dependency log
        holds for their objects."""
        ninja = ["ninja", "-C", str(self.buildDir), "-t"]
        deps, obj = collections.defaultdict(set), None
        listing = subprocess.run(ninja + ["deps"], capture_output=True, text=True).stdout
        for row in listing.split("\n"):
            if row and not row[0].isspace():
                obj = row.split(":")[0]
            elif row.strip().startswith(str(ROOT / "src") + "/"):
                deps[obj].add(os.path.relpath(row.strip(), ROOT))
        for test in self.tests:
            test.reach = set()
            for target in test.targets:
                inputs = subprocess.run(ninja + ["inputs", target], capture_output=True,
                                        text=True).stdout.split()
                for path in inputs:
                    if path.startswith(str(ROOT / "src") + "/"):
                        test.reach.add(os.path.relpath(path, ROOT))
                    test.reach |= deps.get(path, set())

    def Affected(self, mutant):
        """The tests whose programs hold the mutated file; every test if none does."""
        return [t for t in self.tests if mutant.file in t.reach] or list(self.tests)

    def Stages(self, tests, mutant):
        """The tests in the order to build and run them, the likeliest killers first: those that
        killed mutants of this file, then of its folder, then those whose names share words with
        the file's path, core tests before window tests, quick before slow. The first core test
        and the first window test are built and run alone before the rest of their kind, so that
        a mutant they kill costs no other test's compile and link."""
        folder = mutant.file.rsplit("/", 1)[0]
        words = Words(mutant.file)
        tier = {"core": 0, "fuzz": 1, "app": 2, "cli": 3}

        def Key(t):
            return (-self.kills[mutant.file][t.name], -self.kills[folder][t.name],
                    -len(words & Words(t.name)), tier.get(t.name.split(".")[0], 4), t.baseline)

        tests = sorted(tests, key=Key)
        core = [t for t in tests if tier.get(t.name.split(".")[0], 4) <= 1]
        rest = [t for t in tests if t not in core]
        return [stage for stage in (core[:1], core[1:], rest[:1], rest[1:]) if stage]

    def Limit(self, test):
        if not test.baseline:  # the run on unchanged code
            return test.limit or 1500
        limit = self.args.timeout or max(10.0, 3 * test.baseline + 5)
        return min(limit, test.limit) if test.limit else limit

    def Passed(self, test, status, output):
        props = test.props
        if "SKIP_RETURN_CODE" in props and status == int(props["SKIP_RETURN_CODE"]):
            return True
        if any(re.search(p, output) for p in props.get("FAIL_REGULAR_EXPRESSION", [])):
            return False
        if props.get("PASS_REGULAR_EXPRESSION"):
            return any(re.search(p, output) for p in props["PASS_REGULAR_EXPRESSION"])
        return (status == 0) != bool(props.get("WILL_FAIL"))

    def RunTests(self, tests, log):
        """Runs tests, --jobs at a time, until the first failure. Returns (the failing test or
        None, whether it timed out, the seconds per test)."""
        pending = list(tests)
        active = {}  # process -> (test, start, output file)
        spent = {}
        try:
            while pending or active:
                while pending and len(active) < self.args.jobs:
                    test = pending.pop(0)
                    out = tempfile.TemporaryFile(mode="w+", errors="replace")
                    p = Start(test.command, cwd=test.cwd, env=test.env, stdout=out,
                              stderr=subprocess.STDOUT)
                    active[p] = (test, time.monotonic(), out)
                time.sleep(0.02)
                for p, (test, start, out) in list(active.items()):
                    status = p.poll()
                    overdue = time.monotonic() - start > self.Limit(test)
                    if status is None and not overdue:
                        continue
                    if status is None:
                        os.killpg(p.pid, signal.SIGKILL)
                        p.wait()
                    running.discard(p)
                    del active[p]
                    spent[test.name] = time.monotonic() - start
                    out.seek(0)
                    output = out.read()
                    out.close()
                    if overdue or not self.Passed(test, status, output):
                        with open(log, "a") as f:
                            f.write(f"== {test.name}: {'timeout' if overdue else status}\n")
                            f.write(output[-20000:])
                        return test, overdue, spent
            return None, False, spent
        finally:
            for p, (test, start, out) in active.items():
                out.close()
            StopChildren()

    def Baseline(self):
        """Builds every test program from the unchanged code and runs every test once: all must
        pass, and their times set the time limits."""
        log = self.logs / "baseline.log"
        seconds = self.firstBuild
        failed, _, spent = self.RunTests(self.tests, log)
        if failed:
            sys.exit(f"mutants: {failed.name} fails without any mutant, see {log}")
        for test in self.tests:
            test.baseline = spent[test.name]
        self.MapReach()
        print(f"mutants: {len(self.tests)} tests pass unchanged in "
              f"{sum(spent.values()):.0f} s (build {seconds:.0f} s)", flush=True)

    def Check(self, number, mutant, journal):
        """Builds and tests one mutant: returns a result record."""
        log = self.logs / f"mutant-{number:03d}.log"
        log.unlink(missing_ok=True)
        result = {"mutant": mutant, "build": 0.0, "tests": 0.0, "cpu": 0.0, "by": ""}
        lines = (ROOT / mutant.file).read_text(encoding="utf-8").split("\n")
        if mutant.line > len(lines) or lines[mutant.line - 1] != mutant.before:
            # The file has changed since the list was kept: the same line, if it is still there
            # once, else the mutant is left out.
            same = [i + 1 for i, line in enumerate(lines) if line == mutant.before]
            if len(same) != 1:
                result["status"] = "stale"
                return result
            mutant = dataclasses.replace(mutant, line=same[0])
            result["mutant"] = mutant
        journal.Apply(mutant)
        cpu = ChildCpu()
        try:
            tests = self.Affected(mutant)
            failed = None
            for stage in self.Stages(tests, mutant):
                ok, seconds = self.Build([t for test in stage for t in test.targets], log)
                result["build"] += seconds
                if not ok:
                    result["status"] = "not built"
                    return result
                start = time.monotonic()
                failed, overdue, _ = self.RunTests(stage, log)
                result["tests"] += time.monotonic() - start
                if failed:
                    break
            if failed:
                result["status"] = "killed"
                result["by"] = failed.name + (" (timeout)" if overdue else "")
                folder = mutant.file.rsplit("/", 1)[0]
                self.kills[mutant.file][failed.name] += 1
                self.kills[folder][failed.name] += 1
            else:
                result["status"] = "survived"
                result["by"] = f"{len(tests)} tests"
            return result
        finally:
            journal.Restore()
            result["cpu"] = ChildCpu() - cpu


# --- The report --------------------------------------------------------------------------------


def Report(results, sample, header, seconds, interrupted):
    count = collections.Counter(r["status"] for r in results)
    killed, survived = count["killed"], count["survived"]
    built = [r for r in results if r["status"] in ("killed", "survived")]
    out = header + [""]
    if interrupted:
        out.append(f"INTERRUPTED ({interrupted}) after {len(results)} of {len(sample)} mutants")
    out.append(f"killed {killed}, survived {survived}, not built {count['not built']} "
               f"(not counted)" + (f", stale {count['stale']} (not counted)" if count["stale"]
                                   else ""))
    if killed + survived:
        score = 100 * killed / (killed + survived)
        out.append(f"score {killed}/{killed + survived} = {score:.1f} %")
    out.append(f"time {seconds / 60:.1f} min in all")
    if built:
        build = [r["build"] for r in built]
        tests = [r["tests"] for r in built]
        per = sum(r.get("total", 0) for r in results) / len(built)  # not built ones included
        cpu = sum(r["cpu"] for r in results) / len(built)
        out.append(f"per built mutant: build {statistics.mean(build):.1f} s (median "
                   f"{statistics.median(build):.1f}), tests {statistics.mean(tests):.1f} s (median "
                   f"{statistics.median(tests):.1f}); {per:.1f} s with the ones that did not build "
                   f"({cpu:.1f} s of CPU), so 100 built mutants take about {per * 100 / 60:.0f} "
                   f"min "
                   f"at this load (load average {os.getloadavg()[1]:.1f})")
    survivors = [r for r in results if r["status"] == "survived"]
    if survivors:
        out += ["", "Survivors:"]
        for r in survivors:
            m = r["mutant"]
            out += [f"  {m.Where()}  {m.op}", f"    - {m.before.strip()}",
                    f"    + {m.after.strip()}"]
    out += ["", "Each mutant (status, build s, tests s, CPU s, killed by, where, operator):"]
    for r in results:
        m = r["mutant"]
        out.append(f"  {r['status']:9} {r['build']:5.1f} {r['tests']:5.1f} {r['cpu']:5.1f}  "
                   f"{r['by']:32} "
                   f"{m.Where()}  {m.op}")
    return "\n".join(out) + "\n"


# --- The rules checked against a small table ----------------------------------------------------

SELF_TEST = [
    # (source line, expected (operator, mutated line) pairs)
    ("    if (a < b && c >= d)", [
        ("rel", "    if (a <= b && c >= d)"), ("logic", "    if (a < b || c >= d)"),
        ("rel", "    if (a < b && c > d)"), ("negate", "    if (!(a < b && c >= d))")]),
    ("    total += price * 2;", [
        ("arith", "    total -= price * 2;"), ("arith", "    total += price / 2;"),
        ("const", "    total += price * 3;"), ("const", "    total += price * 1;")]),
    ("    x->Show(a, 0);", [("const", "    x->Show(a, 1);"), ("call", "    {}")]),
    ("    LinkLabel(const QString& caption, QWidget* parent);", []),
    ("    return a == b ? true : -n;", [
        ("rel", "    return a != b ? true : -n;"), ("bool", "    return a == b ? false : -n;")]),
    ("    while (i <= 0x1F) {", [
        ("rel", "    while (i < 0x1F) {"), ("const", "    while (i <= 0x20) {"),
        ("const", "    while (i <= 0x1E) {"), ("negate", "    while (!(i <= 0x1F)) {")]),
    ("    n = 1'000'000;", [("const", "    n = 1000001;"), ("const", "    n = 999999;")]),
    ("    auto f = [&](int x) -> bool { return x > 0; };", [
        ("rel", "    auto f = [&](int x) -> bool { return x >= 0; };"),
        ("const", "    auto f = [&](int x) -> bool { return x > 1; };")]),
    ("    std::vector<int> v = static_cast<std::vector<int>>(*p);", []),
    ("    void Take(std::string&& s, int* p, const Foo& f, std::array<int, 3> a);", []),
    ('    Say("a < b", \'<\', x); // a * b', [("call", "    {}")]),
    ("    bool operator==(const Foo&) const = default;", []),
    ("    virtual void Paint() = 0;", []),
    ("    std::cout << a << b;", []),
    ("    const double k = 1.5e-3 + f;", [("arith", "    const double k = 1.5e-3 - f;")]),
    ("    QString s = text + \"x\";", []),
    ("    if (auto it = m.find(k); it != m.end())",
     [("rel", "    if (auto it = m.find(k); it == m.end())")]),
    ("#include <vector>", []),
    ("constexpr int kTable[] = {1, 2,\n    3};", []),
    ("// clang-format off\n    Row(1, 2 + 3);\n// clang-format on", []),
    ("/* a < b\n   c * d */ x = y * z;", [("arith", "   c * d */ x = y / z;")]),
]


def SelfTest():
    failures = 0
    for source, expected in SELF_TEST:
        got = [(op, after) for _, op, _, after in FileMutants(source)]
        if sorted(got) != sorted(expected):
            failures += 1
            print(f"FAIL {source!r}\n  expected {sorted(expected)}\n  got      {sorted(got)}")
    print(f"self-test: {len(SELF_TEST) - failures} of {len(SELF_TEST)} rows pass")
    return 1 if failures else 0


# --- The command -------------------------------------------------------------------------------


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, default=1, help="the sample's seed (default 1)")
    parser.add_argument("--count", type=int, default=110,
                        help="mutants in the sample (default 110: about 100 build)")
    parser.add_argument("--files", action="append", metavar="GLOB",
                        help="only files matching, e.g. 'src/loan/*' (may be repeated)")
    parser.add_argument("--operators", default=",".join(OPERATORS),
                        help="comma-separated, of " + ", ".join(OPERATORS) + " (default all)")
    parser.add_argument("--list", metavar="FILE", help="where to keep the sample "
                        "(default <build dir>/sample-seed<N>.tsv)")
    parser.add_argument("--list-only", action="store_true", help="draw and keep the sample, no run")
    parser.add_argument("--replay", metavar="FILE", help="run the mutants of a kept list")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2,
                        help="parallel compile and test jobs (default: the cores)")
    parser.add_argument("--timeout", type=float, default=0, help="seconds a test may take "
                        "(default: three times its time on unchanged code, plus 5, at least 10)")
    parser.add_argument("--nice", type=int, default=10, help="niceness of the run (default 10)")
    parser.add_argument("--build-dir", default="build/mutants", help="default build/mutants")
    parser.add_argument("--report", metavar="FILE",
                        help="where to write the report (default <build dir>/report-<list>.txt)")
    parser.add_argument("--self-test", action="store_true", help="check the operator rules")
    args = parser.parse_args()
    if args.self_test:
        return SelfTest()

    buildDir = (ROOT / args.build_dir).resolve()
    buildDir.mkdir(parents=True, exist_ok=True)
    Lock(buildDir)
    journal = Journal(buildDir)
    journal.Recover()

    commit = Git("rev-parse", "--short=12", "HEAD")
    if Git("status", "--porcelain", "--", "src"):
        commit += " with changes under src/"
    if args.replay:
        sample = ReadList(args.replay)
        listPath = Path(args.replay)
        header = [f"replay of {listPath} ({len(sample)} mutants), src at {commit}"]
    else:
        operators = [op for op in args.operators.split(",") if op]
        unknown = set(operators) - set(OPERATORS)
        if unknown:
            parser.error(f"unknown operators: {', '.join(sorted(unknown))}")
        candidates = Candidates(args.files, operators)
        drawn = random.Random(args.seed).sample(candidates, min(args.count, len(candidates)))
        sample = sorted(drawn)  # by file, so that one file's mutants build one after another
        listPath = Path(args.list) if args.list else buildDir / f"sample-seed{args.seed}.tsv"
        command = " ".join(["scripts/mutants.py"] + sys.argv[1:])
        header = [f"seed {args.seed}: {len(sample)} of {len(candidates)} mutants, src at {commit}",
                  f"command: {command}"]
        WriteList(listPath, sample, header)
        print(f"mutants: {len(sample)} of {len(candidates)} candidates, list in {listPath}")
        if args.list_only:
            for m in sample:
                print(f"  {m.Where()}  {m.op}: {m.after.strip()}")
            return 0

    os.nice(args.nice)
    for signum in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(signum, OnSignal)
    bench = Bench(args)
    results = []
    interrupted = ""
    start = time.monotonic()
    try:
        bench.Configure()
        bench.Baseline()
        for number, mutant in enumerate(sample, 1):
            began = time.monotonic()
            r = bench.Check(number, mutant, journal)
            r["total"] = time.monotonic() - began
            results.append(r)
            print(f"[{number}/{len(sample)}] {r['status']:9} build {r['build']:5.1f} s, tests "
                  f"{r['tests']:5.1f} s, CPU {r['cpu']:5.1f} s  {r['by']:32} {mutant.Where()} "
                  f"{mutant.op}", flush=True)
    except Interrupted as e:
        interrupted = str(e)
    except KeyboardInterrupt:
        interrupted = "SIGINT"
    finally:
        # No signal may cut this short. The compilers stop first, so that nothing built from
        # the mutant is newer than the restored file.
        for signum in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
            signal.signal(signum, signal.SIG_IGN)
        StopChildren()
        journal.Restore()
        text = Report(results, sample, header, time.monotonic() - start, interrupted)
        report = Path(args.report) if args.report else buildDir / f"report-{listPath.stem}.txt"
        report.write_text(text)
        print("\n" + text + f"report in {report}")
    return 130 if interrupted else 0


if __name__ == "__main__":
    sys.exit(main())
