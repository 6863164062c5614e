#include "fem/torsion.h"

#include "text/cp850.h"

namespace vak1 {

TorsionStatus ComputeTorsion(const TorsionInput&, const TorsionOptions&, TorsionValues&,
                             std::string& message,
                             const std::function<bool(std::size_t, std::size_t)>&) {
    message = cp850("Torsionswerte sind in dieser Ausgabe nicht verfügbar.");
    return TorsionStatus::Failed;
}

} // namespace vak1
