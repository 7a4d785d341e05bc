// The inputs of an array call broadcast against each other as numpy broadcasts them, and
// the loop over their elements: in C order, with the GIL released, split into contiguous
// runs of elements on worker threads. Each element is computed from its own inputs alone,
// so the results do not depend on how many threads ran them.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

namespace tarnvik::python {

namespace py = pybind11;

// The cores this process may run on (its CPU affinity), at least 1.
int AvailableCores();

// The threads= argument: None for every core (AvailableCores), or a whole number of at
// least 1; refuses anything else, naming the argument.
int ThreadsOf(const py::handle& value);

// Fewer elements than this per thread are not worth a thread of their own.
inline constexpr std::size_t kElementsPerThread = 4096;
// The elements are split into this many runs per thread, which the threads take as they
// finish the last: a thread that runs slower (another program on its core) takes fewer, and
// a thread that finds none left waits for the others' last runs, short ones.
inline constexpr std::size_t kRunsPerThread = 32;

class ElementInputs {
 public:
  // The next operand: an array of doubles (read through its strides), or one number for
  // every element.
  void AddArray(py::array array, std::string_view name);
  void AddScalar(double value);

  // Broadcasts the array operands; refuses shapes that do not broadcast, naming both.
  void Broadcast();

  const std::vector<py::ssize_t>& shape() const { return shape_; }
  std::size_t count() const { return count_; }
  bool IsArray(std::size_t operand) const { return operands_[operand].array.has_value(); }
  std::size_t size() const { return operands_.size(); }

  // Calls body(element, values) for every element, values[k] being operand k there, with
  // the GIL released: elements [0, count) in contiguous runs, on up to `threads` threads
  // (the calling thread one of them), each taking the next run not yet taken of its own
  // group of consecutive runs, then of the others'. body must touch no Python object. An
  // exception of a body is rethrown once every run has ended.
  template <typename Body>
  void ForEach(int threads, Body&& body) const {
    ForEachRun(threads, [&body](std::size_t, std::size_t element, const double* values) { body(element, values); });
  }
  // The same, body(run, element, values) told which run (from 0, in element order) it is
  // in, for what each run gathers on its own; Runs(threads) runs at most.
  template <typename Body>
  void ForEachRun(int threads, Body&& body) const;
  std::size_t Runs(int threads) const;

 private:
  struct Operand {
    std::optional<py::array> array;
    std::string name;
    std::vector<py::ssize_t> strides;  // bytes, per dimension of the broadcast shape
    double scalar = 0;
  };

  // Elements [first, last) in C order, as run number `run`.
  template <typename Body>
  void Run(std::size_t run, std::size_t first, std::size_t last, Body& body) const;

  std::vector<Operand> operands_;
  std::vector<py::ssize_t> shape_;
  std::size_t count_ = 1;
};

inline std::size_t ElementInputs::Runs(int threads) const {
  const std::size_t most = std::max<std::size_t>(1, (count_ + kElementsPerThread - 1) / kElementsPerThread);
  const std::size_t wanted = static_cast<std::size_t>(std::max(threads, 1));
  return wanted == 1 ? 1 : std::min(wanted * kRunsPerThread, most);
}

template <typename Body>
void ElementInputs::Run(std::size_t run, std::size_t first, std::size_t last, Body& body) const {
  if (first >= last) return;  // an empty run, or an empty array (a dimension of 0)
  const std::size_t n = operands_.size();
  const std::size_t dimensions = shape_.size();
  // Every operand is read through a pointer and its strides [bytes], steps[d * n + k]: a
  // number given once is read where it is kept, with every stride 0.
  std::vector<const char*> data(n);
  std::vector<py::ssize_t> steps(dimensions * n, 0);
  for (std::size_t k = 0; k < n; ++k) {
    const Operand& operand = operands_[k];
    data[k] = operand.array ? static_cast<const char*>(operand.array->data())
                            : reinterpret_cast<const char*>(&operand.scalar);
    if (operand.array) {
      for (std::size_t d = 0; d < dimensions; ++d) steps[d * n + k] = operand.strides[d];
    }
  }
  // The index of the first element, and each operand's offset there.
  std::vector<py::ssize_t> index(dimensions, 0);
  std::vector<py::ssize_t> offsets(n, 0);
  std::size_t rest = first;
  for (std::size_t d = dimensions; d-- > 0;) {
    index[d] = static_cast<py::ssize_t>(rest % static_cast<std::size_t>(shape_[d]));
    rest /= static_cast<std::size_t>(shape_[d]);
    for (std::size_t k = 0; k < n; ++k) offsets[k] += steps[d * n + k] * index[d];
  }
  std::vector<double> values(n);
  for (std::size_t element = first; element < last; ++element) {
    for (std::size_t k = 0; k < n; ++k) std::memcpy(&values[k], data[k] + offsets[k], sizeof(double));
    body(run, element, static_cast<const double*>(values.data()));
    // The next element in C order: the last index moves fastest.
    for (std::size_t d = dimensions; d-- > 0;) {
      const py::ssize_t* step = &steps[d * n];
      for (std::size_t k = 0; k < n; ++k) offsets[k] += step[k];
      if (++index[d] < shape_[d]) break;
      for (std::size_t k = 0; k < n; ++k) offsets[k] -= step[k] * shape_[d];
      index[d] = 0;
    }
  }
}

template <typename Body>
void ElementInputs::ForEachRun(int threads, Body&& body) const {
  const std::size_t runs = Runs(threads);
  const std::size_t perRun = (count_ + runs - 1) / std::max<std::size_t>(runs, 1);
  const std::size_t threadCount = std::min<std::size_t>(runs, static_cast<std::size_t>(std::max(threads, 1)));
  // The runs fall into one group of consecutive runs per thread. Each thread starts on its
  // own group, so that threads write to different parts of the results (a thread that
  // touches a page the kernel is still filling for another waits for it), and then takes
  // what is left of the others'.
  const auto groupStart = [&](std::size_t group) { return group * runs / threadCount; };
  const std::unique_ptr<std::atomic<std::size_t>[]> next(new std::atomic<std::size_t>[threadCount]);
  for (std::size_t group = 0; group < threadCount; ++group) next[group] = groupStart(group);
  std::vector<std::exception_ptr> errors(runs);
  const auto work = [&](std::size_t own) {
    for (std::size_t k = 0; k < threadCount; ++k) {
      const std::size_t group = (own + k) % threadCount;
      const std::size_t end = groupStart(group + 1);
      for (std::size_t r = next[group]++; r < end; r = next[group]++) {
        try {
          Run(r, std::min(count_, r * perRun), std::min(count_, (r + 1) * perRun), body);
        } catch (...) {
          errors[r] = std::current_exception();
        }
      }
    }
  };
  {
    py::gil_scoped_release release;
    std::vector<std::thread> workers;
    workers.reserve(threadCount - 1);
    try {
      for (std::size_t t = 1; t < threadCount; ++t) workers.emplace_back(work, t);
    } catch (...) {
      // Fewer threads than asked for (a process out of threads): the others take more runs.
    }
    work(0);
    for (std::thread& worker : workers) worker.join();
  }
  for (const std::exception_ptr& error : errors) {
    if (error) std::rethrow_exception(error);
  }
}

}  // namespace tarnvik::python
