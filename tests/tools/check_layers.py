#!/usr/bin/env python3
"""Fails when a source file includes a header of a folder above its own.

The folders of src/ are layers, bottom to top, as src/layers.txt lists them; a file may
include headers of its own layer and of the layers below it. Every file under src/ is looked
at, whatever its ending, and includes in quotes and in angle brackets alike. README's list of
layers must name the folders in the same order.
"""
import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s*["<]([^/">]+)/[^">]+[">]', re.MULTILINE)
README_ITEM = re.compile(r"^\d+\.\s+(.*)$")
README_FOLDER = re.compile(r"`([a-z_]+)/`")


def read_layers(src: Path):
    """The layers of src/layers.txt, bottom to top, each a list of folders."""
    layers = []
    for line in (src / "layers.txt").read_text(encoding="utf-8").splitlines():
        words = line.split("#", 1)[0].split()
        if words:
            layers.append(words[2:])
    return layers


def upward_includes(src: Path, layers):
    rank = {folder: r for r, folders in enumerate(layers) for folder in folders}
    for path in sorted(p for p in src.rglob("*") if p.is_file()):
        rel = path.relative_to(src)
        if len(rel.parts) == 1:
            continue  # the list itself
        folder = rel.parts[0]
        if folder not in rank:
            yield f"{rel}: folder '{folder}' has no layer"
            continue
        text = path.read_bytes().decode("utf-8", errors="replace")
        for target in INCLUDE.findall(text):
            if target in rank and rank[target] > rank[folder]:
                yield f"{rel} includes {target}/ (a layer above {folder}/)"
            elif target not in rank and (src / target).is_dir():
                yield f"{rel} includes {target}/, a folder with no layer"


def readme_mismatch(readme: Path, layers):
    """README's numbered list of layers against the list, testing aside."""
    text = readme.read_text(encoding="utf-8")
    start = text.find("## Layers")
    if start < 0:
        return ["README has no section 'Layers'"]
    end = text.find("\n## ", start + 1)
    listed = []
    for line in text[start : end if end > 0 else None].splitlines():
        item = README_ITEM.match(line)
        if item:
            listed.append(README_FOLDER.findall(item.group(1)))
    wanted = [folders for folders in layers if folders != ["testing"]]
    if listed != wanted:
        return [f"README lists the layers {listed}, src/layers.txt {wanted}"]
    return []


def main() -> int:
    src = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2] / "src"
    readme = Path(sys.argv[2]) if len(sys.argv) > 2 else src.parent / "README.md"
    layers = read_layers(src)
    problems = list(upward_includes(src, layers)) + readme_mismatch(readme, layers)
    for p in problems:
        print(p)
    print(f"{len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
