// The hidapi calls irmeter makes, answered by simulated instruments instead of USB devices.
#include "tools/sim/Session.h"
#include "tools/sim/SimConfig.h"
#include "tools/sim/SimDevice.h"
#include "tools/sim/StreamFile.h"

#pragma GCC visibility push(default)
#include <hidapi/hidapi.h>
#pragma GCC visibility pop

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <new>
#include <string>

using irmetersim::SimConfig;
using irmetersim::SimDevice;

struct hid_device_
{
    SimDevice sim;
};

namespace {

constexpr unsigned short VendorId = 0x1A86;
constexpr unsigned short ProductId = 0xE429;

// Errors of calls without a device. Per thread, so a reader and an enumerating thread never share it.
thread_local std::wstring globalError;

void setGlobalError(const std::string& text)
{
    globalError.assign(text.begin(), text.end());
}

struct Identity
{
    std::string path;
    std::wstring serial;
    std::wstring manufacturer;
    std::wstring product;
};

Identity identity(int index)
{
    const std::wstring number = std::to_wstring(index + 1);
    wchar_t serial[16];
    std::swprintf(serial, 16, L"SIM742%04d", index + 1);
    return {"sim/hidraw" + std::to_string(index), serial, L"Tolva simulated instruments " + number,
            L"RX742MQ insulation tester (simulated #" + number + L")"};
}

bool idsMatch(unsigned short vendorId, unsigned short productId)
{
    return (vendorId == 0 || vendorId == VendorId) && (productId == 0 || productId == ProductId);
}

wchar_t* duplicate(const std::wstring& text)
{
    auto* copy = static_cast<wchar_t*>(std::calloc(text.size() + 1, sizeof(wchar_t)));
    if (copy)
        std::wmemcpy(copy, text.c_str(), text.size());
    return copy;
}

hid_device_info* makeInfo(int index)
{
    const Identity id = identity(index);
    auto* info = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
    if (!info)
        return nullptr;
    info->path = strdup(id.path.c_str());
    info->vendor_id = VendorId;
    info->product_id = ProductId;
    info->serial_number = duplicate(id.serial);
    info->release_number = 0x0100;
    info->manufacturer_string = duplicate(id.manufacturer);
    info->product_string = duplicate(id.product);
    info->usage_page = 0xFF00;
    info->usage = 0x0001;
    info->interface_number = 0;
    info->bus_type = HID_API_BUS_USB;
    return info;
}

SimDevice::Reports builtInReports()
{
    static const SimDevice::Reports reports =
        std::make_shared<const std::vector<irmetersim::Bytes>>(irmetersim::builtInSession());
    return reports;
}

SimDevice::Reports streamReports(const std::string& path)
{
    irmetersim::Bytes stream;
    std::string error;
    if (!irmetersim::loadStreamFile(path, stream, error)) {
        // The program may not show open failures; say why on stderr as well.
        std::fprintf(stderr, "irmeter-sim: %s\n", error.c_str());
        setGlobalError("hid_open_path: " + error);
        return nullptr;
    }
    return std::make_shared<const std::vector<irmetersim::Bytes>>(irmetersim::cutIntoReports(stream));
}

hid_device* openDevice(const std::string& path, const SimConfig& config)
{
    if (config.openFail) {
        setGlobalError("hid_open_path: failed to open device '" + path + "': Device or resource busy");
        return nullptr;
    }
    SimDevice::Reports reports = config.streamPath ? streamReports(*config.streamPath) : builtInReports();
    if (!reports)
        return nullptr;
    auto* device = new (std::nothrow) hid_device{SimDevice(std::move(reports), config)};
    if (!device)
        setGlobalError("hid_open_path: out of memory");
    else
        globalError.clear();
    return device;
}

} // namespace

extern "C" {

int HID_API_EXPORT HID_API_CALL hid_init(void)
{
    SimConfig::fromEnvironment();
    globalError.clear();
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_exit(void)
{
    globalError.clear();
    return 0;
}

struct hid_device_info HID_API_EXPORT* HID_API_CALL hid_enumerate(unsigned short vendor_id,
                                                                  unsigned short product_id)
{
    const SimConfig config = SimConfig::fromEnvironment();
    hid_device_info* first = nullptr;
    hid_device_info** tail = &first;
    if (idsMatch(vendor_id, product_id)) {
        for (int i = 0; i < config.devices; ++i) {
            *tail = makeInfo(i);
            if (!*tail)
                break;
            tail = &(*tail)->next;
        }
    }
    if (first)
        globalError.clear();
    else
        setGlobalError("hid_enumerate: no HID devices with requested VID/PID found in the system");
    return first;
}

void HID_API_EXPORT HID_API_CALL hid_free_enumeration(struct hid_device_info* devs)
{
    while (devs) {
        hid_device_info* next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

HID_API_EXPORT hid_device* HID_API_CALL hid_open(unsigned short vendor_id, unsigned short product_id,
                                                 const wchar_t* serial_number)
{
    const SimConfig config = SimConfig::fromEnvironment();
    if (idsMatch(vendor_id, product_id)) {
        for (int i = 0; i < config.devices; ++i) {
            const Identity id = identity(i);
            if (!serial_number || id.serial == serial_number)
                return openDevice(id.path, config);
        }
    }
    setGlobalError("hid_open: no HID device with the requested VID/PID/serial number found");
    return nullptr;
}

HID_API_EXPORT hid_device* HID_API_CALL hid_open_path(const char* path)
{
    const SimConfig config = SimConfig::fromEnvironment();
    if (path) {
        for (int i = 0; i < config.devices; ++i) {
            if (identity(i).path == path)
                return openDevice(path, config);
        }
    }
    setGlobalError(std::string("hid_open_path: no device at path '") + (path ? path : "(null)") + "'");
    return nullptr;
}

int HID_API_EXPORT HID_API_CALL hid_write(hid_device* dev, const unsigned char* data, size_t length)
{
    if (!dev || !data) {
        setGlobalError("hid_write: no device or no data");
        return -1;
    }
    return dev->sim.write(length);
}

int HID_API_EXPORT HID_API_CALL hid_read_timeout(hid_device* dev, unsigned char* data, size_t length,
                                                 int milliseconds)
{
    if (!dev || !data) {
        setGlobalError("hid_read_timeout: no device or no buffer");
        return -1;
    }
    return dev->sim.read(data, length, milliseconds);
}

int HID_API_EXPORT HID_API_CALL hid_read(hid_device* dev, unsigned char* data, size_t length)
{
    return hid_read_timeout(dev, data, length, dev && dev->sim.nonBlocking() ? 0 : -1);
}

int HID_API_EXPORT HID_API_CALL hid_set_nonblocking(hid_device* dev, int nonblock)
{
    if (!dev) {
        setGlobalError("hid_set_nonblocking: no device");
        return -1;
    }
    dev->sim.setNonBlocking(nonblock != 0);
    return 0;
}

void HID_API_EXPORT HID_API_CALL hid_close(hid_device* dev)
{
    delete dev;
}

HID_API_EXPORT const wchar_t* HID_API_CALL hid_error(hid_device* dev)
{
    const std::wstring& error = dev ? dev->sim.error() : globalError;
    return error.empty() ? L"Success" : error.c_str();
}

} // extern "C"
