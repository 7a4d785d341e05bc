"""The documented install from source: a virtual environment that sees Debian's packages,
then pip with the project's own build backend, offline."""

import os
import pathlib
import subprocess
import sys

import pytest

from conftest import SOURCE

BUILD = os.environ.get("TARNVIK_BUILD_DIR")


@pytest.mark.skipif(not BUILD, reason="TARNVIK_BUILD_DIR names no build tree to reuse (the test command sets it)")
def test_pip_installs_the_module_into_a_virtual_environment_offline(tmp_path):
    env = tmp_path / "env"
    # pip itself comes from the system's packages, as the environment sees them.
    subprocess.run([sys.executable, "-m", "venv", "--system-site-packages", "--without-pip", env], check=True)
    python = env / "bin" / "python"
    environment = {key: value for key, value in os.environ.items() if key != "PYTHONPATH"}
    environment.update(PIP_DISABLE_PIP_VERSION_CHECK="1", PIP_NO_CACHE_DIR="1", PIP_NO_INDEX="1",
                       TARNVIK_BUILD_DIR=BUILD)
    done = subprocess.run([python, "-m", "pip", "install", "--no-build-isolation", "--root-user-action=ignore",
                           SOURCE], capture_output=True, text=True, env=environment, cwd=tmp_path)
    assert done.returncode == 0, done.stdout + done.stderr
    check = subprocess.run([python, "-c", "import pathlib, tarnvik; "
                            "r = tarnvik.calculate(api=35, gas_gravity=0.75, temperature=200, pressure=3000, "
                            "gor=0.5, porosity=20, swc=25, salinity=3, wor=0.5); "
                            "print(tarnvik.__version__, round(r.bo, 3), pathlib.Path(tarnvik.__file__).parent)"],
                           capture_output=True, text=True, env=environment, cwd=tmp_path)
    assert check.returncode == 0, check.stderr
    version, bo, package = check.stdout.split()
    import tarnvik

    assert (version, bo) == (tarnvik.__version__, "1.284")
    package = pathlib.Path(package)
    assert env in package.parents, "imported from the environment"
    assert {"py.typed", "__init__.pyi", "properties.pyi"} <= {path.name for path in package.iterdir()}
    shown = subprocess.run([python, "-m", "pip", "show", "--files", "tarnvik"], capture_output=True, text=True,
                           env=environment)
    assert f"Version: {tarnvik.__version__}" in shown.stdout and "tarnvik/py.typed" in shown.stdout
