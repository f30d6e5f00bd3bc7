// A program the desktop tests start (the X server, the window manager, the program under test):
// started with extra environment variables and its output in a file, stopped when it goes out
// of scope.
#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

class ChildProcess {
 public:
  // Starts Argv[0] (searched on PATH) with the environment of this process plus Env; its standard
  // output and error go to LogFile (none: discarded). KeepFd stays open in the child.
  ChildProcess(const std::vector<std::string>& Argv, const std::map<std::string, std::string>& Env,
               const std::string& LogFile = {}, int KeepFd = -1);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t Pid() const { return FPid; }
  // Whether it still runs; once it has ended, ExitText says how.
  bool Running();
  std::string ExitText() const;
  // SIGTERM, then SIGKILL when it has not ended within the grace time.
  void Stop(int GraceMs = 3000);

 private:
  pid_t FPid = -1;
  bool FEnded = false;
  int FStatus = 0;
};
