// scpisim: a four-channel SCPI supply on a loopback port, for the device library's tests and
// benchmark. Usage:
//   scpisim [--port N] [--pty] [--log FILE] [--delay-ms N] [--garbage] [--drop] [--silent]
//           [--no-eol] [--flood] [--slow-ms N] [--reject HEADER] [--ignore-select]
//           [--offset-mv N] [--max-seconds N]
// Prints "PORT n" (the port actually bound, useful with --port 0) or "PTY /dev/pts/n" when
// ready, then each received line on stdout unless --log names a file.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "device/scpisim/CSimServer.h"

namespace {

bool ParseInt(const char *text, int low, int high, int &value) {
  const std::string_view s(text);
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size() && value >= low && value <= high;
}

int Usage(const char *why) {
  std::fprintf(stderr,
               "scpisim: %s\nusage: scpisim [--port N] [--pty] [--log FILE] [--delay-ms N] "
               "[--garbage] [--drop] [--silent] [--no-eol] [--flood] [--slow-ms N]\n"
               "               [--reject HEADER] [--ignore-select] [--offset-mv N] "
               "[--max-seconds N]\n",
               why);
  return 2;
}

} // namespace

int main(int argc, char **argv) {
  scpisim::CSimServer::Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    const bool hasValue = i + 1 < argc;
    if (arg == "--port" && hasValue) {
      if (!ParseInt(argv[++i], 0, 65535, options.port)) {
        return Usage("bad port");
      }
    } else if (arg == "--delay-ms" && hasValue) {
      if (!ParseInt(argv[++i], 0, 60000, options.delayMs)) {
        return Usage("bad delay");
      }
    } else if (arg == "--max-seconds" && hasValue) {
      if (!ParseInt(argv[++i], 1, 86400, options.maxSeconds)) {
        return Usage("bad time limit");
      }
    } else if (arg == "--slow-ms" && hasValue) {
      if (!ParseInt(argv[++i], 0, 60000, options.slowMs)) {
        return Usage("bad per-command delay");
      }
    } else if (arg == "--offset-mv" && hasValue) {
      if (!ParseInt(argv[++i], -9500, 9500, options.faults.offsetMv)) {
        return Usage("bad offset");
      }
    } else if (arg == "--reject" && hasValue) {
      options.faults.reject = argv[++i];
    } else if (arg == "--ignore-select") {
      options.faults.ignoreSelect = true;
    } else if (arg == "--log" && hasValue) {
      options.logPath = argv[++i];
    } else if (arg == "--pty") {
      options.pty = true;
    } else if (arg == "--garbage") {
      options.garbage = true;
    } else if (arg == "--drop") {
      options.drop = true;
    } else if (arg == "--silent") {
      options.silent = true;
    } else if (arg == "--no-eol") {
      options.noEol = true;
    } else if (arg == "--flood") {
      options.flood = true;
    } else {
      return Usage("unknown argument");
    }
  }
  scpisim::CSimServer server(options);
  std::string error;
  if (!server.Start(error)) {
    std::fprintf(stderr, "scpisim: %s\n", error.c_str());
    return 1;
  }
  return server.Run();
}
