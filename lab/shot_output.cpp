// Writing a shot's outcome as the lab's JSON.
#include "lab/shot_output.h"

#include <nlohmann/json.hpp>

namespace lab {

namespace {

using nlohmann::ordered_json;

ordered_json RectJson(const table::Rect& r) { return ordered_json::array({r.left, r.top, r.right, r.bottom}); }

// Top-level keys each on a line, values compact: golden files stay readable in a diff.
std::string WriteObject(const ordered_json& object) {
    std::string out = "{\n";
    bool first = true;
    for (const auto& [key, value] : object.items()) {
        if (!first) out += ",\n";
        first = false;
        out += "  " + ordered_json(key).dump() + ": " + value.dump();
    }
    out += "\n}\n";
    return out;
}

} // namespace

std::string WriteShotResult(const ShotResult& r) {
    const table::TableState& t = r.state;
    const table::TableGeometry& g = t.Geometry;
    ordered_json o;
    o["ballDiameter"] = g.BallDiameter;
    o["cushionRect"] = RectJson(g.CushionRect);
    o["rackArea"] = RectJson(g.RackArea);
    ordered_json pockets = ordered_json::array();
    for (int p = 1; p <= 6; ++p) pockets.push_back(RectJson(g.PocketRect[p]));
    o["pocketRects"] = pockets;
    o["leftSpot"] = RectJson(g.LeftSpot);
    o["centreSpot"] = RectJson(g.CentreSpot);
    o["rightSpot"] = RectJson(g.RightSpot);
    ordered_json balls = ordered_json::array();
    for (int i = 0; i <= table::LastBall; ++i)
        balls.push_back(ordered_json::array({t.Document.BallPos[i].x, t.Document.BallPos[i].y}));
    o["balls"] = balls;
    ordered_json pocketed = ordered_json::array();
    for (const PocketedBall& p : r.pocketed) {
        ordered_json entry;
        entry["ball"] = p.ball;
        entry["pocket"] = p.pocket;
        pocketed.push_back(entry);
    }
    o["pocketed"] = pocketed;
    // Before any shot the outcome flags read as cleared.
    const bool shot = r.shot;
    o["collisionCount"] = shot ? t.Outcome.CollisionCount : 0;
    o["noContactYet"] = shot && t.Outcome.NoContactYet;
    o["objectBallPocketed"] = shot && t.Outcome.ObjectBallPocketed;
    o["cueBallPocketed"] = shot && t.Outcome.CueBallPocketed;
    o["wrongBallPocketed"] = shot ? t.Outcome.WrongBallPocketed : 0;
    o["abnormalStop"] = r.abnormalStop;
    o["hands"] = ordered_json::array({r.hands[0], r.hands[1]});
    o["gameOver"] = t.Game.GameOver;
    o["playerResult"] = ordered_json::array({t.Game.PlayerResult[1], t.Game.PlayerResult[2]});
    o["stepCalls"] = r.stepCalls;
    o["elapsedMs"] = r.elapsedMs;
    o["effects"] = r.effects;
    if (r.resolve) {
        o["messages"] = r.messages;
        o["player"] = t.CurrentPlayer;
        o["cueInHand"] = r.cueInHand;
        o["strokeCount"] = t.Document.StrokeCount;
        o["foulTurn"] = r.foulTurn;
        o["computerTurn"] = r.computerTurn;
        o["winner"] = r.winner;
        o["matchReset"] = r.matchReset;
    }
    if (r.computer) {
        const ComputerChoice& c = *r.computer;
        ordered_json j;
        j["target"] = c.target;
        j["aim"] = ordered_json::array({c.aim.x, c.aim.y});
        j["plannedDistance"] = c.plannedDistance;
        j["power"] = c.power;
        j["sideSpin"] = c.sideSpin;
        j["pointer"] = ordered_json::array({c.pointer.x, c.pointer.y});
        j["placement"] = c.placement ? ordered_json::array({c.placement->x, c.placement->y}) : ordered_json(nullptr);
        o["computer"] = j;
    }
    return WriteObject(o);
}

} // namespace lab
