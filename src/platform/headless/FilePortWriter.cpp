// Port output appended to the mapped file or device.
#include "platform/headless/FilePortWriter.h"

#include <cstdlib>

namespace vak1 {

FilePortWriter::~FilePortWriter() {
    if (file_) std::fclose(file_);
}

void FilePortWriter::Map(int n, std::string path) {
    if (n >= 1 && n <= 4) paths_[n - 1] = std::move(path);
}

std::string FilePortWriter::PathOf(const std::string& port) const {
    if (port.size() != 4 || port.compare(0, 3, "LPT") != 0 || port[3] < '1' || port[3] > '4')
        return {};
    const int n = port[3] - '0';
    if (!paths_[n - 1].empty()) return paths_[n - 1];
    const std::string var = "VAK1_" + port;
    const char* env = std::getenv(var.c_str());
    return env ? env : "";
}

bool FilePortWriter::Open(const std::string& port) {
    Close();
    const std::string path = PathOf(port);
    if (path.empty()) return false;
    // A printer device takes whatever comes; a file collects the jobs one after another.
    file_ = std::fopen(path.c_str(), "ab");
    failed_ = false;
    return file_ != nullptr;
}

bool FilePortWriter::Write(std::string_view bytes) {
    if (!file_) return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        failed_ = true;
    return !failed_;
}

bool FilePortWriter::Close() {
    if (!file_) return !failed_;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

} // namespace vak1
