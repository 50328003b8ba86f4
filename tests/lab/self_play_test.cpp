// Self-play: the checks that nothing is lost, and the command's run of whole games.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "lab/self_play.h"
#include "table/layout.h"

namespace {

// An 800 x 600 table with balls 1..3 resting apart, the rest pocketed; player 1 holds 5 and 18.
struct Position {
    table::TableState t;
    rules::CardState cards;
    int dealt[rules::kDeckSize + 1] = {};
    Position() {
        table::TableGeometry& g = t.Geometry;
        g.FrameWidth = 8080;
        g.FrameHeight = 6460;
        g.BallDiameter = 250;
        g.BallRadius = 125;
        table::LayOutTable(g, 800, 600);
        for (int i = 0; i <= table::LastBall; ++i) t.Document.BallPos[i] = {table::OffTable, 1};
        Put(0, 1000, 3000);
        Put(1, 3000, 3000);
        Put(2, 3240, 3000);  // one pixel closer than touching: as the contact test may leave it
        Put(3, 4000, 3000);
        Give(1, 5);
        Give(1, 18);
    }
    void Put(int ball, int cx, int cy) { t.Document.BallPos[ball] = {cx - 125, cy - 125}; }
    void Give(int player, int card) {
        rules::Hand& h = cards.hands[player];
        h.cards[++h.count] = card;
        cards.deck.Mark(card);
        ++dealt[card];
    }
    std::string Check() const { return lab::CheckNothingLost(t, cards, dealt); }
};

TEST(CheckNothingLostTest, AllHoldOnARestingTable) { EXPECT_EQ(Position().Check(), ""); }

TEST(CheckNothingLostTest, EachBrokenCheckIsNamed) {
    struct Case {
        const char* name;
        void (*breakIt)(Position&);
        const char* broken;
    };
    const Case cases[] = {
        {"centre beyond the right cushion", [](Position& p) { p.Put(3, 7451, 3000); }, "ball 3 off the cloth"},
        {"centre above the top cushion", [](Position& p) { p.Put(0, 3000, 1509); }, "ball 0 off the cloth"},
        {"overlap beyond a pixel", [](Position& p) { p.Put(2, 3239, 3000); }, "balls 1 and 2 overlap"},
        {"a card in both hands", [](Position& p) { p.cards.hands[2].cards[++p.cards.hands[2].count] = 18; },
         "card 18 held twice or never dealt"},
        {"a card never dealt", [](Position& p) { p.cards.hands[2].cards[++p.cards.hands[2].count] = 30; },
         "card 30 held twice or never dealt"},
        {"a card dealt twice", [](Position& p) { ++p.dealt[5]; }, "card 5 dealt twice"},
        {"a hand over 39", [](Position& p) { p.cards.hands[2].count = 40; }, "hand 2 over capacity"},
    };
    for (const Case& c : cases) {
        Position p;
        c.breakIt(p);
        EXPECT_EQ(p.Check(), c.broken) << c.name;
    }
}

TEST(CheckNothingLostTest, ACueBallInHandMayLieOnAnotherBall) {
    Position p;
    p.Put(0, 3000, 3100);
    EXPECT_EQ(p.Check(), "balls 0 and 1 overlap");
    p.t.Game.CueInHand = true;
    EXPECT_EQ(p.Check(), "");
}

struct LabRun {
    int exitCode = -1;
    std::vector<std::string> lines;
    std::string err;
};

LabRun RunLab(const std::string& args) {
    const std::string dir = ::testing::TempDir();
    const std::string out = dir + "selfplay_out.txt", err = dir + "selfplay_err.txt";
    const int status = std::system((std::string(DRAVONEL_LAB) + " " + args + " > '" + out + "' 2> '" + err + "'").c_str());
    LabRun r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(out);
    for (std::string line; std::getline(in, line);) r.lines.push_back(line);
    std::ifstream e(err);
    std::getline(e, r.err);
    return r;
}

TEST(SelfPlayCommandTest, TwoHundredGamesHoldEveryCheckAndRepeatThemselves) {
    const LabRun a = RunLab("--selfplay 200 --seed 1");
    ASSERT_EQ(a.exitCode, 0) << (a.lines.empty() ? a.err : a.lines.back());
    ASSERT_EQ(a.lines.size(), 201u);
    int wins[3] = {}, unfinished = 0;
    for (size_t i = 0; i < 200; ++i) {
        const nlohmann::json g = nlohmann::json::parse(a.lines[i]);
        EXPECT_EQ(g["game"], int(i) + 1);
        if (g["unfinished"].get<bool>()) {
            EXPECT_EQ(g["shots"], lab::kSelfPlayShotLimit);
            ++unfinished;
        } else {
            ++wins[g["winner"].get<int>()];
        }
    }
    const nlohmann::json summary = nlohmann::json::parse(a.lines.back());
    EXPECT_EQ(summary["games"], 200);
    EXPECT_EQ(summary["wins"][0], wins[1]);
    EXPECT_EQ(summary["wins"][1], wins[2]);
    EXPECT_EQ(summary["unfinished"], unfinished);
    EXPECT_EQ(wins[0], 0) << "every finished game has a winner";
    // The same seed plays the same games; another seed others.
    EXPECT_EQ(RunLab("--selfplay 200 --seed 1").lines, a.lines);
    EXPECT_NE(RunLab("--selfplay 200 --seed 2").lines, a.lines);
}

TEST(SelfPlayCommandTest, ATableOfAnotherSizePlaysToo) {
    const LabRun r = RunLab("--selfplay 20 --seed 5 --client 630,456 --frame 6400,4800");
    ASSERT_EQ(r.exitCode, 0) << (r.lines.empty() ? r.err : r.lines.back());
    EXPECT_EQ(r.lines.size(), 21u);
}

TEST(SelfPlayCommandTest, BadArgumentsExitTwoNamingTheArgument) {
    const struct {
        const char* args;
        const char* field;
    } cases[] = {
        {"--selfplay", "--selfplay"},
        {"--selfplay 0", "--selfplay"},
        {"--selfplay x", "--selfplay"},
        {"--selfplay 5 --seed -1", "--seed"},
        {"--selfplay 5 --client 800", "--client"},
        {"--selfplay 5 --client 800,600", "--frame"},
        {"--selfplay 5 --client 800,600 --frame 8080", "--frame"},
        {"--selfplay 5 --frame 8080,6460", "--client"},
        {"--selfplay 5 --colour 3", "--colour"},
    };
    for (const auto& c : cases) {
        const LabRun r = RunLab(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args;
        EXPECT_TRUE(r.lines.empty()) << c.args;
        EXPECT_EQ(r.err.rfind(std::string("dravonel-lab: ") + c.field + ":", 0), 0u) << c.args << ": " << r.err;
    }
}

} // namespace
