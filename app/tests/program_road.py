#!/usr/bin/env python3
"""The rigscope program itself on the test's X display: it opens the
disclaimer, loads its browser pane module, opens the filled main window after
OK, and ends with status 0 when that window is closed, saying nothing on the
way. Skips (status 77) without the shared SMBIOS dumps.

Usage: program_road.py BUILD DUMP_FOLDER
"""

import os
import shutil
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench"))
import rigscope_x  # noqa: E402  (the X helpers the bench scripts use)

SKIP = 77


def main():
    build, dumps = sys.argv[1], sys.argv[2]
    dump = os.path.join(dumps, "lenovo-thinkpad-t480.bin")
    if not os.path.exists(dump):
        print("no SMBIOS dumps at %s; the shared folder is not beside the repository" % dumps)
        return SKIP
    if not os.environ.get("DISPLAY"):
        print("needs an X display (run under xvfb-run)")
        return 1

    runtime = tempfile.mkdtemp()
    environment = rigscope_x.program_environment(runtime)
    environment["QT_QPA_PLATFORM"] = "xcb"
    screen = rigscope_x.Screen()
    errors = tempfile.TemporaryFile()
    process = rigscope_x.start_rigscope(build, dump, environment, stderr=errors)
    try:
        dialog, _ = screen.wait_for_map(rigscope_x.DISCLAIMER_WIDTH)
        screen.click(dialog, rigscope_x.OK_BUTTON)
        form, _ = screen.wait_for_map(rigscope_x.MAIN_WINDOW_WIDTH)
        screen.close(form)
        status = process.wait(timeout=30)
    except subprocess.TimeoutExpired:
        print("the program did not end when its main window was closed")
        return 1
    finally:
        if process.poll() is None:
            process.kill()
        shutil.rmtree(runtime, ignore_errors=True)

    errors.seek(0)
    said = [line for line in errors.read().decode(errors="replace").splitlines()
            # Only as root, where the test switches the sandbox off itself.
            if line.strip() and line.strip() != "Sandboxing disabled by user."]
    if status != 0 or said:
        print("exit status %d; standard error:\n%s" % (status, "\n".join(said)))
        return 1
    print("disclaimer, OK, filled main window, closed: exit status 0")
    return 0


if __name__ == "__main__":
    sys.exit(main())
