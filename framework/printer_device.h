#pragma once
// The default printer as the system profile names it: "device,driver,port".

#include <cstddef>

struct PrinterDevice {
    char device[80];
    char driver[80];
    char port[80];
};

// Splits the "device" entry: the device name up to the first ",", then the
// driver and the port, each ended by "," or a blank. False when one of the
// three is missing.
bool SplitPrinterDevice(const char* entry, PrinterDevice* out);
