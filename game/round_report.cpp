#include "game/round_report.h"

#include <charconv>

namespace {

constexpr std::string_view kComputerLabel = "Компютър: ";
constexpr std::string_view kPlayerLabel = ", играч: ";
constexpr std::string_view kRefusal =
    "Рундът не е зачетен, защото сумата на играча би излязла извън допустимите граници.";

// Plain decimal: a leading minus for negatives, no grouping, no blank.
template <typename Integer>
void AppendDecimal(std::string& out, Integer value) {
  char digits[24];
  const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
  out.append(digits, result.ptr);
}

}  // namespace

std::string PlayedRoundReport(std::string_view message, ComputerTotal computer,
                              PlayerTotal player) {
  std::string report;
  report.reserve(message.size() + kComputerLabel.size() + kPlayerLabel.size() + 48);
  report.append(message).append(kLineBreak).append(kComputerLabel);
  AppendDecimal(report, computer);
  report.append(kPlayerLabel);
  AppendDecimal(report, player);
  report.append(kLineBreak);
  return report;
}

std::string RefusedRoundReport(std::string_view message) {
  std::string report;
  report.reserve(message.size() + kRefusal.size() + 2 * kLineBreak.size());
  report.append(message).append(kLineBreak).append(kRefusal).append(kLineBreak);
  return report;
}
