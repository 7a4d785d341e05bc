"""Pickling of the extension's classes: tarnvik.Result, Case and LabReport.

Each pickles as its state (numbers and texts, the lab data and tuning in the lines a case
file holds them in) and the function here that restores it, so that results, cases and
lab reports travel to worker processes (multiprocessing, Dask) and back unchanged. A state
pickled by another release of tarnvik is refused with a ValueError rather than misread.
"""

from . import _tarnvik


def restore_result(state):
    return _tarnvik._result_from_state(state)


def restore_case(state):
    return _tarnvik._case_from_state(state)


def restore_lab_report(state):
    return _tarnvik._lab_from_state(state)


_tarnvik.Result.__reduce__ = lambda self: (restore_result, (_tarnvik._result_state(self),))
_tarnvik.Case.__reduce__ = lambda self: (restore_case, (_tarnvik._case_state(self),))
_tarnvik.LabReport.__reduce__ = lambda self: (restore_lab_report, (_tarnvik._lab_state(self),))
