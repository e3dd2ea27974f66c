#pragma once

namespace pintu::test {

// What the tests' misbehaving picture reader does, told by the width of the
// preview area it is asked for.
enum class Misbehaviour {
    Answers = 1,
    OpensAFile,
    MakesASocket,
    RunsAProgram,
    WatchesAProcess,
    Hangs,
    Crashes,
    AnswersTooMuch,
    AnswersTooLittle,
};

} // namespace pintu::test
