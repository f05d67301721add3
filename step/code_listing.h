// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quimbra {

// One row of a routine's pseudocode, as an Italian textbook writes it, and
// the piece of the routine's C++ line that it stands for (nullptr for a row
// that no step lights, such as "fine se").
struct PseudoLine
{
    const char *text;
    const char *anchor;
};

// Where a line of a routine stands in the two panels of a step view; -1 for
// no row.
struct CodeRows
{
    int pseudo = -1;
    int cpp = -1;
};

// The code of one routine as a step view shows it: its pseudocode, and its
// own C++ lines cut from the source file that the program was compiled from
// (comments and blank lines left out). The routine's observer calls report
// the line of that file they stand on; rowsOf() finds the rows to light.
//
// The listing checks itself: every anchor must stand on exactly one C++ line
// of the routine, and the routine must be found. What does not hold is listed
// in problems(), which the tests require to be empty, so that a routine that
// changes without its pseudocode following makes them fail.
class CodeListing
{
public:
    // source: the whole source file; signature: the start of the routine's
    // first line ("void BubbleSort(std::span<Integer> V"); a line
    // "template <class Observer>" right above it belongs to it too.
    CodeListing(std::string_view source, std::string_view signature, std::vector<PseudoLine> pseudo);

    const std::vector<std::string> &pseudocode() const { return pseudo_; }
    const std::vector<std::string> &cpp() const { return cpp_; }
    // The rows of a line of the source file (1 is its first). Where several
    // pseudocode rows stand for one C++ line (the two branches of a
    // conditional call), `branch` picks one of them.
    CodeRows rowsOf(int sourceLine, int branch = 0) const;
    // The source line of the C++ row holding this anchor, 0 if none.
    int lineOf(std::string_view anchor) const;
    // The lines of the source file that the routine spans.
    int firstLine() const { return first_; }
    int lastLine() const { return last_; }
    const std::vector<std::string> &problems() const { return problems_; }

private:
    std::vector<std::string> pseudo_;
    std::vector<std::string> cpp_;
    std::vector<int> cppLines_;    // the source line of each C++ row
    std::vector<int> pseudoLines_; // the source line each pseudocode row stands for, 0 none
    std::vector<std::string> problems_;
    int first_ = 0;
    int last_ = 0;
};

} // namespace quimbra
