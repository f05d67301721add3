// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calls.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Questions that a step view asks while it plays a run, at the moment when the
// student must predict what comes next: a kind, a moment of the recorded run
// and an answer read off that run. Free of any toolkit: each family of
// algorithms makes its questions from its own records, through a table of
// kinds, and the views only show them and pass back what was clicked or typed.
namespace quimbra::questions {

// What a click on the view's picture answers: nothing, the element's position
// (a bar, a place of the vector) or its value (a bar's value, a node's key).
enum class Click { None, Position, Value };

struct Question
{
    const char *kind = "";  // the kind's name, for tests and the record
    long moment = 0;        // asked when the run stands after this many steps
    std::string text;       // Italian; says how to answer
    std::vector<std::string> choices; // 2 to 4 buttons; empty: a number is typed
    long answer = 0;        // the choice's index, or the number
    int tolerance = 0;      // a typed number is right within this many percent
    Click click = Click::None;
    std::string why;        // after a wrong answer: the right one, and why
};

// A typed number is right when it differs from the answer by at most
// `tolerance` percent of it (0: only the answer itself).
bool Within(long typed, long answer, int tolerance);

// At most `most` of the candidates, spread over the run of `steps` steps so
// that two come at least steps / (most + 1) steps apart (and never at one
// moment), chosen by the seed: the same seed, run and candidates give the
// same questions on every computer. In the order they are asked.
std::vector<Question> Choose(std::vector<Question> candidates, long steps, std::uint64_t seed, int most = 5);

// A seed from the data of a run, so that the same data ask the same questions.
std::uint64_t SeedOf(const std::vector<long> &data);

// The questions of one run as they are asked and answered.
class Quiz
{
public:
    Quiz() = default;
    explicit Quiz(std::vector<Question> questions) : questions_(std::move(questions)) {}

    // The moment of the next question not yet asked at or after `position`
    // (-1: none): questions whose moment the run has passed (by moving the
    // position) are left unasked and uncounted.
    long nextMoment(long position) const;
    // The question asked at this position, if one is due there.
    const Question *due(long position);
    const Question *pending() const { return pending_ >= 0 ? &questions_[std::size_t(pending_)] : nullptr; }

    // Judges the pending question: a typed number, a choice, or the number
    // that a click gave. Returns whether it was right; false with no question.
    bool answer(long value);
    // Passes the pending question: counted as not answered.
    void skip();
    // Leaves the pending question, as when it comes too soon after another
    // while the run plays: not counted at all.
    void drop();

    int asked() const { return asked_; }
    int right() const { return right_; }
    const std::vector<Question> &questions() const { return questions_; }
    // "4 domande su 5" (empty before the first is asked).
    std::string score() const;

private:
    void close();

    std::vector<Question> questions_;
    std::size_t next_ = 0;
    long pending_ = -1;
    int asked_ = 0;
    int right_ = 0;
};

// The kinds every recursive routine has, from its calls as the view lists
// them over the run's `steps` steps: how deep they go, how many there are, and
// what a call returns. `routine` names it in the question ("QuickSort").
std::vector<Question> CallQuestions(const CallTrace &calls, std::string_view routine, long steps);

} // namespace quimbra::questions
