"""The build backend of pyproject.toml (PEP 517): the project's own CMake build, packed as a wheel.

    python3 -m venv --system-site-packages ENV
    ENV/bin/pip install --no-build-isolation .

configures the project in build/wheel (the Python module only: no window, tests or
benchmarks) for the interpreter pip runs, builds the module, installs its CMake component
into a staging folder and packs that as a wheel. It needs only what the project builds with
(cmake, a C++ compiler, pybind11, Python's headers; Debian's packages), and no network:
nothing is downloaded. Environment:

    TARNVIK_BUILD_DIR   build in this folder instead (an existing build tree, such as
                        build/release, is reused as it is configured)
    TARNVIK_BUILD_JOBS  parallel compile jobs (default: every core)
"""

import base64
import hashlib
import os
import pathlib
import re
import shutil
import subprocess
import sys
import sysconfig
import tarfile
import tempfile
import zipfile

SOURCE = pathlib.Path(__file__).resolve().parent.parent
NAME = "tarnvik"
SUMMARY = "PVT properties of oil, gas, water and rock from published empirical correlations"


def _version():
    match = re.search(r"project\(\s*Tarnvik\s+VERSION\s+([0-9.]+)", (SOURCE / "CMakeLists.txt").read_text())
    if not match:
        raise RuntimeError("CMakeLists.txt names no project version")
    return match.group(1)


def _metadata():
    readme = SOURCE / "README.md"
    return (f"Metadata-Version: 2.1\nName: {NAME}\nVersion: {_version()}\nSummary: {SUMMARY}\n"
            "Requires-Python: >=3.9\nRequires-Dist: numpy\nProvides-Extra: frames\n"
            "Requires-Dist: pandas; extra == \"frames\"\nDescription-Content-Type: text/markdown\n\n" +
            (readme.read_text(encoding="utf-8") if readme.exists() else ""))


def _tag():
    """The wheel's tag for this interpreter: the module is compiled for its ABI and platform."""
    python = f"cp{sys.version_info.major}{sys.version_info.minor}"
    platform = sysconfig.get_platform().replace("-", "_").replace(".", "_")
    return f"{python}-{python}-{platform}"


def _dist_info(folder):
    info = pathlib.Path(folder) / f"{NAME}-{_version()}.dist-info"
    info.mkdir(parents=True, exist_ok=True)
    (info / "METADATA").write_text(_metadata(), encoding="utf-8")
    (info / "WHEEL").write_text(f"Wheel-Version: 1.0\nGenerator: tarnvik_build\nRoot-Is-Purelib: false\n"
                                f"Tag: {_tag()}\n")
    (info / "top_level.txt").write_text(f"{NAME}\n")
    return info


def _run(command, **options):
    print("+", " ".join(map(str, command)), file=sys.stderr, flush=True)
    subprocess.run([str(part) for part in command], check=True, **options)


def _build_dir():
    given = os.environ.get("TARNVIK_BUILD_DIR")
    return pathlib.Path(given).resolve() if given else SOURCE / "build" / "wheel"


def _build_module(staging):
    """Configures (once), builds and installs the module's CMake component into `staging`;
    returns the installed package folder."""
    build = _build_dir()
    if not (build / "CMakeCache.txt").exists():
        generator = ["-G", "Ninja"] if shutil.which("ninja") else []
        _run(["cmake", "-S", SOURCE, "-B", build, *generator, "-DCMAKE_BUILD_TYPE=Release",
              "-DTARNVIK_BUILD_GUI=OFF", "-DTARNVIK_BUILD_TESTS=OFF", "-DTARNVIK_BUILD_BENCH=OFF",
              f"-DPython3_EXECUTABLE={sys.executable}"])
    jobs = os.environ.get("TARNVIK_BUILD_JOBS") or str(len(os.sched_getaffinity(0)))
    _run(["cmake", "--build", build, "--target", "_tarnvik", "--parallel", jobs])
    _run(["cmake", "--install", build, "--component", "python", "--prefix", staging])
    packages = [path.parent for path in pathlib.Path(staging).rglob(f"{NAME}/__init__.py")]
    if len(packages) != 1:
        raise RuntimeError(f"the python component of {build} installed no single {NAME} package")
    package = packages[0]
    # The module must be the one this interpreter loads: a build tree configured for
    # another Python would give a wheel that cannot import.
    suffix = sysconfig.get_config_var("EXT_SUFFIX")
    if not list(package.glob(f"_tarnvik{suffix}")):
        found = ", ".join(path.name for path in package.glob("_tarnvik*")) or "none"
        raise RuntimeError(f"{build} holds a module for another Python ({found}), not _tarnvik{suffix}: "
                           f"build in a new folder (TARNVIK_BUILD_DIR) for {sys.executable}")
    return package


def _record_line(path, name):
    data = pathlib.Path(path).read_bytes()
    digest = base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=").decode()
    return f"{name},sha256={digest},{len(data)}"


# PEP 517 hooks.


def get_requires_for_build_wheel(config_settings=None):
    return []


def get_requires_for_build_sdist(config_settings=None):
    return []


def prepare_metadata_for_build_wheel(metadata_directory, config_settings=None):
    return _dist_info(metadata_directory).name


def build_wheel(wheel_directory, config_settings=None, metadata_directory=None):
    wheel = pathlib.Path(wheel_directory) / f"{NAME}-{_version()}-{_tag()}.whl"
    with tempfile.TemporaryDirectory(prefix="tarnvik-wheel-") as work:
        package = _build_module(pathlib.Path(work) / "staging")
        info = _dist_info(pathlib.Path(work) / "meta")
        entries = [(path, f"{NAME}/{path.relative_to(package).as_posix()}")
                   for path in sorted(package.rglob("*")) if path.is_file() and "__pycache__" not in path.parts]
        entries += [(path, f"{info.name}/{path.name}") for path in sorted(info.iterdir())]
        record = f"{info.name}/RECORD"
        lines = [_record_line(path, name) for path, name in entries] + [f"{record},,"]
        with zipfile.ZipFile(wheel, "w", compression=zipfile.ZIP_DEFLATED) as archive:
            for path, name in entries:
                archive.write(path, name)
            archive.writestr(record, "\n".join(lines) + "\n")
    return wheel.name


def build_sdist(sdist_directory, config_settings=None):
    """The source as git tracks it (or the tree without its build folders), with PKG-INFO."""
    base = f"{NAME}-{_version()}"
    try:
        listed = subprocess.run(["git", "ls-files", "-z"], cwd=SOURCE, capture_output=True, check=True).stdout
        files = [SOURCE / name for name in listed.decode().split("\0") if name]
    except (OSError, subprocess.CalledProcessError):
        skipped = {".git", "build", "__pycache__"}
        files = [path for path in SOURCE.rglob("*") if path.is_file() and not skipped & set(path.parts)]
    archive_path = pathlib.Path(sdist_directory) / f"{base}.tar.gz"
    with tarfile.open(archive_path, "w:gz", format=tarfile.PAX_FORMAT) as archive:
        for path in files:
            if path.is_file():
                archive.add(path, f"{base}/{path.relative_to(SOURCE).as_posix()}")
        with tempfile.TemporaryDirectory() as work:
            info = pathlib.Path(work) / "PKG-INFO"
            info.write_text(_metadata(), encoding="utf-8")
            archive.add(info, f"{base}/PKG-INFO")
    return archive_path.name
