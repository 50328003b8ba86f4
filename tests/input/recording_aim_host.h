// A recording stand-in for the game behind aiming: logs every call, holds the shared values.
#pragma once
#include "input/aim_host.h"
#include "input/mouse_input.h"

#include <string>
#include <vector>

namespace inputtest {

struct RecordingAimHost : input::AimHost {
    table::TableState& t;
    explicit RecordingAimHost(table::TableState& state) : t(state) {}

    std::vector<std::string> log;
    int placementState = 0;
    int powerLevel = 70;
    float pushOffset = 0.0f;
    float drawnPushOffset = 0.0f;
    bool shotArmed = false;
    int headLineX = 2000;
    int shotMode = 1;
    bool proMode = true;
    uint32_t now = 5000;
    int barResult = input::ShotBarShot;
    std::vector<std::pair<int, table::Point>> fired;  // power and aim point of every stroke
    std::vector<std::string> messages;

    static std::string P(table::Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
    void Add(std::string s) { log.push_back(std::move(s)); }
    bool Logged(const std::string& s) const {
        for (const auto& e : log) if (e == s) return true;
        return false;
    }
    int Count(const std::string& s) const {
        int n = 0;
        for (const auto& e : log) n += e == s;
        return n;
    }

    int& PlacementState() override { return placementState; }
    int& PowerLevel() override { return powerLevel; }
    float& PushOffset() override { return pushOffset; }
    float& DrawnPushOffset() override { return drawnPushOffset; }
    bool& ShotArmed() override { return shotArmed; }
    int HeadLineX() override { return headLineX; }
    int ShotMode() override { return shotMode; }
    bool ProMode() override { return proMode; }
    uint32_t Ticks() override { return now; }
    void PlayEffect(int e) override { Add("effect " + std::to_string(e)); }
    void ShowExclamation(const std::string& text) override { messages.push_back(text); Add("message"); }
    void LoadPlayerSettings() override {
        const table::PlayerShotSettings& s = t.PlayerSettings[t.CurrentPlayer];
        t.Shot.SpinKind = s.SpinKind;
        t.Shot.SideSpin = s.SideSpin;
        powerLevel = s.Power;
    }
    void DrawTable() override { Add("table"); }
    void DrawBall(table::Point at, int ball) override { Add("ball " + std::to_string(ball) + " " + P(at)); }
    void EraseBall(table::Point at) override { Add("erase " + P(at)); }
    void DrawCue(table::Point p, table::Point b) override { Add("cue " + P(p) + " " + P(b)); }
    void DrawGuide() override { Add("guide"); }
    void EraseCueAndGuide() override { Add("erase cue"); }
    bool GuideHitsBall() override { return false; }
    void DrawPushCue(float dir) override {
        Add(dir > 0 ? "push cue " + std::to_string(pushOffset) : "push cue off");
        drawnPushOffset = pushOffset;
    }
    void DrawContactMark() override { Add("contact mark"); }
    int StrokeDelay(int power) override { return power >= 80 ? 20 : 80; }
    void AnimateCueStroke(table::Point p, table::Point cue, int e) override {
        Add("animate " + P(p) + " " + P(cue) + " " + std::to_string(e));
    }
    void SetHandsHidden(bool hidden) override { Add(hidden ? "hide hands" : "show hands"); }
    void RedrawCardStrip() override { Add("strip"); }
    int RunShotBar() override { Add("bar"); return barResult; }
    void ValidateView() override { Add("validate"); }
    void SetCursor(input::CursorKind k) override { Add("cursor " + std::to_string(int(k))); }
    void SetCapture() override { Add("capture"); }
    void ReleaseCapture() override { Add("release"); }
    void MovePointerTo(table::Point p) override { Add("pointer " + P(p)); }
    void PostAimChanged() override { Add("aim changed"); }
    void FireStroke(int power, table::Point aim) override {
        fired.push_back({power, aim});
        Add("fire " + std::to_string(power));
    }
};

// A table with D = 200: cushions from (1000, 1000) to (7000, 4000), the cue ball's centre at
// (3000, 2500), every object ball off the table unless a test puts it down.
struct AimTable {
    table::TableState t;
    input::InputState in;
    RecordingAimHost host{t};
    input::MouseInput mouse{t, in, host};
    static constexpr int D = 200, r = 100;
    static constexpr table::Point C{3000, 2500};

    AimTable() {
        t.Geometry.BallDiameter = D;
        t.Geometry.BallRadius = r;
        t.Geometry.CushionRect = {1000, 1000, 7000, 4000};
        for (int b = 1; b <= table::LastBall; ++b) t.Document.BallPos[b] = {table::OffTable, 1};
        t.Document.BallPos[0] = {C.x - r, C.y - r};
        t.Shot.CurrentBallPos = t.Document.BallPos[0];
        t.Shot.ShotPower = 0;
        t.PlayerSettings[1] = {3, 0, 70};
        t.PlayerSettings[2] = {1, 1, 40};
    }

    // Mode 2: aims from `aim` and releases there, fixing the direction.
    void FixDirection(table::Point aim) {
        host.shotMode = 2;
        mouse.OnLButtonDown(aim);
        mouse.OnLButtonUp(aim);
    }
};

} // namespace inputtest
