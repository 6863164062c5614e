#!/usr/bin/env python3
"""Fails when a source file includes a header of a folder above its own.

The folders of src/ are layers, bottom to top; a file may include headers of its own layer
and of the layers below it. README's list of layers says the same in words.
"""
import re
import sys
from pathlib import Path

LAYERS = [
    ["text"],
    ["platform"],
    ["dialogs"],
    ["settings"],
    ["docu"],
    ["project"],
    ["calc"],
    ["fem"],
    ["help"],
    ["graphics"],
    ["report"],
    ["dbase"],
    ["profiles"],
    ["cad"],
    ["input", "app"],
    ["sheet"],
    ["gui", "main"],
    ["testing"],  # the test doubles: only the tests and benchmarks include them
]
RANK = {folder: rank for rank, folders in enumerate(LAYERS) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^/"]+)/[^"]+"', re.MULTILINE)


def upward_includes(src: Path):
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        folder = path.relative_to(src).parts[0]
        if folder not in RANK:
            yield f"{path.relative_to(src)}: folder '{folder}' has no layer"
            continue
        for target in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
            if target in RANK and RANK[target] > RANK[folder]:
                yield f"{path.relative_to(src)} includes {target}/ (a layer above {folder}/)"
            elif target not in RANK:
                yield f"{path.relative_to(src)} includes {target}/, a folder with no layer"


def main() -> int:
    src = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2] / "src"
    problems = list(upward_includes(src))
    for p in problems:
        print(p)
    print(f"{len(problems)} upward include(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
