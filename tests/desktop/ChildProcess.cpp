// Starting and stopping the desktop tests' child programs with fork and exec.
#include "ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

ChildProcess::ChildProcess(const std::vector<std::string>& Argv, const std::map<std::string, std::string>& Env,
                           const std::string& LogFile, int KeepFd) {
  std::vector<char*> args;
  for (const std::string& a : Argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  FPid = fork();
  if (FPid < 0) throw std::runtime_error("fork failed");
  if (FPid > 0) return;
  // The child: only async-signal-safe calls until exec, apart from setenv on its own copy.
  setpgid(0, 0);
  for (const auto& [name, value] : Env) setenv(name.c_str(), value.c_str(), 1);
  const int out = open(LogFile.empty() ? "/dev/null" : LogFile.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  const int in = open("/dev/null", O_RDONLY);
  if (out >= 0) dup2(out, 1), dup2(out, 2);
  if (in >= 0) dup2(in, 0);
  for (int fd = 3; fd < 1024; ++fd)
    if (fd != KeepFd) close(fd);
  execvp(args[0], args.data());
  _exit(127);
}

ChildProcess::~ChildProcess() { Stop(); }

bool ChildProcess::Running() {
  if (FEnded || FPid <= 0) return false;
  if (waitpid(FPid, &FStatus, WNOHANG) == FPid) FEnded = true;
  return !FEnded;
}

std::string ChildProcess::ExitText() const {
  if (!FEnded) return "running";
  if (WIFEXITED(FStatus)) return "exited with code " + std::to_string(WEXITSTATUS(FStatus));
  if (WIFSIGNALED(FStatus)) return "killed by signal " + std::to_string(WTERMSIG(FStatus));
  return "ended";
}

void ChildProcess::Stop(int GraceMs) {
  if (!Running()) return;
  kill(FPid, SIGTERM);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(GraceMs);
  while (Running() && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (!Running()) return;
  kill(FPid, SIGKILL);
  waitpid(FPid, &FStatus, 0);
  FEnded = true;
}
