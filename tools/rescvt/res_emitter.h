// Writes the C++ source of a module's resource table (see win32_resources.h).
#pragma once

#include "res_file.h"

#include <ostream>
#include <string>
#include <vector>

namespace rescvt {

// `sourceName` only appears in the generated file's leading comment.
void EmitResourceTable(const std::vector<ResEntry> &entries, const std::string &sourceName, std::ostream &out);

} // namespace rescvt
