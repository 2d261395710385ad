// SPDX-License-Identifier: MIT
#include "qt/platform/memory_info.h"

#include <charconv>
#include <limits>

namespace kalvora::platform {
namespace {

// The value of the line "<name>: <digits> kB" in bytes; nothing when the line is absent.
// `malformed` is set when the line exists but does not have that shape.
std::optional<std::uint64_t> FindKilobytes(std::string_view text, std::string_view name, bool& malformed) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.size() <= name.size() || line.substr(0, name.size()) != name || line[name.size()] != ':')
            continue;
        std::string_view rest = line.substr(name.size() + 1);
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
        std::uint64_t kilobytes = 0;
        auto [next, error] = std::from_chars(rest.data(), rest.data() + rest.size(), kilobytes);
        std::string_view unit(next, static_cast<std::size_t>(rest.data() + rest.size() - next));
        while (!unit.empty() && (unit.back() == ' ' || unit.back() == '\t' || unit.back() == '\r'))
            unit.remove_suffix(1);
        if (error != std::errc() || next == rest.data() || unit != " kB" ||
            kilobytes > std::numeric_limits<std::uint64_t>::max() / 1024) {
            malformed = true;
            return std::nullopt;
        }
        return kilobytes * 1024;
    }
    return std::nullopt;
}

}  // namespace

std::optional<MemoryInfo> ParseProcMeminfo(std::string_view text) {
    bool malformed = false;
    auto total = FindKilobytes(text, "MemTotal", malformed);
    auto available = FindKilobytes(text, "MemAvailable", malformed);
    if (malformed || !total) return std::nullopt;
    if (!available) {
        auto free = FindKilobytes(text, "MemFree", malformed);
        auto buffers = FindKilobytes(text, "Buffers", malformed);
        auto cached = FindKilobytes(text, "Cached", malformed);
        if (malformed || !free) return std::nullopt;
        available = *free + buffers.value_or(0) + cached.value_or(0);
    }
    return MemoryInfo{*total, *available};
}

}  // namespace kalvora::platform
