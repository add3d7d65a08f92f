// The serial devices a COM number can be pointed at, in the order the port dialog offers them.
#pragma once

#include <string>
#include <vector>

namespace vizud {

// Devices under `devRoot`: serial/by-id/* first (stable names of USB adapters), then ttyUSB*, ttyACM*,
// ttyS*, each group in natural order (ttyS2 before ttyS10). Missing folders give nothing.
std::vector<std::string> listSerialDevices(const std::string& devRoot = "/dev");

}  // namespace vizud
