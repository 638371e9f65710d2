#!/usr/bin/env python3
"""Mutation check of the pure core.

Makes small faults (mutants) in src/*/core, src/common and src/process/generators, one at a time,
in a private copy of the tree, and runs the tests that cover the changed area. A mutant that makes
a test fail or time out is killed; one that every test still passes survived and points at
behaviour no test pins down. A mutant that does not compile is counted apart.

    python3 tools/mutants.py [--seed 2026] [--count 110] [--work build-mutants] [--list]

The same source tree and seed always give the same mutants, in the same order.
"""

import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
COPIED = ["src", "tests", "cmake", "data", "dist", "bench", "CMakeLists.txt", ".gitattributes"]

# ---------------------------------------------------------------------------------------------
# Finding the sites


@dataclass(frozen=True)
class Mutant:
    path: str  # relative to the tree, with forward slashes
    line: int  # 1-based
    col: int  # 1-based, of the first replaced character
    kind: str
    original: str
    replacement: str

    @property
    def ident(self):
        return f"{self.path}:{self.line}:{self.col}:{self.kind}:{self.original}\u2192{self.replacement}"

    def sort_key(self):
        return (self.path, self.line, self.col, self.kind, self.original, self.replacement)


def core_files(tree):
    files = []
    for pattern in ["src/*/core/*", "src/common/*", "src/process/generators/*"]:
        files += [p for p in tree.glob(pattern) if p.suffix in (".cpp", ".h") and p.is_file()]
    return sorted(set(files), key=lambda p: p.relative_to(tree).as_posix())


def scan_line_kinds(text):
    """Returns, per character of text, 'c' code, 's' inside a string literal body, 'q' string
    quotes/prefix, 'x' comment, preprocessor line or character literal. Also the string literals
    as (start, end) body spans."""
    kinds = ["c"] * len(text)
    strings = []
    i = 0
    n = len(text)
    at_line_start = True
    while i < n:
        ch = text[i]
        if ch == "\n":
            at_line_start = True
            i += 1
            continue
        if at_line_start and ch in " \t":
            i += 1
            continue
        if at_line_start and ch == "#":
            # Preprocessor line, with backslash continuations.
            while i < n:
                if text[i] == "\n" and text[i - 1] != "\\":
                    break
                kinds[i] = "x"
                i += 1
            continue
        at_line_start = False
        if text.startswith("//", i):
            while i < n and text[i] != "\n":
                kinds[i] = "x"
                i += 1
            continue
        if text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            for k in range(i, end):
                if text[k] != "\n":
                    kinds[k] = "x"
            i = end
            continue
        m = re.match(r'(?:u8|u|U|L)?R"([^(\s]*)\(', text[i:])
        if m and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            close = ")" + m.group(1) + '"'
            end = text.find(close, i + m.end())
            end = n if end < 0 else end + len(close)
            for k in range(i, end):
                if text[k] != "\n":
                    kinds[k] = "x"  # raw strings are left alone
            i = end
            continue
        m = re.match(r"(?:u8|u|U|L)?(['\"])", text[i:])
        if m and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            quote = m.group(1)
            start = i + m.end()
            k = start
            while k < n and text[k] != quote and text[k] != "\n":
                k += 2 if text[k] == "\\" else 1
            for j in range(i, min(k + 1, n)):
                kinds[j] = "q" if quote == '"' else "x"
            if quote == '"':
                for j in range(start, k):
                    kinds[j] = "s"
                strings.append((start, k))
            i = k + 1
            continue
        if ch.isalnum() or ch == "_":
            # Skip whole identifiers and numbers so prefixes like u8 inside names are not strings.
            k = i
            while k < n and (text[k].isalnum() or text[k] in "_."):
                if text[k] == "." and not text[i].isdigit():
                    break
                k += 1
            i = k
            continue
        i += 1
    return kinds, strings


BINARY = {
    "==": ("cmp", "!="),
    "!=": ("cmp", "=="),
    "<": ("cmp", "<="),
    "<=": ("cmp", "<"),
    ">": ("cmp", ">="),
    ">=": ("cmp", ">"),
    "+": ("arith", "-"),
    "-": ("arith", "+"),
    "*": ("arith", "/"),
    "/": ("arith", "*"),
}
OPERATOR = re.compile(r"(?<=\S) (==|!=|<=|>=|<|>|\+|-|\*|/) (?=\S)")
NUMBER = re.compile(r"(?<![\w.])(\d+\.\d*|\d*\.\d+|\d+)([uUlLfF]*)(?![\w.'])")
STATEMENT_START = re.compile(
    r"^(?:\+\+|--)?\*?(?:::)?[A-Za-z_]\w*(?:::[A-Za-z_]\w*)*"
    r"(?:(?:\.|->)[A-Za-z_]\w*|\[[^\]]*\])*"
    r"(?:\+\+|--)?\s*(?:=(?!=)|\+=|-=|\*=|/=|%=|\|=|&=|<<=|>>=|\(|;|<<)"
)
NOT_EXPRESSION = re.compile(
    r"^(?:return|break|continue|goto|case|default|using|typedef|namespace|template|static_assert"
    r"|delete|throw|co_return|Q_\w+|explicit|virtual|friend|public|private|protected|signals"
    r"|emit)\b"
)


TEXT_MAKERS = re.compile(r"^\s*(?:QStringLiteral|QLatin1String|QLatin1Char|QString|QChar|FormatNc|tr|u?\")")


def joins_text(code, at):
    """Whether the + at column at joins texts rather than adds numbers, judged from the names of
    the operands next to it."""
    if TEXT_MAKERS.match(code[at + 1 :]):
        return True
    left = code[:at].rstrip()
    if left.endswith('"'):
        return True
    if left.endswith(")"):
        depth = 0
        for k in range(len(left) - 1, -1, -1):
            if left[k] == ")":
                depth += 1
            elif left[k] == "(":
                depth -= 1
                if depth == 0:
                    name = re.search(r"(\w+)\s*$", left[:k])
                    return bool(name and TEXT_MAKERS.match(name.group(1)))
    return False


def code_only(line, kinds):
    return "".join(ch if k == "c" else (" " if k != "q" else '"') for ch, k in zip(line, kinds))


def find_sites(tree):
    sites = []
    for path in core_files(tree):
        rel = path.relative_to(tree).as_posix()
        text = path.read_text(encoding="utf-8")
        kinds, strings = scan_line_kinds(text)
        lines = text.split("\n")
        offset = 0
        previous_code = "{"
        for number, line in enumerate(lines, start=1):
            lk = kinds[offset : offset + len(line)]
            code = code_only(line, lk)
            # Operators: binary operators with a blank on each side, as the formatter writes them.
            # Template brackets, pointer declarators, ->, ++, += and the like never have that shape.
            for m in OPERATOR.finditer(code):
                op = m.group(1)
                before = code[: m.start()].rstrip()
                if op in ("<", ">") and re.search(r"\btemplate$", before):
                    continue
                if op in ("*", "-", "+") and re.search(r"(?:^|[=(,?:]|\breturn)$", before):
                    continue  # unary, e.g. "return - x" never written so, but cheap to be safe
                if op == "+" and joins_text(code, m.start(1)):
                    continue  # QString concatenation: "-" would not compile
                kind, repl = BINARY[op]
                sites.append(Mutant(rel, number, m.start(1) + 1, kind, op, repl))
            # Numeric literals in code.
            for m in NUMBER.finditer(code):
                digits = m.group(1)
                if "." in digits:
                    value = float(digits)
                    repl = repr(value + 1.0)
                else:
                    value = int(digits)
                    if len(digits) > 1 and digits.startswith("0"):
                        continue  # octal; none in the core
                    repl = "1" if value == 0 else ("0" if value == 1 else str(value + 1))
                sites.append(Mutant(rel, number, m.start(1) + 1, "number", digits, repl))
            # Whole expression statements on one line.
            stripped = code.strip()
            prev = previous_code
            if stripped:
                previous_code = stripped
            if (
                path.suffix == ".cpp"
                and stripped.endswith(";")
                and prev[-1:] in (";", "{", "}")
                and not NOT_EXPRESSION.match(stripped)
                and STATEMENT_START.match(stripped)
                and stripped.count("(") == stripped.count(")")
                and stripped.count("{") == stripped.count("}")
                and not stripped.startswith(("{", "}"))
                and line.startswith("    ")
            ):
                original = line.strip()
                col = len(line) - len(line.lstrip()) + 1
                sites.append(Mutant(rel, number, col, "delete", original, ""))
            offset += len(line) + 1
        # String literals: one character changed, the middle one that is not part of an escape.
        for start, end in strings:
            body = text[start:end]
            if not body:
                continue
            positions = []
            k = 0
            while k < len(body):
                if body[k] == "\\":
                    k += 2
                    continue
                positions.append(k)
                k += 1
            if not positions:
                continue
            k = positions[len(positions) // 2]
            ch = body[k]
            if ch.isalpha():
                repl = "Q" if ch != "Q" else "X"
            elif ch.isdigit():
                repl = str((int(ch) + 1) % 10)
            elif ch == " ":
                repl = "_"
            else:
                repl = " "
            line_no = text.count("\n", 0, start + k) + 1
            col = start + k - (text.rfind("\n", 0, start + k) + 1) + 1
            sites.append(Mutant(rel, line_no, col, "string", ch, repl))
    sites.sort(key=Mutant.sort_key)
    return sites


def apply(text, mutant):
    lines = text.split("\n")
    line = lines[mutant.line - 1]
    c = mutant.col - 1
    if mutant.kind == "delete":
        assert line[c:] == mutant.original, mutant.ident
        lines[mutant.line - 1] = line[:c]
    else:
        assert line[c : c + len(mutant.original)] == mutant.original, mutant.ident
        lines[mutant.line - 1] = line[:c] + mutant.replacement + line[c + len(mutant.original) :]
    return "\n".join(lines)


# ---------------------------------------------------------------------------------------------
# The private tree and its build


def sync_tree(tree):
    """Copies the checkout into the private tree. Files whose bytes are unchanged keep their time
    stamp so an earlier build there stays valid; changed files are written anew."""
    wanted = set()
    for name in COPIED:
        source = ROOT / name
        if source.is_file():
            items = [source]
        elif source.is_dir():
            items = [p for p in source.rglob("*") if p.is_file()]
        else:
            continue
        for item in items:
            rel = item.relative_to(ROOT)
            wanted.add(rel)
            target = tree / rel
            data = item.read_bytes()
            if target.is_file() and target.read_bytes() == data:
                continue
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
            shutil.copymode(item, target)
    for item in sorted(tree.rglob("*"), reverse=True):
        rel = item.relative_to(tree)
        if item.is_file() and rel not in wanted:
            item.unlink()
        elif item.is_dir() and not any(item.iterdir()):
            item.rmdir()


def run(cmd, cwd=None, timeout=None, env=None, log=None):
    proc = subprocess.Popen(
        cmd,
        cwd=cwd,
        env=env,
        stdout=subprocess.PIPE,
        stderr=subprocess.STDOUT,
        start_new_session=True,
    )
    try:
        out, _ = proc.communicate(timeout=timeout)
        return proc.returncode, out.decode(errors="replace")
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        out, _ = proc.communicate()
        return None, out.decode(errors="replace")


def tests_for(tree, rel):
    """The test programs that cover a source file, found from the tests folder as it is now."""
    parts = rel.split("/")
    if parts[1] == "common":
        found = tree.glob("tests/**/*Test.cpp")
    elif parts[1] == "process" and parts[2] == "generators":
        found = tree.glob("tests/process/*Test.cpp")
    else:
        found = tree.glob(f"tests/{parts[1]}/*Test.cpp")
    return sorted({p.stem for p in found})


def build(build_dir, targets, jobs):
    return run(["cmake", "--build", str(build_dir), "-j", str(jobs), "--target", *targets])


def run_tests(build_dir, names, timeouts, env):
    """Runs test programs one by one; returns (failing name or None, seconds per test)."""
    times = {}
    for name in names:
        start = time.monotonic()
        # Through ctest, so that each test gets the screens and settings its ctest case sets
        # (the screenshot test runs on several screen set-ups under names starting with its own).
        code, out = run(
            ["ctest", "--test-dir", str(build_dir), "-R", f"^{name}", "--output-on-failure",
             "--timeout", str(int(timeouts[name]) + 1)],
            timeout=timeouts[name] * 2 + 10, env=env,
        )
        times[name] = time.monotonic() - start
        if code != 0:
            return (name, "timeout" if code is None else f"exit {code}", out), times
    return None, times


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, default=2026)
    parser.add_argument("--count", type=int, default=110)
    parser.add_argument("--work", default="build-mutants", help="build area, relative to the checkout")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--list", action="store_true", help="only list the chosen mutants")
    args = parser.parse_args()

    work = (ROOT / args.work).resolve()
    tree = work / "tree"
    build_dir = work / "build"
    report_path = work / "report.txt"

    sites = find_sites(ROOT)
    count = min(args.count, len(sites))
    # The whole order is drawn once and cut to COUNT, so a smaller COUNT runs the first mutants
    # of a larger one.
    chosen = random.Random(args.seed).sample(sites, len(sites))[:count]
    by_kind = {}
    for s in sites:
        by_kind[s.kind] = by_kind.get(s.kind, 0) + 1
    print(
        f"{len(sites)} sites ("
        + ", ".join(f"{k} {v}" for k, v in sorted(by_kind.items()))
        + f"); seed {args.seed}, {count} mutants",
        flush=True,
    )
    if args.list:
        for m in chosen:
            print(m.ident)
        return 0

    work.mkdir(parents=True, exist_ok=True)
    tree.mkdir(exist_ok=True)
    print("Copying the tree to", tree, flush=True)
    sync_tree(tree)

    if not (build_dir / "build.ninja").exists() and not (build_dir / "Makefile").exists():
        cmd = ["cmake", "-S", str(tree), "-B", str(build_dir), "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
               "-DCORVANE_WERROR=OFF"]
        if shutil.which("ninja"):
            cmd += ["-G", "Ninja"]
        if shutil.which("ccache"):
            cmd.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        print("Configuring", build_dir, flush=True)
        code, out = run(cmd)
        if code != 0:
            print(out)
            print("Configuring the copied tree failed", file=sys.stderr)
            return 2

    all_tests = sorted({p.stem for p in tree.glob("tests/**/*Test.cpp")})
    print("Building everything once", flush=True)
    start = time.monotonic()
    code, out = run(["cmake", "--build", str(build_dir), "-j", str(args.jobs)])
    if code != 0:
        print(out[-5000:])
        print("The unmutated tree does not build", file=sys.stderr)
        return 2
    print(f"  built in {time.monotonic() - start:.0f} s", flush=True)

    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    needed = sorted({t for m in chosen for t in tests_for(tree, m.path)})
    print(f"Running the {len(needed)} covering tests on the unmutated tree", flush=True)
    baseline = {}
    for name in needed:
        failure, times = run_tests(build_dir, [name], {name: 300}, env)
        if failure:
            print(failure[2][-5000:])
            print(f"{name} fails on the unmutated tree ({failure[1]}); nothing to compare against",
                  file=sys.stderr)
            return 2
        baseline[name] = times[name]
        print(f"  {name} passed in {times[name]:.1f} s", flush=True)
    timeouts = {name: max(20.0, 5 * t + 10) for name, t in baseline.items()}

    results = []
    started = time.monotonic()
    for index, mutant in enumerate(chosen, start=1):
        t0 = time.monotonic()
        target = tree / mutant.path
        original = target.read_bytes()
        text = original.decode("utf-8")
        stem = Path(mutant.path).stem
        names = sorted(
            tests_for(tree, mutant.path),
            key=lambda n: (not n.startswith(stem), baseline.get(n, 0), n),
        )
        detail = ""
        try:
            target.write_text(apply(text, mutant), encoding="utf-8")
            # One test program at a time, most likely killer first: most mutants die in the
            # first one, and then the others need not be linked.
            outcome = "survived"
            for name in names:
                code, out = build(build_dir, [name], args.jobs)
                if code != 0:
                    outcome = "not compiled"
                    errors = [l for l in out.splitlines() if "error" in l]
                    detail = errors[0].strip() if errors else "build failed"
                    break
                failure, _ = run_tests(build_dir, [name], timeouts, env)
                if failure:
                    outcome = "killed"
                    detail = f"{failure[0]} ({failure[1]})"
                    break
        finally:
            # Written anew so the next build compiles the restored file again.
            target.write_bytes(original)
        seconds = time.monotonic() - t0
        results.append((mutant, outcome, detail, seconds))
        print(f"[{index}/{count}] {outcome:12} {seconds:5.1f} s  {mutant.ident}"
              + (f"  [{detail}]" if detail else ""), flush=True)

    # Leave the private build matching the tree again.
    build(build_dir, all_tests, args.jobs)
    elapsed = time.monotonic() - started

    killed = sum(1 for r in results if r[1] == "killed")
    survived = [r for r in results if r[1] == "survived"]
    not_compiled = sum(1 for r in results if r[1] == "not compiled")
    per = elapsed / count if count else 0
    summary = f"{killed} killed, {len(survived)} survived, {not_compiled} not compiled"
    timing = f"{elapsed / 60:.1f} min for {count} mutants, {per:.1f} s each"

    with open(report_path, "w", encoding="utf-8") as report:
        report.write(f"Mutants of the core, seed {args.seed}, {count} of {len(sites)} sites\n")
        report.write(summary + "\n" + timing + "\n\n")
        for mutant, outcome, detail, seconds in results:
            report.write(f"{outcome:12} {seconds:5.1f} s  {mutant.ident}"
                         + (f"  [{detail}]" if detail else "") + "\n")
        report.write("\nSurvivors:\n")
        for mutant, _, _, _ in survived:
            report.write(f"{mutant.path}:{mutant.line}: {mutant.kind}: {mutant.original} -> "
                         f"{mutant.replacement}\n")

    print(timing)
    print(f"Report: {report_path}")
    print(summary)
    for mutant, _, _, _ in survived:
        print(f"{mutant.path}:{mutant.line}: {mutant.kind}: {mutant.original} -> {mutant.replacement}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
