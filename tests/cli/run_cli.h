// Runs lumenfold-cli as a user would, and collects what it says.
#ifndef LUMENFOLD_TESTS_CLI_RUN_CLI_H_
#define LUMENFOLD_TESTS_CLI_RUN_CLI_H_

#include <fcntl.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "../core/temp_dir.h"

namespace lumenfold::test {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

struct CliSetup {
  std::string cwd;                       // Where it runs; empty: here.
  std::vector<std::string> environment;  // Added to LC_ALL=C and a fixed date.
  long file_size_limit = -1;             // Bytes any file may reach; -1: no limit.
  bool as_nobody = false;                // Drop root's privileges first.
};

namespace detail {

[[noreturn]] inline void ExecCli(const std::vector<std::string>& args, const CliSetup& setup) {
  if (!setup.cwd.empty() && chdir(setup.cwd.c_str()) != 0) _exit(97);
  if (setup.file_size_limit >= 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(setup.file_size_limit),
                       static_cast<rlim_t>(setup.file_size_limit)};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  if (setup.as_nobody && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(95);
  setenv("LC_ALL", "C", 1);
  setenv("SOURCE_DATE_EPOCH", "1796947200", 1);  // 2026-12-11
  for (const std::string& variable : setup.environment) putenv(strdup(variable.c_str()));
  std::vector<char*> argv;
  std::string program = LUMENFOLD_CLI_PATH;
  argv.push_back(program.data());
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  _exit(96);
}

inline int WaitFor(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace detail

// Standard input is /dev/null, so the program sees no terminal.
inline CliRun RunCli(const std::vector<std::string>& args, const CliSetup& setup = {}) {
  TempDir capture;
  const std::string out_path = capture / "out";
  const std::string err_path = capture / "err";
  const pid_t pid = fork();
  if (pid == 0) {
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    detail::ExecCli(args, setup);
  }
  CliRun run;
  run.status = detail::WaitFor(pid);
  run.out = ReadFile(out_path);
  run.err = ReadFile(err_path);
  return run;
}

// Runs on a pseudo-terminal and types `answer` and Enter at the question;
// `out` is everything the terminal showed.
inline CliRun RunCliOnTerminal(const std::vector<std::string>& args, const std::string& answer) {
  int master = -1;
  const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
  if (pid == 0) detail::ExecCli(args, {});
  CliRun run;
  std::string typed = answer + "\n";
  bool answered = false;
  char buffer[4096];
  for (;;) {
    const ssize_t n = read(master, buffer, sizeof buffer);
    if (n <= 0) break;
    run.out.append(buffer, static_cast<std::size_t>(n));
    if (!answered && run.out.find("[y/N]") != std::string::npos) {
      answered = write(master, typed.data(), typed.size()) == static_cast<ssize_t>(typed.size());
    }
  }
  close(master);
  run.status = detail::WaitFor(pid);
  return run;
}

}  // namespace lumenfold::test

#endif  // LUMENFOLD_TESTS_CLI_RUN_CLI_H_
