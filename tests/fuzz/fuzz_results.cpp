// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading pasted result lines: always the same answer; every line found
// begins with "Esercizio n." and stands in the text; a line taken as valid
// carries the check of its own text; and a line found, sealed again with its
// own fields, reads back with a right check.
#include "reference.h"
#include "results_of.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view in(reinterpret_cast<const char *>(data), size);
    const quimbra::exercise::PastedResults read = quimbra::ReadPastedResults(in);
    const quimbra::exercise::PastedResults again = quimbra::ReadPastedResults(in);
    FUZZ_CHECK(read.lines.size() == again.lines.size() && read.ignored == again.ignored &&
                   read.repeated == again.repeated,
               in);
    for (const quimbra::exercise::ResultLine &r : read.lines) {
        FUZZ_CHECK(r.text.starts_with("Esercizio n. "), in);
        FUZZ_CHECK(in.find(r.text) != std::string_view::npos, in);
        FUZZ_CHECK(r.valid == r.why.empty(), in);
        if (r.valid) {
            const std::string body = r.text.substr(0, r.text.size() - std::string(" \u00b7 controllo ").size() - 5);
            FUZZ_CHECK(quimbra::exercise::CheckOf(body) == r.check, in);
            FUZZ_CHECK(r.errors <= r.steps, in);
        }
        if (r.check.empty()) {
            const std::string sealed = quimbra::exercise::Sealed(r.text);
            const quimbra::exercise::PastedResults back = quimbra::exercise::ReadResults(sealed, nullptr);
            FUZZ_CHECK(back.lines.size() == 1 && back.lines[0].why != "il controllo non corrisponde", sealed);
        }
    }
    return 0;
}
