#include "element_loop.h"

#include <sched.h>

#include <climits>
#include <string>

namespace tarnvik::python {
namespace {

std::string ShapeText(const py::array& array) {
  std::string text = "(";
  for (py::ssize_t d = 0; d < array.ndim(); ++d) text.append(std::to_string(array.shape(d))).append(",");
  if (array.ndim() > 1) text.pop_back();
  return text + ")";
}

}  // namespace

int AvailableCores() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) == 0) {
    const int count = CPU_COUNT(&set);
    if (count > 0) return count;
  }
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

int ThreadsOf(const py::handle& value) {
  if (value.is_none()) return AvailableCores();
  const std::string expected = "threads: expected a whole number of threads, at least 1 (None for every core)";
  if (PyBool_Check(value.ptr()) || !PyIndex_Check(value.ptr())) {
    throw py::value_error(expected + ", got " + std::string(py::str(py::type::handle_of(value).attr("__name__"))));
  }
  const py::object whole = py::reinterpret_steal<py::object>(PyNumber_Index(value.ptr()));
  if (!whole) throw py::error_already_set();
  int overflow = 0;
  const long long threads = PyLong_AsLongLongAndOverflow(whole.ptr(), &overflow);
  if (overflow < 0 || (overflow == 0 && threads < 1)) {
    throw py::value_error(expected + ", got " + std::string(py::str(whole)));
  }
  // More threads than elements or cores gain nothing; the loop never starts more than
  // its elements need.
  return overflow > 0 || threads > INT_MAX ? INT_MAX : static_cast<int>(threads);
}

void ElementInputs::AddArray(py::array array, std::string_view name) {
  Operand operand;
  operand.array = std::move(array);
  operand.name = name;
  operands_.push_back(std::move(operand));
}

void ElementInputs::AddScalar(double value) {
  Operand operand;
  operand.scalar = value;
  operands_.push_back(std::move(operand));
}

void ElementInputs::Broadcast() {
  py::ssize_t ndim = 0;
  for (const Operand& o : operands_) {
    if (o.array) ndim = std::max(ndim, o.array->ndim());
  }
  shape_.assign(static_cast<std::size_t>(ndim), 1);
  std::vector<std::size_t> setBy(shape_.size(), 0);
  for (std::size_t k = 0; k < operands_.size(); ++k) {
    Operand& o = operands_[k];
    if (!o.array) continue;
    const py::ssize_t offset = ndim - o.array->ndim();
    o.strides.assign(shape_.size(), 0);
    for (py::ssize_t d = 0; d < o.array->ndim(); ++d) {
      const py::ssize_t size = o.array->shape(d);
      const auto at = static_cast<std::size_t>(d + offset);
      if (size == 1) continue;
      if (shape_[at] != 1 && shape_[at] != size) {
        const Operand& other = operands_[setBy[at]];
        throw py::value_error(other.name + " of shape " + ShapeText(*other.array) + " and " + o.name + " of shape " +
                              ShapeText(*o.array) + " do not broadcast together");
      }
      shape_[at] = size;
      setBy[at] = k;
      o.strides[at] = o.array->strides(d);
    }
  }
  count_ = 1;
  for (const py::ssize_t size : shape_) count_ *= static_cast<std::size_t>(size);
}

}  // namespace tarnvik::python
