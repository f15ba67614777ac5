// libFuzzer entry point: the parser must reject or accept any input without reading out of
// bounds, and whatever it accepts must convert.
#include "res_emitter.h"
#include "res_file.h"

#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    std::vector<rescvt::ResEntry> entries;
    rescvt::ParseError error;
    if (rescvt::ParseResFile(data, size, entries, error)) {
        std::ostringstream out;
        rescvt::EmitResourceTable(entries, "fuzz.res", out);
    }
    return 0;
}
