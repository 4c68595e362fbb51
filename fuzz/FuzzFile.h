#pragma once
// For loaders that read a file by path: the fuzzer's bytes written to one temporary file.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace sv::fuzz {

inline std::string WriteInput(const std::uint8_t* data, std::size_t size, const char* name)
{
    static const std::string path =
        (std::filesystem::temp_directory_path() / (std::string("sv-fuzz-") + std::to_string(::getpid()) + "-" + name))
            .string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

} // namespace sv::fuzz
