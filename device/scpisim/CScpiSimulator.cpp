#include "device/scpisim/CScpiSimulator.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

namespace scpisim {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) {
    s.remove_prefix(1);
  }
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
    s.remove_suffix(1);
  }
  return s;
}

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char &c : out) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return out;
}

std::vector<std::string_view> Split(std::string_view s, char by) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto at = s.find(by);
    parts.push_back(s.substr(0, at));
    if (at == std::string_view::npos) {
      return parts;
    }
    s.remove_prefix(at + 1);
  }
}

// "VOLTage" accepts VOLT and VOLTAGE: the capitals are the short form.
bool NodeMatches(std::string_view token, std::string_view node) {
  std::string shortForm;
  for (const char c : node) {
    if (c >= 'A' && c <= 'Z') {
      shortForm += c;
    }
  }
  const std::string upper = Upper(token);
  return upper == shortForm || upper == Upper(node);
}

// Pattern nodes in brackets may be left out, e.g. "[SOURce]:VOLTage:[LEVel]".
bool Matches(const std::vector<std::string_view> &tokens, std::size_t t,
             const std::vector<std::string_view> &nodes, std::size_t n) {
  if (n == nodes.size()) {
    return t == tokens.size();
  }
  std::string_view node = nodes[n];
  const bool optional = node.front() == '[';
  if (optional) {
    node = node.substr(1, node.size() - 2);
  }
  if (t < tokens.size() && NodeMatches(tokens[t], node) && Matches(tokens, t + 1, nodes, n + 1)) {
    return true;
  }
  return optional && Matches(tokens, t, nodes, n + 1);
}

bool HeaderIs(std::string_view header, std::string_view pattern) {
  if (!header.empty() && header.front() == ':') {
    header.remove_prefix(1);
  }
  return Matches(Split(header, ':'), 0, Split(pattern, ':'), 0);
}

std::optional<double> Number(std::string_view s) {
  s = Trim(s);
  if (!s.empty() && s.front() == '+') {
    s.remove_prefix(1);
  }
  double value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::string Volts(int mv) {
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, mv / 1000.0, std::chars_format::fixed, 4);
  return std::string(buffer, result.ptr);
}

// A channel named in a query: "CH2" or the channel list "(@2)".
std::optional<int> ChannelArgument(std::string_view argument) {
  std::string text = Upper(Trim(argument));
  if (text.rfind("CH", 0) == 0) {
    text.erase(0, 2);
  } else if (text.size() > 3 && text.rfind("(@", 0) == 0 && text.back() == ')') {
    text = text.substr(2, text.size() - 3);
  } else {
    return std::nullopt;
  }
  const auto n = Number(text);
  if (!n || *n < 1 || *n > 4 || *n != std::floor(*n)) {
    return std::nullopt;
  }
  return static_cast<int>(*n);
}

} // namespace

int CScpiSimulator::MeasuredMv(int number) const {
  const Output &out = OutputOf(number);
  return out.on ? out.setMv : 0;
}

void CScpiSimulator::PushError(int code, const char *text) {
  if (m_errors.size() < 16) {
    m_errors.push_back(std::to_string(code) + ",\"" + text + "\"");
  }
}

std::optional<std::string> CScpiSimulator::Handle(std::string_view line) {
  std::string replies;
  bool any = false;
  for (const auto command : Split(line, ';')) {
    if (Trim(command).empty()) {
      continue;
    }
    if (auto reply = HandleOne(Trim(command))) {
      replies += any ? ";" : "";
      replies += *reply;
      any = true;
    }
  }
  return any ? std::optional<std::string>(replies) : std::nullopt;
}

std::optional<std::string> CScpiSimulator::HandleOne(std::string_view command) {
  const auto space = command.find_first_of(" \t");
  std::string_view header = command.substr(0, space);
  const std::string_view argument =
      space == std::string_view::npos ? std::string_view() : Trim(command.substr(space));
  const bool query = !header.empty() && header.back() == '?';
  if (query) {
    header.remove_suffix(1);
  }
  Output &selected = m_outputs[static_cast<std::size_t>(m_selected - 1)];

  if (!query && !m_faults.reject.empty() && HeaderIs(header, m_faults.reject)) {
    PushError(-113, "Undefined header");
    return std::nullopt;
  }
  if (query && Upper(header) == "*IDN") {
    return std::string(kIdentity);
  }
  if (query && Upper(header) == "*OPC") {
    return std::string("1");
  }
  if (!query && Upper(header) == "*RST") {
    *this = CScpiSimulator(m_faults);
    return std::nullopt;
  }
  if (!query && Upper(header) == "*CLS") {
    m_errors.clear();
    return std::nullopt;
  }
  if (query && HeaderIs(header, "SYSTem:ERRor:[NEXT]")) {
    if (m_errors.empty()) {
      return std::string("0,\"No error\"");
    }
    std::string next = m_errors.front();
    m_errors.pop_front();
    return next;
  }
  if (HeaderIs(header, "INSTrument:NSELect")) {
    if (query) {
      return std::to_string(m_selected);
    }
    const auto n = Number(argument);
    if (!n || *n < 1 || *n > 4 || *n != std::floor(*n)) {
      PushError(-222, "Data out of range");
      return std::nullopt;
    }
    if (!m_faults.ignoreSelect) {
      m_selected = static_cast<int>(*n);
    }
    return std::nullopt;
  }
  if (HeaderIs(header, "[SOURce]:VOLTage:[LEVel]:[IMMediate]:[AMPLitude]")) {
    if (query) {
      return Volts(selected.setMv);
    }
    const auto v = Number(argument);
    if (m_selected > 2) {
      PushError(-221, "Settings conflict");
    } else if (!v || *v < 0 || *v > 9.5) {
      PushError(-222, "Data out of range");
    } else {
      selected.setMv = static_cast<int>(std::lround(*v * 1000)) + m_faults.offsetMv;
    }
    return std::nullopt;
  }
  if (HeaderIs(header, "OUTPut:[STATe]")) {
    if (query) {
      return std::string(selected.on ? "1" : "0");
    }
    const std::string word = Upper(argument);
    if (word == "ON" || word == "1") {
      selected.on = true;
    } else if (word == "OFF" || word == "0") {
      selected.on = false;
    } else {
      PushError(-224, "Illegal parameter value");
    }
    return std::nullopt;
  }
  if (query && HeaderIs(header, "MEASure:[SCALar]:VOLTage:[DC]")) {
    if (argument.empty()) {
      return Volts(MeasuredMv(m_selected));
    }
    const auto channel = ChannelArgument(argument);
    if (!channel) {
      PushError(-224, "Illegal parameter value");
      return std::nullopt;
    }
    return Volts(MeasuredMv(*channel));
  }
  PushError(-113, "Undefined header");
  return std::nullopt;
}

} // namespace scpisim
