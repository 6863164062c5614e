// Printer ports as files or device nodes: each of "LPT1".."LPT4" maps to a path. Unmapped
// ports read the environment variables VAK1_LPT1..VAK1_LPT4.
#pragma once
#include <array>
#include <cstdio>
#include <string>

#include "platform/PortWriter.h"

namespace vak1 {

class FilePortWriter : public PortWriter {
  public:
    ~FilePortWriter() override;
    // n in 1..4; an empty path removes the mapping.
    void Map(int n, std::string path);
    // The path of "LPTn", from the mapping or the environment; empty when unknown.
    std::string PathOf(const std::string& port) const;

    bool Open(const std::string& port) override;
    bool Write(std::string_view bytes) override;
    bool Close() override;

  private:
    std::array<std::string, 4> paths_{};
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

} // namespace vak1
