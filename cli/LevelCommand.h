#pragma once

#include <span>

// malver-cli level --port P [type N | threshold 41|42|43|44 RAW | shift up|down | colours CODE]
// [--log] [--timeout MS] [--tick MS]: the gas level sensor as its window shows it (the sensor
// type, the four thresholds in volts with their order check, the sensor voltage and the
// switch's LEDs); an action changes it as the window would and writes it. colours takes the
// colour scheme of a palette cell's code. Returns the exit code.
int Level(std::span<char*> arguments);
