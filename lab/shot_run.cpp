// Running one document: the layout, the shot on the game's own rules, and optionally its resolution.
#include "lab/shot_run.h"

#include "rules/headless_game.h"
#include "table/layout.h"
#include "table/motion.h"

namespace lab {

namespace {

float ScaleFor(int diameter) {
    switch (diameter) {
    case 150: return 1.1f;
    case 170: return 1.2f;
    case 210: return 1.3f;
    case 250: return 1.5f;
    default: return 1.6f;  // 280, 290, 300
    }
}

void PutHands(const Hands& hands, rules::CardState& cards) {
    for (int p = 0; p < 2; ++p) {
        rules::Hand& h = cards.hands[p + 1];
        h = rules::Hand{};
        for (int card : hands[size_t(p)]) {
            h.cards[++h.count] = card;
            if (card > 0) cards.deck.Mark(card);  // cards in the hands count as dealt
        }
    }
}

Hands TakeHands(const rules::CardState& cards) {
    Hands hands;
    for (int p = 0; p < 2; ++p) {
        const rules::Hand& h = cards.hands[p + 1];
        hands[size_t(p)].assign(h.cards + 1, h.cards + 1 + h.count);
    }
    return hands;
}

} // namespace

ShotResult RunShot(const ShotDocument& doc) {
    ShotResult result;
    rules::HeadlessGame headless(doc.deal, doc.clientWidth, doc.clientHeight, doc.vsComputer, kLabStartTick);
    rules::Game& game = headless.game();
    headless.settings().GameSpeed = doc.gameSpeed;
    table::TableState& t = game.table;
    table::TableGeometry& g = t.Geometry;

    g.FrameWidth = doc.frameWidth;
    g.FrameHeight = doc.frameHeight;
    if (doc.ballDiameter) {
        g.BallDiameter = *doc.ballDiameter;
        g.BallRadius = g.BallDiameter / 2;
        g.DisplayScale = ScaleFor(g.BallDiameter);
    } else {
        table::SelectBallSize(g, doc.clientHeight, doc.dialogBaseUnitY);
    }
    table::LayOutTable(g, doc.clientWidth, doc.clientHeight);
    table::LayOutPockets(g, doc.clientWidth, doc.clientHeight);
    table::LayOutSpots(g);

    if (doc.balls) {
        for (int i = 0; i < kDocumentBalls; ++i) t.Document.BallPos[i] = (*doc.balls)[i];
    } else {
        table::PlaceRack(g, t.Document.BallPos);
        t.Document.BallPos[0] = table::CueBallStart(g);
    }
    PutHands(doc.hands, game.cards);
    t.Document.StrokeCount = doc.strokeCount;
    t.CurrentPlayer = doc.player;
    t.GameSpeed = doc.gameSpeed;
    t.ScatterVariant = doc.scatterVariant;
    t.Shot.SpinKind = doc.spinKind;
    t.Shot.SideSpin = doc.sideSpin;
    t.Shot.BreakShot = doc.breakShot;
    t.Shot.FirstShotOfGame = doc.firstShotOfGame.value_or(doc.breakShot);
    t.Game.CueInHand = doc.cueInHand;
    t.ComputerTurn = doc.vsComputer && doc.player == 2;
    size_t nextRandom = 0;
    game.scatterRandom = [&] {
        // The document gives exactly the fifteen draws of one scatter.
        return nextRandom < doc.scatterRandoms.size() ? doc.scatterRandoms[nextRandom++] : 0;
    };

    result.resolve = doc.resolve;
    std::optional<table::Point> aim = doc.aim;
    int power = doc.power;
    if (!doc.aim && doc.computer) {
        result.computer = RunComputerTurn(game);
        aim = result.computer->strokeFrom;
        power = result.computer->power;
    }
    // The effects and the clock of the output count from the shot's start.
    const size_t firstEffect = headless.effects().size();
    const uint32_t shotStart = headless.clock().Ticks();
    if (aim) {
        // What firing the stroke leaves behind: the cue ball is the current ball, tracked where it
        // lies, and the stroke is played from the aim point through its centre.
        result.shot = true;
        table::ShotState& shot = t.Shot;
        shot.ShotPower = power;
        shot.AimPoint = *aim;
        shot.CurrentBall = 0;
        shot.CurrentBallPos = t.Document.BallPos[0];
        shot.CueBallTrack = shot.CurrentBallPos;
        shot.PrevPos = shot.CurrentBallPos;
        for (int p = 1; p <= 2; ++p) t.Game.ResultBackup[p] = t.Game.PlayerResult[p];
        game.cycle.ShotArmed = true;

        game.StartShot();
        table::RunMotion(t, game);
        result.elapsedMs = headless.clock().Ticks() - shotStart;
        result.stepCalls = game.stepCalls;
        result.abnormalStop = headless.abnormalStop();
        if (doc.resolve) game.ResolveShot();
    }

    result.pocketed.reserve(headless.pocketed().size());
    for (const auto& p : headless.pocketed()) result.pocketed.push_back({p.ball, p.pocket});
    result.effects.assign(headless.effects().begin() + long(firstEffect), headless.effects().end());
    result.messages = headless.messages();
    result.cueInHand = t.Game.CueInHand;
    result.foulTurn = result.shot && t.Outcome.FoulTurn;
    result.computerTurn = headless.computerTurn();
    result.winner = headless.winner();
    result.matchReset = headless.matchReset();
    result.hands = TakeHands(game.cards);
    result.state = t;
    return result;
}

} // namespace lab
