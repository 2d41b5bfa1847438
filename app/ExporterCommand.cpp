#include "ExporterCommand.h"

#include "Arguments.h"

namespace oria {

std::string RunExporter(const std::vector<std::string>&) {
    throw UsageError("exporter : pas encore disponible.");
}

} // namespace oria
