#pragma once
#include <cstdio>
#include <string>

#include "device/scpisim/CScpiSimulator.h"

namespace scpisim {

// Serves one instrument on 127.0.0.1 (or a pseudo-terminal, standing in for a serial port),
// one client at a time: a new connection replaces the old one, as a real instrument's single
// SCPI socket does. Each received line goes to the log before anything else, so a test sees it
// even when the fault switches make the answer fail.
class CSimServer {
public:
  struct Options {
    int port = 0;
    bool pty = false;
    int delayMs = 0;
    bool garbage = false; // queries get a line that is no number
    bool drop = false;    // after each line: half an answer (to a query), then hang up
    bool silent = false;  // commands act, queries are never answered
    bool noEol = false;   // answers never end their line
    bool flood = false;   // queries get endless bytes without a line end
    int slowMs = 0;       // every received line waits this long before it is carried out
    CScpiSimulator::Faults faults;
    int maxSeconds = 600; // the simulator ends by itself at the latest then
    std::string logPath;  // empty: stdout
  };

  explicit CSimServer(const Options &options);
  ~CSimServer();
  CSimServer(const CSimServer &) = delete;
  CSimServer &operator=(const CSimServer &) = delete;

  // Listens and prints "PORT n" (or "PTY path") on stdout; false with a message on failure.
  bool Start(std::string &error);
  // Serves until the time limit; returns the process's exit code.
  int Run();

private:
  void Serve(int fd);
  void Answer(int fd, const std::string &reply);
  void Log(const std::string &line);
  void DropClient();

  Options m_options;
  CScpiSimulator m_simulator;
  int m_listenFd = -1;
  int m_clientFd = -1;
  int m_ptySlaveFd = -1;
  std::string m_pending;
  std::FILE *m_log = nullptr;
};

} // namespace scpisim
