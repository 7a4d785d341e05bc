// Running a real program of the project, or a tool it works with, from a test.
#pragma once
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tarnvik::testing {

struct ProgramRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::string Quoted(const std::string& arg) {
  std::string quoted = "'";
  for (const char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs `program` with `args` through the shell, its output and errors captured in files
// of `dir`; `input`, when given, is the file its standard input reads.
inline ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                             const std::filesystem::path& dir, const std::filesystem::path& input = {}) {
  std::string command = Quoted(program);
  for (const auto& arg : args) command.append(" ").append(Quoted(arg));
  if (!input.empty()) command.append(" <").append(Quoted(input.string()));
  command.append(" >").append(Quoted((dir / "out").string()));
  command.append(" 2>").append(Quoted((dir / "err").string()));
  const int status = std::system(command.c_str());
  ProgramRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadFile(dir / "out");
  run.err = ReadFile(dir / "err");
  return run;
}

}  // namespace tarnvik::testing
