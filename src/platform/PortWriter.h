// Raw output to the printer ports "LPT1".."LPT4". Where each port leads (a device node or a
// file) is the back end's configuration.
#pragma once
#include <string>
#include <string_view>

namespace vak1 {

class PortWriter {
  public:
    virtual ~PortWriter() = default;
    // Opens the port ("LPT1".."LPT4") for writing; false when it is unknown or not ready.
    virtual bool Open(const std::string& port) = 0;
    // Sends the bytes unchanged; false on a write failure.
    virtual bool Write(std::string_view bytes) = 0;
    // False when the last bytes could not be delivered.
    virtual bool Close() = 0;
};

} // namespace vak1
