// SPDX-License-Identifier: MIT
#include <mach/mach.h>
#include <sys/sysctl.h>

#include "qt/platform/memory_info.h"

namespace kalvora::platform {

MemoryInfo ReadMemoryInfo() {
    std::uint64_t total = 0;
    std::size_t length = sizeof total;
    if (sysctlbyname("hw.memsize", &total, &length, nullptr, 0) != 0) return {};
    // Free and inactive pages are what the system hands out without swapping.
    vm_statistics64_data_t vm{};
    mach_msg_type_number_t count = HOST_VM_INFO64_COUNT;
    vm_size_t pageSize = 0;
    if (host_statistics64(mach_host_self(), HOST_VM_INFO64, reinterpret_cast<host_info64_t>(&vm), &count) !=
            KERN_SUCCESS ||
        host_page_size(mach_host_self(), &pageSize) != KERN_SUCCESS)
        return {total, 0};
    return {total, (std::uint64_t(vm.free_count) + vm.inactive_count) * pageSize};
}

}  // namespace kalvora::platform
