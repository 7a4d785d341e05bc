// tarnvik-calc: the PVT calculator for batches and scripts.
#include <exception>
#include <iostream>

#include "options.h"
#include "session.h"

namespace {

int Run(int argc, char** argv) {
  tarnvik::batch::Options options;
  if (const int status = tarnvik::batch::ParseOptions(argc, argv, options); status >= 0) return status;
  std::ios::sync_with_stdio(false);
  tarnvik::batch::Session session(options);
  if (!session.LoadLab()) return 1;
  for (const std::string& file : options.files) session.ProcessFile(file);
  return session.Finish();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "tarnvik-calc: " << e.what() << '\n';
    return 1;
  }
}
