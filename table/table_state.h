// The table state: geometry, balls, motion records, shot state, outcome flags and counters.
#pragma once
#include <cstdint>

namespace table {

inline constexpr int LastBall = 15;      // balls 0 (cue ball) .. 15; loops run to LastBall
inline constexpr int BallSlots = 21;     // per-ball arrays have room for balls 0..20
inline constexpr int OffTable = -10000;  // x of a pocketed ball; its y is the player who pocketed it
inline constexpr int CardStripHeight = 960;

// A point in logical units (tenths of a pixel), x right, y down from the view's top-left corner.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Ball size, chosen once, and the layout derived from the client size at every full repaint.
struct TableGeometry {
    int FrameWidth = 0;   // outer size of the main window in LU, set by the main frame
    int FrameHeight = 0;
    int BallDiameter = 0;
    int BallRadius = 0;
    float DisplayScale = 0.0f;

    Rect TableRect;
    int RailWidth = 0;
    Rect CushionRect;     // bounds for ball centres; a centre on an edge touches that cushion
    Rect RackArea;        // the document keeps it; spots and rack are placed from it
    Rect PocketRect[7];   // pockets 1..6 (1 top-left, 2 bottom-left, 3 bottom-right, 4 top-right,
                          // 5 top middle, 6 bottom middle); [0] unused
    Rect LeftSpot;
    Rect CentreSpot;
    Rect RightSpot;
    bool SpotsLaidOut = false;  // the spots are computed once, at the first table paint
};

// One ball's motion record, seven 32-bit integers in this order.
struct BallMotion {
    int32_t dirX = 0;       // +-BallDiameter; consulted only for exactly horizontal paths
    int32_t dirY = 0;       // +-BallDiameter; its sign is the direction of travel along y
    int32_t order = 0;      // larger is stepped first; <= 0 (or steps <= 0) means not moving
    int32_t steps = 0;      // remaining steps: the ball's speed
    int32_t kick = 0;       // while negative every step is a full BallDiameter long
    int32_t stepCount = 0;  // steps since the ball was last struck
    int32_t creep = 0;      // extra minimum-length steps granted at the end of a roll (at most 5)
};

// Ball numbers with a count, as the hit list and the pocketed-this-shot list keep them.
struct BallList {
    int count = 0;
    int balls[BallSlots] = {};
    void Clear() { count = 0; }
    void Append(int ball) { if (count < BallSlots) balls[count++] = ball; }
};

// The view's per-ball motion records and what the latest step found.
struct MotionRecords {
    BallMotion Motion[BallSlots];
    float BallSlope[BallSlots] = {};  // direction of travel as dx/dy (32767 horizontal, 0 vertical)
    Point ShotStartPos[BallSlots];    // every ball's position when the shot started
    Point ContactPos;                 // top-left position where the striker touched another ball
    BallList HitList;                 // balls touched in the current step
    int PocketNumber = 0;             // pocket found by the last capture test, 0 if none

    // The working direction of the ball being stepped: copied from its dirX/dirY, changed by the
    // advance, cushion and contact code, and written back at the end of the step.
    int32_t WorkDirX = 0;
    int32_t WorkDirY = 0;
    bool StepCollided = false;        // the current step ended in a contact
};

// The shot-wide values.
struct ShotState {
    int ShotPower = 80;          // stroke strength; inside the motion loop the step-allowed flag
    int SpinKind = 3;            // 1 follow, 2 stop, 3 draw, 0 none
    int SideSpin = 0;            // -1 left, 0 none, +1 right
    int SpinAtShot = 0;          // SpinKind saved at shot start
    float SideSpinStep = 0.2617994f;      // turn of one unit of side spin (15 degrees)
    float SideSpinVertical = 1.3089969f;  // angle of side spin on a vertical path (75 degrees)
    bool BreakShot = false;      // the next shot opens a game
    bool FirstShotOfGame = false;
    int CurrentBall = 0;         // ball being stepped; 0 when a shot is fired
    int StrikerBall = 0;         // ball that made the current contact
    int StepLength = 0;
    bool CushionHit = false;     // the current step touched a cushion
    bool HorizontalMove = false; // the current ball's path is exactly horizontal
    Point CurrentBallPos;        // position loaded for the current step; while aiming, the cue ball
    Point PrevPos;               // position of the current ball before its step
    Point CueBallTrack;          // the cue ball's tracked position (collision tests, drawing)
    Point CueBallAtShot;
    Point AimPoint;              // the point behind the cue ball the stroke is played from
};

// Flags cleared when a shot starts.
struct ShotOutcome {
    bool NoContactYet = false;
    bool ObjectBallPocketed = false;
    bool CueBallPocketed = false;
    int WrongBallPocketed = 0;   // a ball number, 0 for none
    BallList PocketedThisShot;   // object balls, in capture order
    int CollisionCount = 0;      // balls struck in this shot
    bool FoulTurn = false;
};

// Per-game results. Player arrays are indexed by player number 1..2; [0] is unused.
struct GameOutcome {
    bool GameOver = false;
    int PlayerResult[3] = {};    // 100 winner, -100 loser, 0 undecided
    int ResultBackup[3] = {};
    bool CueInHand = false;
};

// What each player remembers of the shot bar.
struct PlayerShotSettings {
    int SpinKind = 3;
    int SideSpin = 0;
    int Power = 80;
};

// The document's share: ball positions and the game counters.
struct TableDocument {
    Point BallPos[BallSlots];    // top-left corners; pocketed: x = OffTable, y = player 1 or 2
    int StrokeCount = 0;         // a shot is simulated only while this is > 0
    int BallsLeft = LastBall;
};

// Everything the table physics reads and writes, owned by the game object and passed explicitly.
struct TableState {
    TableGeometry Geometry;
    TableDocument Document;
    MotionRecords Motion;
    ShotState Shot;
    ShotOutcome Outcome;
    GameOutcome Game;
    int CurrentPlayer = 1;
    PlayerShotSettings PlayerSettings[3];  // indexed by player number 1..2
    bool ComputerTurn = false;
    int GameSpeed = 5;            // copy of the GameSpeed setting, 0 slow .. 9 fast
    bool ScatterVariant = false;  // set once the options sheet's Game page has been shown
};

} // namespace table
