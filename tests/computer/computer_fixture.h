// A laid-out 800 x 600 table (D = 250), hands, the search's context and a recording host.
#pragma once
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/table/table_fixture.h"
#include "computer/computer_host.h"
#include "computer/shot_search.h"

namespace computertest {

using table::Point;

// A table with every object ball pocketed, the cue ball at `cue` (centre), player 2 to shoot.
struct Board {
    table::TableState t = tabletest::LaidOutTable(250);
    std::vector<int> hand1, hand2;
    int target = 1;
    int planned = 0;
    int headLineX = 2000;

    explicit Board(Point cue = {6000, 4000}) {
        tabletest::PutCentre(t, 0, cue.x, cue.y);
        t.Shot.CurrentBallPos = t.Document.BallPos[0];
        t.CurrentPlayer = 2;
        t.Shot.ShotPower = 0;
    }
    void Put(int ball, Point centre) { tabletest::PutCentre(t, ball, centre.x, centre.y); }
    Point Centre(int ball) const {
        const int r = t.Geometry.BallRadius;
        return {t.Document.BallPos[ball].x + r, t.Document.BallPos[ball].y + r};
    }
    computer::SearchContext Context() {
        return computer::SearchContext{t, {{}, hand1, hand2}, headLineX, target, planned, false, {}};
    }
};

// Records every call in order as text; the press handler places the cue ball like a player's
// press would when it is in hand.
class RecordingHost : public computer::ComputerHost {
public:
    explicit RecordingHost(table::TableState& t) : t_(t) {}

    std::vector<std::string> log;
    uint32_t now = 0;
    int power = 0;
    std::vector<table::PlayerShotSettings> settingsAtPress;
    std::function<void()> onFire;  // what the shot does, run inside FireStroke

    void Delay(int ms) override { now += ms; Add("Delay", ms); }
    void EraseBall(int x, int y) override { Add("EraseBall", P{x, y}); }
    void DrawBall(int x, int y, int ball) override { Add("DrawBall", P{x, y}, ball); }
    void PressLButton(Point px) override {
        settingsAtPress.push_back(t_.PlayerSettings[t_.CurrentPlayer]);
        Add("Press", P{px.x, px.y});
        if (t_.Game.CueInHand) {
            const int r = t_.Geometry.BallRadius;
            t_.Game.CueInHand = false;
            t_.Document.BallPos[0] = {px.x * 10 - r, px.y * 10 - r};
        }
    }
    void ReleaseCapture() override { Add("ReleaseCapture"); }
    void ClearAiming() override { Add("ClearAiming"); }
    void SetShotArmed() override { Add("SetShotArmed"); }
    void ClearGuideActive() override { Add("ClearGuideActive"); }
    void SetHandsHidden(bool hidden) override { Add(hidden ? "HideHands" : "ShowHands"); }
    void DrawCardStrip() override { Add("DrawCardStrip"); }
    int RunShotBar() override { now += 1500; Add("ShotBar"); return -111; }
    void ValidateWindow() override { Add("ValidateWindow"); }
    void EraseCueAndGuide() override { Add("EraseCueAndGuide"); }
    int PowerLevel() override { return power; }
    void SetPowerLevel(int p) override { power = p; Add("SetPowerLevel", p); }
    int StrokeDelay(int p) override { Add("StrokeDelay", p); return p == 0 ? 80 : 20; }
    void AnimateCueStroke(Point p, Point cue, int e) override {
        Add("Animate", P{p.x, p.y}, P{cue.x, cue.y}, e);
    }
    void FireStroke(int p, Point aim) override {
        Add("FireStroke", p, P{aim.x, aim.y});
        if (onFire) onFire();
        Add("FireStroke end");
    }

private:
    struct P {
        int x, y;
        friend std::ostream& operator<<(std::ostream& os, P p) { return os << "(" << p.x << "," << p.y << ")"; }
    };
    // One log line from its pieces, separated by spaces.
    template <typename... Parts>
    void Add(const char* name, const Parts&... parts) {
        std::ostringstream os;
        os << name;
        ((os << " " << parts), ...);
        log.push_back(os.str());
    }
    table::TableState& t_;
};

} // namespace computertest
