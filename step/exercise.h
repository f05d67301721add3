// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "types.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Graded exercises on the step views, free of any toolkit: the data that an
// exercise code stands for, and the engine that judges the student's answers
// against the steps recorded from the routine and keeps the score.
namespace quimbra::exercise {

inline constexpr int FirstCode = 10000;
inline constexpr int LastCode = 99999;

// A typed exercise code: five digits, 10000 to 99999, blanks around them
// allowed. code is 0 when the text is not one, and message says why (Italian).
struct CodeReading
{
    int code = 0;
    std::string message;
};
CodeReading ReadCode(std::string_view text);

// The pseudo-random numbers behind an exercise code, fixed by this program
// (SplitMix64 over 64-bit unsigned arithmetic), so that a code gives the same
// numbers with every compiler, standard library and machine. Each kind of
// exercise draws from its own stream.
class CodeRandom
{
public:
    CodeRandom(int code, std::uint32_t stream);
    std::uint64_t next();
    // A whole number in 0..m-1 (m >= 1), with no bias: the few lowest raw
    // values that would favour some results are drawn again.
    int below(int m);

private:
    std::uint64_t state_;
};

enum class Kind { Search, Tree, Sort };

inline constexpr int SearchSize = 15; // sorted values of the binary search
inline constexpr int TreeSize = 15;   // keys of the tree
inline constexpr int SortSize = 10;   // values to sort
inline constexpr int LowestValue = 1;
inline constexpr int HighestValue = 99;

// The data of one exercise: distinct values 1..99, sorted ascending for the
// search and the tree, in drawn order for the sorts; for the search and the
// tree a key, one of the values or (as often) a number 1..99 that is not
// among them. The sorts have no key (0).
struct Data
{
    int code = 0;
    std::vector<Integer> values;
    Integer key = 0;
};
Data MakeData(Kind kind, int code);

// The answer "Non c'è": the key is not there.
inline constexpr int NotThere = -1;

// One step of the recorded run as the exercise sees it. A step with no picks
// plays by itself; otherwise the student answers it by picking its elements
// (positions, nodes, NotThere) in order, or in any order for an exchange.
struct Expected
{
    std::vector<int> picks;
    bool anyOrder = false;
    // What the right step is and why, told after a wrong answer (Italian).
    std::string explanation;
};

enum class Verdict {
    Ignored, // no exercise is running
    Pending, // the first element of two, right so far
    Right,   // the step is answered right and plays
    Wrong    // an error: the right step plays
};

// What an exercise tells when it ends, answered to its last step or given up:
// its code, its name, its percentage and its result line. The page passes it
// on to a school's learning platform; nothing else listens.
struct Ended
{
    int code = 0;
    std::string name;
    int percent = 0;
    std::string result;
};
// Who hears of every exercise that ends (one listener for the program; an
// empty function for none).
void setEndedListener(std::function<void(const Ended &)> listener);

class Exercise
{
public:
    Exercise() = default;
    // code and name (the algorithm or the visit) appear in the result line.
    Exercise(int code, std::string name, std::vector<Expected> steps);

    int code() const { return code_; }
    const std::string &name() const { return name_; }
    // Steps of the run that are due to be played now: every step answered,
    // and those that play by themselves up to the next one to answer.
    int played() const { return played_; }
    int runLength() const { return static_cast<int>(steps_.size()); }
    bool started() const { return code_ != 0; }
    bool running() const { return started() && !finished() && !gaveUp_; }
    bool finished() const { return started() && played_ >= runLength(); }
    bool gaveUp() const { return gaveUp_; }
    bool over() const { return started() && !running(); }

    // The step waiting for an answer (null when none), the right elements
    // picked for it so far, and the step answered last (null before any).
    const Expected *current() const;
    const std::vector<int> &pendingPicks() const { return pending_; }
    const Expected *lastAnswered() const;
    int lastAnsweredStep() const { return lastAnswered_; }

    Verdict pick(int element);
    // Ends the exercise as given up: the steps not answered count as wrong.
    void giveUp();
    // The questions asked during the exercise, right and in all: the result
    // line counts them ("4 domande su 5").
    void setQuestions(int right, int asked);

    int steps() const { return answerable_; } // the steps to answer
    int answered() const { return answered_; }
    int errors() const { return errors_; }
    // The share of the steps answered right, in whole percent, rounded to the
    // nearest (an exact half up); 100 for an exercise with nothing to answer.
    int percent() const;
    // "Passi: 7 di 12 · Errori: 1"
    std::string score() const;
    // "Esercizio n. 48213 · Shell · 18 passi · 2 errori · 89 % · controllo
    // K7QM2"; a given-up exercise says after how many steps the solution was
    // shown.
    std::string result() const;

private:
    void answer(bool right);
    void skipAutomatic();
    void tellEnded() const;

    int code_ = 0;
    std::string name_;
    std::vector<Expected> steps_;
    int played_ = 0;
    int answerable_ = 0;
    int answered_ = 0;
    int errors_ = 0;
    int lastAnswered_ = -1;
    bool gaveUp_ = false;
    std::vector<int> pending_;
    int questionsRight_ = 0;
    int questionsAsked_ = 0;
};

} // namespace quimbra::exercise
