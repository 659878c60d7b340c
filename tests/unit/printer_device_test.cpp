#include <gtest/gtest.h>

#include <string>

#include "framework/printer_device.h"

TEST(PrinterDevice, DeviceDriverAndPort)
{
    PrinterDevice printer;
    ASSERT_TRUE(SplitPrinterDevice("HP LaserJet 4,winspool,LPT1:", &printer));
    EXPECT_STREQ(printer.device, "HP LaserJet 4");  // the name may hold blanks
    EXPECT_STREQ(printer.driver, "winspool");
    EXPECT_STREQ(printer.port, "LPT1:");
    ASSERT_TRUE(SplitPrinterDevice("TestPS,wineps.drv /tmp/job.ps", &printer));
    EXPECT_STREQ(printer.driver, "wineps.drv");
    EXPECT_STREQ(printer.port, "/tmp/job.ps");
}

TEST(PrinterDevice, AMissingPartMeansNoPrinter)
{
    PrinterDevice printer;
    EXPECT_FALSE(SplitPrinterDevice("HP LaserJet 4,winspool", &printer));
    EXPECT_FALSE(SplitPrinterDevice("HP LaserJet 4,winspool,", &printer));
    EXPECT_FALSE(SplitPrinterDevice("HP LaserJet 4", &printer));
    EXPECT_FALSE(SplitPrinterDevice(",winspool,LPT1:", &printer));
    EXPECT_FALSE(SplitPrinterDevice("", &printer));
    EXPECT_FALSE(SplitPrinterDevice(nullptr, &printer));
}

TEST(PrinterDevice, LongPartsAreCutAtTheirBuffers)
{
    PrinterDevice printer;
    std::string entry = std::string(200, 'd') + "," + std::string(200, 'r') + "," + std::string(200, 'p');
    ASSERT_TRUE(SplitPrinterDevice(entry.c_str(), &printer));
    EXPECT_EQ(std::string(printer.device), std::string(79, 'd'));
    EXPECT_EQ(std::string(printer.port), std::string(79, 'p'));
}
