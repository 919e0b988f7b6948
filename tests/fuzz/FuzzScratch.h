#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace velmora::fuzz {

// A folder of this process's own for the files a target reads and writes,
// in memory where the system has a tmpfs, so the durable writes' fsync
// costs nothing and a run of millions of inputs does not wear a disk.
const std::string& ScratchFolder();

// Writes the bytes as the whole content of `path`.
void WriteFile(const std::string& path, std::string_view bytes);

// Stops the run with a message: the fuzzer records the input as a crash.
[[noreturn]] void Fault(const char* what);

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace velmora::fuzz
