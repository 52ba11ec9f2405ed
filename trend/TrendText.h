#pragma once
// The printed report's own texts, verbatim.

namespace trend {

inline constexpr char kTitleText[] = "Test Report";
inline constexpr char kHeaderText[] = "KTX2300M";
inline constexpr char kLegendCh1[] = "CH1 :";
inline constexpr char kLegendCh2[] = "CH2 :";
inline constexpr char kScaleCh1[] = "CH1  VOLT DIV = +1~+9V/div";
inline constexpr char kScaleCh2[] = "CH2  VOLT DIV = +1~+9V/div";
inline constexpr char kScaleCh1Off[] = "CH1 ---";
inline constexpr char kScaleCh2Off[] = "CH2 --";
// The report font's face; a bold italic sans stands in where it is missing.
inline constexpr char kReportFace[] = "Arial Bold Italic";

} // namespace trend
