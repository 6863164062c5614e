#!/usr/bin/env python3
"""The layer check itself: a planted upward include, in any spelling and any file, fails it."""
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

CHECK = Path(__file__).resolve().parent / "check_layers.py"
LAYERS = "# kind name folders\ncore low low\ncore high high app\ntesting testing testing\n"
README = "# X\n\n## Layers\n\n1. `low/` the bottom.\n2. `high/` and `app/`: the top.\n\n## Next\n"


class CheckLayers(unittest.TestCase):
    def run_check(self, files, readme=README):
        with tempfile.TemporaryDirectory() as tmp:
            src = Path(tmp) / "src"
            (src / "low").mkdir(parents=True)
            (src / "layers.txt").write_text(LAYERS)
            (Path(tmp) / "README.md").write_text(readme)
            for name, text in files.items():
                (src / name).parent.mkdir(parents=True, exist_ok=True)
                (src / name).write_text(text)
            done = subprocess.run([sys.executable, str(CHECK), str(src), str(Path(tmp) / "README.md")],
                                  capture_output=True, text=True)
            return done.returncode, done.stdout

    def test_includes_downward_and_sideways_pass(self):
        code, out = self.run_check({"high/a.cpp": '#include "low/b.h"\n#include <app/c.h>\n',
                                    "app/c.h": '#include "high/a.h"\n#include <vector>\n'})
        self.assertEqual(code, 0, out)

    def test_every_upward_spelling_and_file_ending_fails(self):
        cases = {"low/a.cpp": '#include "high/x.h"\n', "low/b.h": "#include <app/App.h>\n",
                 "low/c.hpp": '  #  include "app/x.h"\n', "low/d.inl": '#include"high/y.h"\n',
                 "low/e": "#include <high/z.h>\n", "stray/f.cpp": '#include "low/b.h"\n'}
        for name, text in cases.items():
            with self.subTest(name):
                code, out = self.run_check({name: text})
                self.assertEqual(code, 1, out)
                self.assertIn(name, out)

    def test_readme_list_out_of_order_fails(self):
        swapped = README.replace("1. `low/`", "1. `high/`").replace("2. `high/`", "2. `low/`")
        code, out = self.run_check({}, readme=swapped)
        self.assertEqual(code, 1, out)
        self.assertIn("README", out)


if __name__ == "__main__":
    unittest.main()
