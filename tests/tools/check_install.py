"""Installs a build into a fresh prefix and runs the installed program from there: the layout
of an installation, the unattended job writing only its report into the current folder, the
desktop module loaded from the installation's library folder, and no folder of the source
tree compiled into the program.

Usage: check_install.py BUILD_FOLDER SOURCE_FOLDER
"""
import filecmp
import os
import shutil
import subprocess
import sys
import tempfile
import time

EXPECTED = [
    "bin/vak1",
    "lib/vak1/libvak1gui.so",
    "share/vak1/vak1.hlp",
    "share/vak1/quorven.hlp",
    "share/vak1/en/vak1.hlp",
    "share/vak1/en/quorven.hlp",
    "share/vak1/vak1.err",
    "share/vak1/vak1.dbh",
    "share/vak1/printout.dbf",
    "share/vak1/profiles.dbf",
    "share/doc/vak1/README.md",
    "share/doc/vak1/LICENSE",
    "share/doc/vak1/copyright",
    "share/applications/org.quorven.vak1.desktop",
    "share/mime/packages/vak1.xml",
    "share/icons/hicolor/scalable/apps/vak1.svg",
    "share/metainfo/org.quorven.vak1.metainfo.xml",
    "share/man/man1/vak1.1.gz",
]


def files_below(folder):
    found = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            found[os.path.relpath(path, folder)] = os.stat(path).st_mtime_ns
    return found


def main():
    build, source = (os.path.abspath(a) for a in sys.argv[1:3])
    problems = []
    with tempfile.TemporaryDirectory(prefix="vak1-install-") as tmp:
        prefix = os.path.join(tmp, "prefix")
        subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True,
                       stdout=subprocess.DEVNULL)
        problems += ["missing " + f for f in EXPECTED
                     if not os.path.isfile(os.path.join(prefix, f))]
        for name in os.listdir(os.path.join(source, "data")):
            if name.endswith((".hlp", ".err", ".plt", ".dbh", ".dbf")):
                if not filecmp.cmp(os.path.join(source, "data", name),
                                   os.path.join(prefix, "share/vak1", name), shallow=False):
                    problems.append("share/vak1/%s differs from data/%s" % (name, name))
        program = os.path.join(prefix, "bin/vak1")
        for built in (program, os.path.join(prefix, "lib/vak1/libvak1gui.so")):
            with open(built, "rb") as f:
                if (source + "/data").encode() in f.read():
                    problems.append(built + " names the source tree's data folder")

        work, home, temp = (os.path.join(tmp, n) for n in ("work", "home", "tmp"))
        for d in (work, home, temp):
            os.mkdir(d)
        shutil.copy(os.path.join(source, "examples/l-profil.vak1"), work)
        env = {"PATH": "/usr/bin:/bin", "HOME": home, "TMPDIR": temp, "LANG": "C.UTF-8"}
        installed = files_below(prefix)
        job = subprocess.run([program, "l-profil.vak1", "/I", "/NOGUI"], cwd=work, env=env,
                             capture_output=True, text=True)
        if job.returncode != 0:
            problems.append("report job: exit %d: %s" % (job.returncode, job.stderr))
        if sorted(os.listdir(work)) != ["l-profil.txt", "l-profil.vak1"]:
            problems.append("report job left %s" % sorted(os.listdir(work)))
        if os.listdir(home):
            problems.append("report job wrote into the home folder: %s" % os.listdir(home))

        # The desktop program: its module is the installation's, and it runs until ended.
        desktop = subprocess.Popen([program, "l-profil.vak1"], cwd=work,
                                   env=dict(env, QT_QPA_PLATFORM="offscreen"),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        module = os.path.join(prefix, "lib/vak1/libvak1gui.so")
        loaded = False
        for _ in range(100):
            if desktop.poll() is not None:
                break
            with open("/proc/%d/maps" % desktop.pid) as maps:
                loaded = module in maps.read()
            if loaded:
                break
            time.sleep(0.1)
        if desktop.poll() is None:
            desktop.terminate()
        err = desktop.communicate(timeout=30)[1]
        if not loaded:
            problems.append("desktop program did not load %s: %s" % (module, err))
        if files_below(prefix) != installed:
            problems.append("the installation changed while the program ran")

    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
