// libFuzzer target for the model file reader: any bytes are read without a
// crash, a hang or a sanitizer report, and a text it takes is one the export
// writes again byte for byte (its CRLF line ends as LF).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "export/export.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text((const char*)data, size);
    ExpFault fault;
    if (!exp_parse(text.data(), text.size(), &fault))
        return 0;
    init_common();
    init_editer();
    init_model();
    char* out = nullptr;
    size_t length = 0;
    if (!exp_format(&out, &length))
        abort();
    std::string want;
    for (size_t i = 0; i < size; i++)
        if (text[i] != '\r' || i + 1 == size || text[i + 1] != '\n')
            want += text[i];
    if (want != std::string(out, length))
        abort();
    free(out);
    return 0;
}
