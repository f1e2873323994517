#!/usr/bin/env python3
"""Compiles every source of the program and its tests with clang++ (syntax
only), from the build's compile_commands.json, so the code stays usable by
clang-tidy and clangd and free of what only g++ lets pass."""
import json
import os
import shlex
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

build = sys.argv[1] if len(sys.argv) > 1 else "build"
compiler = os.environ.get("CLANGXX", "clang++-14")
entries = json.load(open(os.path.join(build, "compile_commands.json")))
sources = [e for e in entries if "_autogen" not in e["file"]]


def check(entry):
    words = shlex.split(entry["command"])
    flags, skip = [], False
    for i, w in enumerate(words[1:], start=1):
        if skip:
            skip = False
            continue
        if w in ("-isystem", "-include"):
            flags += [w, words[i + 1]]
            skip = True
        elif w.startswith(("-I", "-D", "-std=")):
            flags.append(w)
    command = [compiler, "-fsyntax-only", "-fPIC", *flags, entry["file"]]
    result = subprocess.run(command, capture_output=True, text=True, cwd=entry["directory"])
    return entry["file"], result.returncode, result.stderr


failed = 0
with ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
    for file, code, errors in pool.map(check, sources):
        if code != 0:
            failed += 1
            print(f"{file}:\n{errors}")
print(f"clang++: {len(sources) - failed} of {len(sources)} sources compile")
sys.exit(1 if failed else 0)
