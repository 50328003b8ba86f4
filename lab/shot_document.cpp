// Reading and checking the lab's shot document.
#include "lab/shot_document.h"

#include <cstdint>

#include <nlohmann/json.hpp>

namespace lab {

namespace {

using nlohmann::json;

constexpr int64_t kCoordLimit = 1000000;
const int kLegalDiameters[] = {150, 170, 210, 250, 280, 290, 300};

// Field checks; each returns false with the error set.
struct Checker {
    std::string& error;

    bool Fail(const std::string& field, const std::string& why) {
        error = field + ": " + why;
        return false;
    }

    bool Int(const json& v, const std::string& field, int64_t lo, int64_t hi, int& out) {
        if (!v.is_number_integer()) return Fail(field, "must be an integer");
        int64_t n;
        if (v.is_number_unsigned()) {
            const uint64_t u = v.get<uint64_t>();
            n = u > static_cast<uint64_t>(INT64_MAX) ? INT64_MAX : static_cast<int64_t>(u);
        } else {
            n = v.get<int64_t>();
        }
        if (n < lo || n > hi)
            return Fail(field, "out of range " + std::to_string(lo) + ".." + std::to_string(hi));
        out = static_cast<int>(n);
        return true;
    }

    bool Bool(const json& v, const std::string& field, bool& out) {
        if (!v.is_boolean()) return Fail(field, "must be true or false");
        out = v.get<bool>();
        return true;
    }

    bool Array(const json& v, const std::string& field, size_t count) {
        if (!v.is_array()) return Fail(field, "must be an array");
        if (v.size() != count) return Fail(field, "must have " + std::to_string(count) + " entries");
        return true;
    }

    bool Pair(const json& v, const std::string& field, int64_t lo, int64_t hi, int& a, int& b) {
        return Array(v, field, 2) && Int(v[0], field + "[0]", lo, hi, a) &&
               Int(v[1], field + "[1]", lo, hi, b);
    }
};

const json* Find(const json& doc, const char* key) {
    const auto it = doc.find(key);
    return it == doc.end() ? nullptr : &*it;
}

} // namespace

bool ReadShotDocument(const json& j, ShotDocument& doc, std::string& error) {
    Checker c{error};
    if (!j.is_object()) return c.Fail("document", "must be a JSON object");

    const json* v = Find(j, "client");
    if (!v) return c.Fail("client", "missing");
    if (!c.Pair(*v, "client", 100, 10000, doc.clientWidth, doc.clientHeight)) return false;
    if (!(v = Find(j, "frame"))) return c.Fail("frame", "missing");
    if (!c.Pair(*v, "frame", 1000, 100000, doc.frameWidth, doc.frameHeight)) return false;

    if ((v = Find(j, "ballDiameter"))) {
        int d = 0;
        if (!c.Int(*v, "ballDiameter", 150, 300, d)) return false;
        bool legal = false;
        for (int l : kLegalDiameters) legal = legal || d == l;
        if (!legal) return c.Fail("ballDiameter", "must be 150, 170, 210, 250, 280, 290 or 300");
        doc.ballDiameter = d;
    }
    if ((v = Find(j, "dialogBaseUnitY")) && !c.Int(*v, "dialogBaseUnitY", 1, 1000, doc.dialogBaseUnitY))
        return false;

    if ((v = Find(j, "balls"))) {
        if (!c.Array(*v, "balls", kDocumentBalls)) return false;
        std::array<table::Point, kDocumentBalls> balls{};
        for (int i = 0; i < kDocumentBalls; ++i) {
            const std::string field = "balls[" + std::to_string(i) + "]";
            if (!c.Pair((*v)[i], field, -kCoordLimit, kCoordLimit, balls[i].x, balls[i].y)) return false;
            // A pocketed ball's y is the player who pocketed it.
            if (balls[i].x == table::OffTable && balls[i].y != 1 && balls[i].y != 2)
                return c.Fail(field, "a pocketed ball (x = -10000) needs y = 1 or 2");
        }
        doc.balls = balls;
    }

    if ((v = Find(j, "aim"))) {
        table::Point aim;
        if (!c.Pair(*v, "aim", -kCoordLimit, kCoordLimit, aim.x, aim.y)) return false;
        doc.aim = aim;
        if (!(v = Find(j, "power"))) return c.Fail("power", "missing (required with aim)");
        if (!c.Int(*v, "power", 1, 1000, doc.power)) return false;
        if (doc.balls && (*doc.balls)[0].x == table::OffTable)
            return c.Fail("balls[0]", "the cue ball must be on the table to shoot");
    } else if ((v = Find(j, "power")) && !c.Int(*v, "power", 1, 1000, doc.power)) {
        return false;
    }

    if ((v = Find(j, "spinKind")) && !c.Int(*v, "spinKind", 0, 3, doc.spinKind)) return false;
    if ((v = Find(j, "sideSpin")) && !c.Int(*v, "sideSpin", -1, 1, doc.sideSpin)) return false;
    if ((v = Find(j, "breakShot")) && !c.Bool(*v, "breakShot", doc.breakShot)) return false;
    if ((v = Find(j, "scatterVariant")) && !c.Bool(*v, "scatterVariant", doc.scatterVariant)) return false;
    if ((v = Find(j, "scatterRandoms"))) {
        if (!c.Array(*v, "scatterRandoms", kScatterDraws)) return false;
        doc.scatterRandoms.assign(kScatterDraws, 0);
        for (int i = 0; i < kScatterDraws; ++i)
            if (!c.Int((*v)[i], "scatterRandoms[" + std::to_string(i) + "]", 0, 99, doc.scatterRandoms[i]))
                return false;
    } else if (doc.breakShot) {
        return c.Fail("scatterRandoms", "missing (required with breakShot)");
    }
    if ((v = Find(j, "gameSpeed")) && !c.Int(*v, "gameSpeed", 0, 9, doc.gameSpeed)) return false;
    if ((v = Find(j, "strokeCount")) && !c.Int(*v, "strokeCount", 1, INT32_MAX, doc.strokeCount)) return false;
    if ((v = Find(j, "player")) && !c.Int(*v, "player", 1, 2, doc.player)) return false;

    if ((v = Find(j, "hands"))) {
        if (!c.Array(*v, "hands", 2)) return false;
        for (int p = 0; p < 2; ++p) {
            const std::string field = "hands[" + std::to_string(p) + "]";
            const json& h = (*v)[p];
            if (!h.is_array()) return c.Fail(field, "must be an array");
            if (h.size() > 39) return c.Fail(field, "holds at most 39 cards");
            doc.hands[p].assign(h.size(), 0);
            for (size_t k = 0; k < h.size(); ++k) {
                const std::string cf = field + "[" + std::to_string(k) + "]";
                if (!c.Int(h[k], cf, -1, 52, doc.hands[p][k])) return false;
                if (doc.hands[p][k] == 0) return c.Fail(cf, "must be 1..52 or -1");
            }
        }
    }

    if ((v = Find(j, "resolve")) && !c.Bool(*v, "resolve", doc.resolve)) return false;
    if ((v = Find(j, "firstShotOfGame"))) {
        bool first = false;
        if (!c.Bool(*v, "firstShotOfGame", first)) return false;
        doc.firstShotOfGame = first;
    }
    if ((v = Find(j, "vsComputer")) && !c.Bool(*v, "vsComputer", doc.vsComputer)) return false;
    if ((v = Find(j, "cueInHand")) && !c.Bool(*v, "cueInHand", doc.cueInHand)) return false;
    if ((v = Find(j, "deal"))) {
        if (!v->is_array()) return c.Fail("deal", "must be an array");
        if (v->size() > 1000) return c.Fail("deal", "holds at most 1000 cards");
        doc.deal.assign(v->size(), 0);
        for (size_t k = 0; k < v->size(); ++k)
            if (!c.Int((*v)[k], "deal[" + std::to_string(k) + "]", 1, 52, doc.deal[k])) return false;
    }
    if ((v = Find(j, "computer")) && !c.Bool(*v, "computer", doc.computer)) return false;
    if (doc.computer && !doc.aim) {
        // The computer's turn needs a shooter with a card to play and a cue ball to play with.
        bool live = false;
        for (int card : doc.hands[size_t(doc.player - 1)]) live = live || card != -1;
        if (!live) return c.Fail("hands", "the shooter holds no live card for the computer to play");
        if (doc.balls && (*doc.balls)[0].x == table::OffTable)
            return c.Fail("balls[0]", "the cue ball must be on the table for the computer to shoot");
    }
    return true;
}

} // namespace lab
