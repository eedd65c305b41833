#include "device/HIDDevInfo.h"

#include <hidapi/hidapi.h>

namespace {

QString fromWide(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

} // namespace

HIDDevInfo HIDDevInfo::fromHidapi(const hid_device_info& info)
{
    HIDDevInfo dev;
    dev.path = QString::fromUtf8(info.path);
    dev.vendorId = info.vendor_id;
    dev.productId = info.product_id;
    dev.serialNumber = fromWide(info.serial_number);
    dev.releaseNumber = info.release_number;
    dev.manufacturer = fromWide(info.manufacturer_string);
    dev.product = fromWide(info.product_string);
    dev.usagePage = info.usage_page;
    dev.usage = info.usage;
    dev.interfaceNumber = info.interface_number;
    return dev;
}
