#pragma once

#include <QString>

struct hid_device_info;

// One enumerated HID device, copied field by field from the HID library's list.
struct HIDDevInfo
{
    QString path;
    unsigned short vendorId = 0;
    unsigned short productId = 0;
    QString serialNumber;
    unsigned short releaseNumber = 0;
    QString manufacturer;
    QString product;
    unsigned short usagePage = 0;
    unsigned short usage = 0;
    int interfaceNumber = 0;

    static HIDDevInfo fromHidapi(const hid_device_info& info);
};
