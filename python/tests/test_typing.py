"""A type checker sees the module's full interface: its stubs match the module, and mypy
checks a script's calls against them."""

import os
import pathlib
import subprocess
import sys
import textwrap

import pytest

import tarnvik
from conftest import SOURCE

pytest.importorskip("mypy", reason="mypy (Debian's python3-mypy) checks the stubs")
PACKAGE_ROOT = pathlib.Path(tarnvik.__file__).parent.parent


def mypy(tmp_path, *arguments, module="mypy"):
    (tmp_path / "mypy.ini").write_text(f"[mypy]\nignore_missing_imports = True\ncache_dir = {tmp_path / 'cache'}\n")
    environment = dict(os.environ, MYPYPATH=str(PACKAGE_ROOT), PYTHONPATH=str(PACKAGE_ROOT))
    # stubtest takes mypy's configuration under another name.
    config = "--mypy-config-file" if module == "mypy.stubtest" else "--config-file"
    return subprocess.run([sys.executable, "-m", module, config, str(tmp_path / "mypy.ini"), *map(str, arguments)],
                          capture_output=True, text=True, cwd=tmp_path, env=environment)


def test_the_stubs_describe_every_public_function_and_class_as_the_module_has_it(tmp_path):
    done = mypy(tmp_path, "tarnvik", "--allowlist", SOURCE / "python" / "tests" / "stubtest-allowlist.txt",
                module="mypy.stubtest")
    assert done.returncode == 0, done.stdout + done.stderr


def test_mypy_checks_a_scripts_calls_against_the_signatures(tmp_path):
    script = tmp_path / "study.py"
    script.write_text(textwrap.dedent("""\
        import numpy as np
        import tarnvik
        from tarnvik import properties

        one = tarnvik.calculate(api=35, gas_gravity=0.75, temperature=200, pressure=3000, gor=0.5, porosity=20,
                                swc=25, salinity=3, wor=0.5, rock="Hall")
        bo: float | None = one.bo
        many = tarnvik.calculate(api=np.linspace(20, 40, 5), gas_gravity=0.75, temperature=200, pressure=3000,
                                 gor=0.5, porosity=20, swc=25, salinity=3, wor=0.5, threads=2)
        column: np.ndarray = many.bo
        z: float = properties.z(0.75, 200, 3000, gas="dry")
        zs: np.ndarray = properties.z(0.75, 200, [1000.0, 2000.0])
        case = tarnvik.read_cases("cases.csv")[0]
        table = tarnvik.pressure_table(case, pmax=5000, points=20)
        tuned: tarnvik.Case = tarnvik.tune(case, lab="lab.csv")

        # Mistakes a type checker should catch:
        tarnvik.calculate(case, presure=3000)
        wrong: float = one.bo
        properties.z(0.75, 200, 3000, threads="all")
        tarnvik.pressure_table(points=20)
        tarnvik.calculate(case, units="imperial")
        """))
    done = mypy(tmp_path, script)
    errors = [line for line in done.stdout.splitlines() if ": error:" in line]
    lines = sorted({int(line.split(":")[1]) for line in errors})
    assert lines == [18, 19, 20, 21, 22], done.stdout + done.stderr
    assert 'Unexpected keyword argument "presure"' in done.stdout or "No overload variant" in done.stdout
    assert 'Missing positional argument "case"' in done.stdout
