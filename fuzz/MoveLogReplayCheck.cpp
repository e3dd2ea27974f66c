#include "fuzz/MoveLogReplayCheck.h"

#include "fuzz/InputBytes.h"
#include "fuzz/InputSeededRandom.h"
#include "fuzz/LogDamage.h"
#include "fuzz/LoggedBlocks.h"
#include "tests/fakes/BoardHarness.h"

#include <algorithm>
#include <array>
#include <exception>

namespace pintu::fuzz {

namespace {

using test::differingCells;
using test::SmallBoardHarness;
using test::Tiles;
using Phase = Board::Phase;

using Command = ReplayCommand;

constexpr std::array<const char*, 10> commandNames{
    "autoSolve", "stepForward", "stepBack", "restart", "click", "press", "showNumberMap", "closeCompletedPicture",
    "start", "damageLog",
};

constexpr std::array<Direction, 4> directions{Direction::Left, Direction::Right, Direction::Up, Direction::Down};

// At most this many patches before play, so that commands still follow.
constexpr int patchesBeforePlay = 8;
// The trail a finding shows: the last commands, enough to read the story.
constexpr std::size_t trailShown = 40;

std::string text(const Tiles& tiles)
{
    std::string shown = "[";
    for (const int tile : tiles)
        shown += (shown.size() > 1 ? " " : "") + std::to_string(tile);
    return shown + "]";
}

std::string text(ReplayOutcome outcome)
{
    switch (outcome) {
    case ReplayOutcome::NoEffect:
        return "NoEffect";
    case ReplayOutcome::Shown:
        return "Shown";
    case ReplayOutcome::Solved:
        return "Solved";
    case ReplayOutcome::MoveLogDamaged:
        return "MoveLogDamaged";
    }
    return "an unknown outcome";
}

std::string text(MoveOutcome outcome)
{
    switch (outcome) {
    case MoveOutcome::NoEffect:
        return "NoEffect";
    case MoveOutcome::Moved:
        return "Moved";
    case MoveOutcome::Solved:
        return "Solved";
    }
    return "an unknown outcome";
}

std::string text(Phase phase)
{
    switch (phase) {
    case Phase::Preview:
        return "Preview";
    case Phase::Playing:
        return "Playing";
    case Phase::Replaying:
        return "Replaying";
    case Phase::Won:
        return "Won";
    case Phase::Completed:
        return "Completed";
    }
    return "an unknown phase";
}

// What a replay command must do, worked out from the log's bytes alone.
struct ExpectedReplay {
    ReplayOutcome outcome;
    int position = 0;
    Tiles shown;
    int stepsToSolved = 0;
};

const ExpectedReplay damaged{ReplayOutcome::MoveLogDamaged, 0, {}, 0};

class ReplayCheck {
public:
    ReplayCheck(const BoardSize& size, std::uint8_t shuffle, std::string description)
        : size(size),
          solvedTiles(Arrangement::solved(size.side).tiles()),
          game(size, std::make_unique<InputSeededRandom>(shuffle)),
          description(std::move(description))
    {
    }

    Finding run(LogChange change, InputBytes& input)
    {
        if (auto finding = start())
            return finding;
        if (change == LogChange::Replace) {
            log() = input.take(input.takeLittleEndian16());
        } else {
            for (int patches = input.takeByte() % (patchesBeforePlay + 1); patches > 0; --patches)
                damageLog(log(), size, input);
        }
        while (!input.empty()) {
            const auto command = static_cast<Command>(input.takeByte() % commandNames.size());
            const std::size_t performed = trail.size();
            if (auto finding = perform(command, input))
                return finding;
            // A command a player could not reach changed nothing to check.
            if (trail.size() == performed)
                continue;
            if (auto finding = checkScreen())
                return finding;
        }
        return std::nullopt;
    }

private:
    Finding perform(Command command, InputBytes& input)
    {
        const std::string name = commandNames[static_cast<std::size_t>(command)];
        switch (command) {
        case Command::AutoSolve:
            return replay(Control::AutoSolve, name, &SmallBoard::autoSolve, [&] { return expectAutoSolve(); });
        case Command::StepForward:
            return replay(Control::StepForward, name, &SmallBoard::stepForward,
                          [&] { return expectStep(position - 1, true); });
        case Command::StepBack:
            return replay(Control::StepBack, name, &SmallBoard::stepBack,
                          [&] { return expectStep(position + 1, false); });
        case Command::Restart:
            return replay(Control::Restart, name, &SmallBoard::restart, [&] { return expectRestart(); });
        case Command::Click: {
            const int cell = input.takeByte() % size.cells;
            // As a player: a disabled view takes no clicks.
            if (!game.screen.viewEnabled[cell])
                return std::nullopt;
            return move(name + "(" + std::to_string(cell) + ")", [&] { return game.board.click(cell); });
        }
        case Command::Press: {
            const std::size_t direction = input.takeByte() % directions.size();
            return move(name + "(" + std::to_string(direction) + ")",
                        [&] { return game.board.press(directions[direction]); });
        }
        case Command::ShowNumberMap:
            if (!game.screen.isVisible(Control::Credit))
                return std::nullopt;
            trail.push_back(name);
            game.board.showNumberMap();
            return std::nullopt;
        case Command::CloseCompletedPicture:
            // The window calls it once a win has been celebrated; at any other time it must change nothing.
            trail.push_back(name);
            game.board.closeCompletedPicture();
            return std::nullopt;
        case Command::Start:
            return offers(Control::Start) ? start() : std::nullopt;
        case Command::DamageLog:
            trail.push_back(name);
            damageLog(log(), size, input);
            return std::nullopt;
        }
        return std::nullopt;
    }

    Finding start()
    {
        trail.push_back("start");
        const StartOutcome outcome = game.board.start();
        if (outcome != StartOutcome::Started)
            return fail("the start did not start");
        startTiles = game.playedTiles();
        if (loggedBlock(log(), size, size.shuffleSteps) != startTiles)
            return fail("the log's last block is not the start " + text(startTiles));
        return checkScreen();
    }

    // `expect` reads the log as it stands before the command.
    template <typename Expect>
    Finding replay(Control button, const std::string& name, ReplayOutcome (SmallBoard::*command)(), Expect expect)
    {
        if (!offers(button))
            return std::nullopt;
        trail.push_back(name);
        const ExpectedReplay expected = expect();
        const ReplayOutcome outcome = (game.board.*command)();
        if (outcome != expected.outcome)
            return fail("it said " + text(outcome) + " where the log's bytes say " + text(expected.outcome));
        if (outcome == ReplayOutcome::MoveLogDamaged)
            return checkBackInPlay();
        const Phase phase = game.board.phase();
        if (phase != (button == Control::Restart ? Phase::Playing : Phase::Replaying))
            return fail("the phase after " + text(outcome) + " is " + text(phase));
        position = expected.position;
        replayShown = expected.shown;
        wholePictureShown = outcome == ReplayOutcome::Solved;
        if (phase == Phase::Replaying && game.board.replayPosition() != position)
            return fail("the replay stands at block " + std::to_string(game.board.replayPosition()) +
                        ", not at block " + std::to_string(position));
        if (button == Control::AutoSolve && game.board.replayStepsToSolved() != expected.stepsToSolved)
            return fail("the solved block is " + std::to_string(game.board.replayStepsToSolved()) +
                        " steps from the start, not " + std::to_string(expected.stepsToSolved));
        return std::nullopt;
    }

    template <typename Play>
    Finding move(const std::string& name, Play play)
    {
        trail.push_back(name);
        const Tiles before = game.playedTiles();
        const int stepsBefore = game.board.stepCount();
        const Phase phaseBefore = game.board.phase();
        const bool wasPlaying = phaseBefore == Phase::Playing;
        const MoveOutcome outcome = play();
        const Tiles after = game.playedTiles();
        const Phase phase = game.board.phase();
        const int steps = game.board.stepCount();
        const bool moved = outcome != MoveOutcome::NoEffect;
        if (!moved && (after != before || steps != stepsBefore))
            return fail("NoEffect, yet the board or the step count changed");
        if (moved && !wasPlaying)
            return fail(text(outcome) + " outside play");
        if (moved && (differingCells(before, after) != 2 || steps != stepsBefore + 1))
            return fail(text(outcome) + " is not one tile's slide and one step");
        if (outcome == MoveOutcome::Solved && (phase != Phase::Won || after != solvedTiles))
            return fail("Solved, yet the board is " + text(after));
        if (outcome != MoveOutcome::Solved && phase != phaseBefore)
            return fail(text(outcome) + " changed the phase");
        // Touching the tiles in play ends the replay's offer, moving or not.
        if (wasPlaying && (game.screen.isVisible(Control::AutoSolve) || game.screen.isVisible(Control::Restart)))
            return fail("the replay is still offered after the tiles were touched");
        return std::nullopt;
    }

    ExpectedReplay expectAutoSolve() const
    {
        int stepsToSolved = 0;
        for (int block = size.shuffleSteps; block >= 0; --block) {
            const auto tiles = trustedBlock(block);
            if (!tiles)
                return damaged;
            if (*tiles == solvedTiles) {
                stepsToSolved = size.shuffleSteps - block;
                break;
            }
        }
        return {ReplayOutcome::Shown, size.shuffleSteps, startTiles, stepsToSolved};
    }

    ExpectedReplay expectStep(int block, bool forward) const
    {
        block = std::clamp(block, 0, size.shuffleSteps);
        const auto tiles = trustedBlock(block);
        if (!tiles)
            return damaged;
        // Only stepping forward celebrates: stepping back onto a solved block just shows it.
        const bool solved = forward && *tiles == solvedTiles;
        return {solved ? ReplayOutcome::Solved : ReplayOutcome::Shown, block, *tiles};
    }

    ExpectedReplay expectRestart() const
    {
        if (!trustedBlock(size.shuffleSteps))
            return damaged;
        return {ReplayOutcome::Shown, size.shuffleSteps, startTiles};
    }

    // The last block is the start itself; a log that says otherwise is damaged.
    std::optional<Tiles> trustedBlock(int block) const
    {
        auto tiles = loggedBlock(game.files.contents.at(test::testDataFiles.moveLog), size, block);
        if (tiles && block == size.shuffleSteps && *tiles != startTiles)
            return std::nullopt;
        return tiles;
    }

    Finding checkBackInPlay() const
    {
        const test::FakeScreen& screen = game.screen;
        if (game.board.phase() != Phase::Playing || game.playedTiles() != startTiles || game.board.stepCount() != 0)
            return fail("after MoveLogDamaged the start " + text(startTiles) + " is not back in play");
        for (const Control control : {Control::AutoSolve, Control::Restart, Control::StepBack, Control::StepForward}) {
            if (screen.isVisible(control))
                return fail("after MoveLogDamaged a replay button is still there");
        }
        return std::nullopt;
    }

    Finding checkScreen() const
    {
        const test::FakeScreen& screen = game.screen;
        const int emptyViews = screen.emptyViews();
        const auto views = [&](bool enabled) {
            return std::all_of(screen.viewEnabled.begin(), screen.viewEnabled.end(),
                               [&](bool viewEnabled) { return viewEnabled == enabled; });
        };
        const Phase phase = game.board.phase();
        const bool mapShown = std::find(screen.mapVisible.begin(), screen.mapVisible.end(), true) != screen.mapVisible.end();
        switch (phase) {
        case Phase::Preview:
            if (emptyViews != size.cells)
                return fail("a tile shows before the start");
            break;
        case Phase::Playing:
            if (game.shownTiles() != game.playedTiles() || emptyViews != 1)
                return fail("the screen shows " + text(game.shownTiles()) + " with " + std::to_string(emptyViews) +
                            " empty views while the board in play is " + text(game.playedTiles()));
            if (!views(true))
                return fail("a view takes no clicks in play");
            break;
        case Phase::Replaying:
            if (auto finding = checkReplayScreen())
                return finding;
            break;
        case Phase::Won:
            if (!screen.showsWholePicture() || emptyViews != 0)
                return fail("the game is won but the screen shows " + text(game.shownTiles()));
            break;
        case Phase::Completed:
            if (emptyViews != size.cells || !views(false) || !offers(Control::Start) || mapShown)
                return fail("the completed picture is not the whole picture waiting for the next start");
            break;
        }
        if (mapShown && (phase == Phase::Playing || phase == Phase::Won)) {
            for (int c = 0; c < size.cells; ++c) {
                if (!screen.mapVisible[c] || screen.mapCaption[c] != std::to_string(game.board.arrangement().tileAt(c)))
                    return fail("the number map does not tell the tiles in play " + text(game.playedTiles()));
            }
        } else if (mapShown) {
            return fail("the number map shows outside play");
        }
        return std::nullopt;
    }

    Finding checkReplayScreen() const
    {
        const test::FakeScreen& screen = game.screen;
        if (game.playedTiles() != startTiles)
            return fail("the replay changed the start " + text(startTiles) + " to " + text(game.playedTiles()));
        if (std::find(screen.viewEnabled.begin(), screen.viewEnabled.end(), true) != screen.viewEnabled.end())
            return fail("a view takes clicks during the replay");
        if (game.shownTiles() != replayShown || screen.emptyViews() != (wholePictureShown ? 0 : 1))
            return fail("the replay shows " + text(game.shownTiles()) + " with " + std::to_string(screen.emptyViews()) +
                        " empty views where block " + std::to_string(position) + " is " + text(replayShown));
        if (offers(Control::StepBack) != (position < size.shuffleSteps))
            return fail("\"上\" is wrongly on or off at block " + std::to_string(position));
        if (offers(Control::StepForward) != (position > 0 && !wholePictureShown))
            return fail("\"下\" is wrongly on or off at block " + std::to_string(position));
        if (!offers(Control::Restart) || screen.isVisible(Control::AutoSolve))
            return fail("the replay does not offer \"重新开始\" alone");
        return std::nullopt;
    }

    bool offers(Control button) const { return game.screen.isVisible(button) && game.screen.isEnabled(button); }

    std::string& log() { return game.files.contents.at(test::testDataFiles.moveLog); }

    Finding fail(const std::string& what) const
    {
        std::string story = description + "; ";
        if (trail.size() > trailShown)
            story += "..., ";
        for (std::size_t i = trail.size() - std::min(trail.size(), trailShown); i < trail.size(); ++i)
            story += trail[i] + ", ";
        return story + "then: " + what;
    }

    const BoardSize& size;
    const Tiles solvedTiles;
    SmallBoardHarness game;
    std::string description;
    std::vector<std::string> trail;
    Tiles startTiles;
    // Where the replay should stand and what it should show, by the log's bytes.
    int position = 0;
    Tiles replayShown;
    bool wholePictureShown = false;
};

} // namespace

Finding checkMoveLogReplay(std::span<const std::uint8_t> bytes)
{
    InputBytes input(bytes);
    const std::uint8_t choice = input.takeByte();
    const BoardSize& size = *smallSizes[choice % smallSizes.size()];
    const LogChange change = choice / smallSizes.size() % 2 == 0 ? LogChange::Patch : LogChange::Replace;
    const std::uint8_t shuffle = input.takeByte();
    const std::string description = std::to_string(size.side) + "x" + std::to_string(size.side) + ", shuffle " +
                                    std::to_string(shuffle) +
                                    (change == LogChange::Patch ? ", log patched" : ", log replaced");
    try {
        ReplayCheck check(size, shuffle, description);
        return check.run(change, input);
    } catch (const std::exception& error) {
        // FakeScreen throws when the logic slides a tile anywhere but into the empty view.
        return description + ": threw " + error.what();
    }
}

} // namespace pintu::fuzz
