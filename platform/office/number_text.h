#pragma once
// Numbers cross into the office server as binary doubles: the only place the
// program meets them. These conversions keep every value of up to 15 significant
// digits (so every stored decimal of up to 4 places) exact both ways.

#include <string>

#include "platform/core/decimal.h"

namespace vx::office {

// The double nearest to the decimal.
double toServerNumber(const Decimal& value);
// The number as plain text ("-12.5", "3", "0.0001"): rounded to 15 significant
// digits as a spreadsheet shows it, no exponent, no trailing zeros.
std::string numberText(double value);

}  // namespace vx::office
