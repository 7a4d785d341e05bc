"""The extension behind the package: private; the package's stubs describe what it offers."""

from typing import Any

def __getattr__(name: str) -> Any: ...
