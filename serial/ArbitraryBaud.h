#pragma once

// Sets a rate that has no B-constant; false when the driver refuses it.
bool SetArbitraryBaudRate(int fd, int baudRate);
