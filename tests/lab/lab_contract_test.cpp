// dravonel-lab's command-line contract: bad documents exit 2 with one line naming the field and
// print nothing; good ones print one object.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

struct LabRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Runs the lab on `document` written to a file (or on `fileArg` as given).
LabRun RunLab(const std::string& document, const std::string& fileArg = "") {
    const std::string dir = ::testing::TempDir();
    const std::string in = dir + "lab_in.json", out = dir + "lab_out.txt", err = dir + "lab_err.txt";
    std::ofstream(in, std::ios::binary) << document;
    const std::string arg = fileArg.empty() ? in : fileArg;
    const std::string cmd = std::string(DRAVONEL_LAB) + " '" + arg + "' > '" + out + "' 2> '" + err + "'";
    const int status = std::system(cmd.c_str());
    LabRun r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = Slurp(out);
    r.err = Slurp(err);
    return r;
}

const std::string kTable = R"("client": [800, 600], "frame": [8080, 6460])";

std::string Doc(const std::string& fields) { return "{" + kTable + (fields.empty() ? "" : ", " + fields) + "}"; }

std::string Balls(const std::string& cue, int count = 16) {
    std::string s = "\"balls\": [" + cue;
    for (int i = 1; i < count; ++i) s += ", [-10000, 1]";
    return s + "]";
}

struct BadCase {
    const char* name;
    std::string document;
    const char* field;  // the line on standard error starts with "dravonel-lab: <field>:"
};

class BadInputTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadInputTest, ExitsTwoNamingTheField) {
    const BadCase& c = GetParam();
    const LabRun r = RunLab(c.document);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind(std::string("dravonel-lab: ") + c.field + ":", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
}

INSTANTIATE_TEST_SUITE_P(Lab, BadInputTest, ::testing::Values(
    BadCase{"not_json", "{\"client\": [800, 600]", "document"},
    BadCase{"not_an_object", "[800, 600]", "document"},
    BadCase{"client_missing", R"({"frame": [8080, 6460]})", "client"},
    BadCase{"client_text", R"({"client": "800x600", "frame": [8080, 6460]})", "client"},
    BadCase{"client_null", R"({"client": null, "frame": [8080, 6460]})", "client"},
    BadCase{"client_three", R"({"client": [800, 600, 1], "frame": [8080, 6460]})", "client"},
    BadCase{"client_small", R"({"client": [99, 600], "frame": [8080, 6460]})", "client[0]"},
    BadCase{"client_fraction", R"({"client": [800, 600.5], "frame": [8080, 6460]})", "client[1]"},
    BadCase{"client_huge", R"({"client": [800, 100000000000000000000], "frame": [8080, 6460]})", "client[1]"},
    BadCase{"frame_missing", R"({"client": [800, 600]})", "frame"},
    BadCase{"frame_large", R"({"client": [800, 600], "frame": [8080, 100001]})", "frame[1]"},
    BadCase{"diameter_illegal", Doc(R"("ballDiameter": 200)"), "ballDiameter"},
    BadCase{"balls_fifteen", Doc(Balls("[1000, 2000]", 15)), "balls"},
    BadCase{"balls_far", Doc(Balls("[1000001, 2000]")), "balls[0][0]"},
    BadCase{"balls_pocketed_y", Doc(Balls("[-10000, 3]")), "balls[0]"},
    BadCase{"balls_entry_null", Doc(R"("balls": [null, [1, 1], [1, 1], [1, 1], [1, 1], [1, 1], [1, 1], [1, 1],
        [1, 1], [1, 1], [1, 1], [1, 1], [1, 1], [1, 1], [1, 1], [1, 1]])"), "balls[0]"},
    BadCase{"aim_without_power", Doc(R"("aim": [1000, 2000])"), "power"},
    BadCase{"aim_far", Doc(R"("aim": [1000, -1000001], "power": 10)"), "aim[1]"},
    BadCase{"power_zero", Doc(R"("aim": [1000, 2000], "power": 0)"), "power"},
    BadCase{"power_large", Doc(R"("aim": [1000, 2000], "power": 1001)"), "power"},
    BadCase{"power_text", Doc(R"("aim": [1000, 2000], "power": "80")"), "power"},
    BadCase{"cue_ball_pocketed", Doc(R"("aim": [1000, 2000], "power": 80, )" + Balls("[-10000, 1]")), "balls[0]"},
    BadCase{"spin_kind", Doc(R"("spinKind": 4)"), "spinKind"},
    BadCase{"spin_kind_null", Doc(R"("spinKind": null)"), "spinKind"},
    BadCase{"side_spin", Doc(R"("sideSpin": -2)"), "sideSpin"},
    BadCase{"break_number", Doc(R"("breakShot": 1)"), "breakShot"},
    BadCase{"break_without_randoms", Doc(R"("breakShot": true)"), "scatterRandoms"},
    BadCase{"randoms_fourteen", Doc(R"("scatterRandoms": [1,2,3,4,5,6,7,8,9,10,11,12,13,14])"), "scatterRandoms"},
    BadCase{"randoms_range", Doc(R"("scatterRandoms": [1,2,100,4,5,6,7,8,9,10,11,12,13,14,15])"), "scatterRandoms[2]"},
    BadCase{"variant_text", Doc(R"("scatterVariant": "yes")"), "scatterVariant"},
    BadCase{"game_speed", Doc(R"("gameSpeed": 10)"), "gameSpeed"},
    BadCase{"stroke_count", Doc(R"("strokeCount": 0)"), "strokeCount"},
    BadCase{"player", Doc(R"("player": 3)"), "player"},
    BadCase{"hands_one", Doc(R"("hands": [[1, 2]])"), "hands"},
    BadCase{"hands_card_zero", Doc(R"("hands": [[], [0]])"), "hands[1][0]"},
    BadCase{"hands_card_53", Doc(R"("hands": [[53], []])"), "hands[0][0]"},
    BadCase{"hands_forty", Doc(R"("hands": [[1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1], []])"), "hands[0]"},
    BadCase{"dialog_unit", Doc(R"("dialogBaseUnitY": 0)"), "dialogBaseUnitY"},
    BadCase{"resolve_number", Doc(R"("resolve": 1)"), "resolve"},
    BadCase{"first_shot_null", Doc(R"("firstShotOfGame": null)"), "firstShotOfGame"},
    BadCase{"vs_computer_text", Doc(R"("vsComputer": "no")"), "vsComputer"},
    BadCase{"cue_in_hand_number", Doc(R"("cueInHand": 0)"), "cueInHand"},
    BadCase{"deal_number", Doc(R"("deal": 7)"), "deal"},
    BadCase{"deal_removed_card", Doc(R"("deal": [3, -1])"), "deal[1]"},
    BadCase{"deal_card_53", Doc(R"("deal": [53])"), "deal[0]"},
    BadCase{"computer_text", Doc(R"("computer": "yes")"), "computer"},
    BadCase{"computer_empty_hand", Doc(R"("computer": true, "player": 2, "hands": [[5], [-1, -1]])"), "hands"},
    BadCase{"computer_no_hands", Doc(R"("computer": true)"), "hands"},
    BadCase{"computer_cue_ball_pocketed", Doc(R"("computer": true, "hands": [[5], []], )" + Balls("[-10000, 2]")),
            "balls[0]"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LabContractTest, ComputerIsIgnoredWithAnAim) {
    // The shooter holds no card, which a computer document could not have.
    const std::string shot = R"("aim": [1000, 2000], "power": 40, "hands": [[], [7]])";
    const LabRun plain = RunLab(Doc(shot));
    const LabRun withComputer = RunLab(Doc(shot + R"(, "computer": true)"));
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(withComputer.exitCode, 0) << withComputer.err;
    EXPECT_EQ(withComputer.out, plain.out);
}

TEST(LabContractTest, UnreadableFileIsBadInput) {
    const LabRun r = RunLab("", "/nonexistent/shot.json");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("/nonexistent/shot.json"), std::string::npos);
}

TEST(LabContractTest, LayoutOnlyPrintsEveryFieldAtItsStartingValue) {
    const LabRun r = RunLab(Doc(R"("unknownField": {"x": null}, "hands": [[5, -1], [7]])"));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const char* const kKeys[] = {"ballDiameter", "cushionRect", "rackArea", "pocketRects", "leftSpot",
        "centreSpot", "rightSpot", "balls", "pocketed", "collisionCount", "noContactYet",
        "objectBallPocketed", "cueBallPocketed", "wrongBallPocketed", "abnormalStop", "hands",
        "gameOver", "playerResult", "stepCalls", "elapsedMs", "effects"};
    size_t at = 0;
    for (const char* key : kKeys) {
        const size_t found = r.out.find(std::string("\"") + key + "\":");
        ASSERT_NE(found, std::string::npos) << key;
        EXPECT_GT(found, at) << key << " out of order";
        at = found;
    }
    EXPECT_NE(r.out.find(R"("hands": [[5,-1],[7]])"), std::string::npos);
    EXPECT_NE(r.out.find(R"("noContactYet": false)"), std::string::npos);
    EXPECT_NE(r.out.find(R"("elapsedMs": 0,)"), std::string::npos);
    EXPECT_NE(r.out.find(R"("effects": [])"), std::string::npos);
    EXPECT_EQ(r.out.find("\"messages\""), std::string::npos) << "the resolve fields only with resolve";
    EXPECT_EQ(r.out.back(), '\n');
}

} // namespace
