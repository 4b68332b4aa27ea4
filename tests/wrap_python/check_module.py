"""Imports a Python module of the wrapped toolkit from the build tree and
checks what its generated module builder did.

    check_module.py <module dir> <module name> <wrapped file>...

The module must come from <module dir>, carry its name, hold one entry per
wrapped file (the module name, as the file's add function received it), and
its "zebAddFileOrder" list must give the wrapped files in exactly the order
given here, which is the order the add functions ran in.
"""
import importlib
import os
import sys


def check(module_dir, name, files):
    sys.path.insert(0, module_dir)
    module = importlib.import_module(name)
    problems = []
    if os.path.dirname(os.path.abspath(module.__file__)) != os.path.abspath(module_dir):
        problems.append(f"imported {module.__file__}, not the module in {module_dir}")
    if module.__name__ != name:
        problems.append(f"module name is {module.__name__!r}, expected {name!r}")
    for file in files:
        if module.__dict__.get(file) != name:
            problems.append(f"entry {file!r} is {module.__dict__.get(file)!r}, expected {name!r}")
    order = module.__dict__.get("zebAddFileOrder")
    if order != files:
        problems.append(f"files were added in the order {order!r}, expected {files!r}")
    return problems


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    problems = check(sys.argv[1], sys.argv[2], sys.argv[3:])
    for problem in problems:
        print(problem, file=sys.stderr)
    if not problems:
        print(f"{sys.argv[2]}: {len(sys.argv) - 3} wrapped files added in order")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
