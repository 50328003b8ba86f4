// Self-play: the computer's search on both sides, dealing and scattering from one seeded
// generator, every dialog answered as a person would, time on a virtual clock.
#include "lab/self_play.h"

#include <algorithm>
#include <memory>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "computer/computer_turn.h"
#include "computer/game_turn.h"
#include "computer/input_turn_host.h"
#include "input/mouse_input.h"
#include "lab/lab_aim_host.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "rules/game.h"
#include "rules/messages.h"
#include "table/motion.h"

namespace lab {

namespace {

using nlohmann::ordered_json;

// The game's dealer on the run's generator: random suit and rank until a free card comes up.
// It also counts how often each card was handed out in the current game.
class SeededDealer final : public rules::Dealer {
public:
    explicit SeededDealer(rules::CardRandom& random) : random_(random) {}
    int Deal(rules::Deck& deck) override {
        const int card = rules::DrawFreeCard(deck, random_);
        ++dealt[card];
        return card;
    }
    int dealt[rules::kDeckSize + 1] = {};

private:
    rules::CardRandom& random_;
};

struct Quiet final : rules::GameSound {};

// One run: the game, its services and the tallies of the game being played.
struct Run {
    explicit Run(const SelfPlayOptions& o);

    rules::CardRandom random;
    platform::VirtualClock clock;
    platform::ScriptedMessageBoxes boxes;
    Quiet sound;
    rules::TableDrawing drawing;
    SeededDealer dealer;
    rules::ImmediateCardDraw cardDraw;
    std::unique_ptr<rules::MatchHooks> hooks;
    app::AppSettings settings;
    std::unique_ptr<rules::Game> game;
    input::InputState input;
    std::unique_ptr<LabAimHost> aim;
    std::unique_ptr<input::MouseInput> mouse;
    int plannedDistance = 0;

    // The game being played.
    int shots = 0;
    int fouls[3] = {};
    int winner = 0;
    bool ended = false;
    bool limited = false;     // stopped at the shot limit
    std::string broken;       // the check that broke, empty while all hold
    int pendingShooter = 0;   // who fired the shot not yet checked

    bool Stopped() const { return ended || limited || !broken.empty(); }
    void Turn();
    void Fire(int power, table::Point p);
    void AfterShot();
};

class Hooks final : public rules::MatchHooks {
public:
    explicit Hooks(Run& run) : run_(run) {}
    void ComputerTakeTurn() override { run_.Turn(); }
    void ShowWinner(int winner) override { run_.winner = winner; }
    // The run starts every game itself.
    bool InterceptResetMatch() override { return run_.ended = true; }

private:
    Run& run_;
};

Run::Run(const SelfPlayOptions& o) : dealer(random) {
    random.Seed(o.seed);
    drawing.clientWidth = o.clientWidth;
    drawing.clientHeight = o.clientHeight;
    hooks = std::make_unique<Hooks>(*this);
    settings.VsComputer = 1;
    settings.Music = false;
    game = std::make_unique<rules::Game>(
        rules::GameServices{clock, boxes, sound, drawing, dealer, cardDraw, *hooks, nullptr}, settings);
    game->scatterRandom = [this] { return random.Next() % 100; };
    game->cycle.RestartPending = false;
    table::TableGeometry& g = game->table.Geometry;
    g.FrameWidth = o.frameWidth;
    g.FrameHeight = o.frameHeight;
    game->InitialUpdate(o.clientWidth, o.clientHeight, 16);
    aim = std::make_unique<LabAimHost>(*game);
    aim->fire = [this](int power, table::Point p) { Fire(power, p); };
    mouse = std::make_unique<input::MouseInput>(game->table, input, *aim);
}

// One computer turn for whoever is to shoot; nothing once the game has stopped.
void Run::Turn() {
    AfterShot();
    if (Stopped()) return;
    if (shots >= kSelfPlayShotLimit) {
        limited = true;
        return;
    }
    computer::InputTurnHost host(*mouse, input, *aim, *game);
    computer::SearchContext c = computer::GameSearchContext(*game, HeadLineX(game->table.Geometry), plannedDistance);
    computer::ComputerTakeTurn(c, host);
}

void Run::Fire(int power, table::Point p) {
    ++shots;
    pendingShooter = game->table.CurrentPlayer;
    game->FireStroke(power, p);
    // Turns that player 2 earned have run inside; the last shot's resolution is checked here.
    AfterShot();
}

void Run::AfterShot() {
    if (pendingShooter == 0) return;
    if (game->table.Outcome.FoulTurn) ++fouls[pendingShooter];
    pendingShooter = 0;
    if (broken.empty()) broken = CheckNothingLost(game->table, game->cards, dealer.dealt);
}

ordered_json StateJson(const Run& run, int gameNumber) {
    const table::TableState& t = run.game->table;
    ordered_json balls = ordered_json::array();
    for (int i = 0; i <= table::LastBall; ++i) balls.push_back({t.Document.BallPos[i].x, t.Document.BallPos[i].y});
    ordered_json hands = ordered_json::array();
    for (int p = 1; p <= 2; ++p) {
        const rules::Hand& h = run.game->cards.hands[p];
        hands.push_back(std::vector<int>(h.cards + 1, h.cards + 1 + h.count));
    }
    ordered_json j;
    j["brokenCheck"] = run.broken;
    j["game"] = gameNumber;
    j["shot"] = run.shots;
    j["player"] = t.CurrentPlayer;
    j["cueInHand"] = t.Game.CueInHand;
    j["balls"] = balls;
    j["hands"] = hands;
    return j;
}

int Count(const std::vector<platform::ScriptedMessageBoxes::Shown>& shown, size_t from, const std::string& text,
          bool prefix) {
    int n = 0;
    for (size_t i = from; i < shown.size(); ++i)
        n += prefix ? shown[i].text.rfind(text, 0) == 0 : shown[i].text == text;
    return n;
}

} // namespace

// Nothing lost: every ball on the cloth or pocketed, no two overlapping beyond what the contact
// test lets through, every card dealt at most once, no hand beyond its capacity.
std::string CheckNothingLost(const table::TableState& t, const rules::CardState& cards, const int* dealtCount) {
    const table::TableGeometry& g = t.Geometry;
    const table::Rect& cr = g.CushionRect;
    const int r = g.BallRadius;
    const int64_t closest = g.BallDiameter - kRestingOverlap;
    for (int i = 0; i <= table::LastBall; ++i) {
        const table::Point p = t.Document.BallPos[i];
        if (p.x == table::OffTable) continue;
        const int cx = p.x + r, cy = p.y + r;
        if (cx < cr.left || cx > cr.right || cy < cr.top || cy > cr.bottom)
            return "ball " + std::to_string(i) + " off the cloth";
    }
    // A cue ball in hand lies wherever the foul left it until it is put down.
    const int first = t.Game.CueInHand ? 1 : 0;
    for (int i = first; i <= table::LastBall; ++i) {
        for (int j = i + 1; j <= table::LastBall; ++j) {
            const table::Point a = t.Document.BallPos[i], b = t.Document.BallPos[j];
            if (a.x == table::OffTable || b.x == table::OffTable) continue;
            const int64_t dx = a.x - b.x, dy = a.y - b.y;
            if (dx * dx + dy * dy < closest * closest)
                return "balls " + std::to_string(i) + " and " + std::to_string(j) + " overlap";
        }
    }
    int held[rules::kDeckSize + 1] = {};
    for (int p = 1; p <= 2; ++p) {
        const rules::Hand& h = cards.hands[p];
        if (h.count > rules::kHandCapacity) return "hand " + std::to_string(p) + " over capacity";
        for (int k = 1; k <= h.count; ++k) {
            const int card = h.cards[k];
            if (card == rules::kRemovedCard) continue;
            if (card < 1 || card > rules::kDeckSize) return "hand " + std::to_string(p) + " holds card " + std::to_string(card);
            if (++held[card] > 1 || !cards.deck.IsDealt(card))
                return "card " + std::to_string(card) + " held twice or never dealt";
        }
    }
    for (int card = 1; card <= rules::kDeckSize; ++card)
        if (dealtCount[card] > 1) return "card " + std::to_string(card) + " dealt twice";
    return {};
}

namespace {

// A whole decimal number in lo..hi, nothing else.
bool Number(const std::string& text, int64_t lo, int64_t hi, int64_t& out) {
    if (text.empty() || text.size() > 12) return false;
    int64_t n = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return false;
        n = n * 10 + (ch - '0');
    }
    if (n < lo || n > hi) return false;
    out = n;
    return true;
}

bool Pair(const std::string& text, int64_t lo, int64_t hi, int& a, int& b) {
    const size_t comma = text.find(',');
    int64_t x = 0, y = 0;
    if (comma == std::string::npos || !Number(text.substr(0, comma), lo, hi, x) ||
        !Number(text.substr(comma + 1), lo, hi, y))
        return false;
    a = int(x);
    b = int(y);
    return true;
}

} // namespace

bool ReadSelfPlayArguments(const std::vector<std::string>& args, SelfPlayOptions& o, std::string& error) {
    auto fail = [&](const std::string& arg, const std::string& why) {
        error = arg + ": " + why;
        return false;
    };
    bool client = false, frame = false;
    for (size_t i = 0; i < args.size(); i += 2) {
        const std::string& arg = args[i];
        if (i + 1 >= args.size()) return fail(arg, "needs a value");
        const std::string& value = args[i + 1];
        int64_t n = 0;
        if (arg == "--selfplay" && i == 0) {
            if (!Number(value, 1, 1000000, n)) return fail(arg, "the number of games, 1..1000000");
            o.games = int(n);
        } else if (arg == "--seed") {
            if (!Number(value, 0, 4294967295LL, n)) return fail(arg, "0..4294967295");
            o.seed = uint32_t(n);
        } else if (arg == "--client") {
            if (!Pair(value, 100, 10000, o.clientWidth, o.clientHeight)) return fail(arg, "W,H in pixels, each 100..10000");
            client = true;
        } else if (arg == "--frame") {
            if (!Pair(value, 1000, 100000, o.frameWidth, o.frameHeight)) return fail(arg, "FW,FH in LU, each 1000..100000");
            frame = true;
        } else {
            return fail(arg, "unknown argument");
        }
    }
    if (args.empty() || args[0] != "--selfplay") return fail("--selfplay", "must come first");
    if (client && !frame) return fail("--frame", "needed with --client");
    if (frame && !client) return fail("--client", "needed with --frame");
    return true;
}

int RunSelfPlay(const SelfPlayOptions& options, std::ostream& out) {
    Run run(options);
    rules::Game& game = *run.game;
    std::vector<int> winShots[3];
    int unfinished = 0;
    long totalShots = 0;
    for (int n = 1; n <= options.games; ++n) {
        run.shots = 0;
        run.fouls[1] = run.fouls[2] = 0;
        run.winner = 0;
        run.ended = run.limited = false;
        std::fill(std::begin(run.dealer.dealt), std::end(run.dealer.dealt), 0);
        const size_t firstMessage = run.boxes.shown.size();
        const uint32_t start = run.clock.Ticks();

        game.ResetMatch();
        game.OnPaintRequest();
        // Player 1 breaks from where the new game put the cue ball.
        game.view.PlacementState = 2;
        while (!run.Stopped()) run.Turn();
        if (!run.broken.empty()) {
            out << StateJson(run, n).dump() << '\n';
            return 1;
        }

        const auto& shown = run.boxes.shown;
        ordered_json line;
        line["game"] = n;
        line["winner"] = run.winner;
        line["shots"] = run.shots;
        line["fouls"] = {run.fouls[1], run.fouls[2]};
        line["luckyDiscards"] = Count(shown, firstMessage, rules::kLuckyHead, true);
        line["abnormalStops"] = Count(shown, firstMessage, table::AbnormalPositionMessage, false);
        line["deckExhaustions"] = Count(shown, firstMessage, rules::kDeckExhaustedMessage, false);
        line["durationMs"] = run.clock.Ticks() - start;
        line["unfinished"] = run.limited;
        out << line.dump() << '\n';
        totalShots += run.shots;
        if (run.limited)
            ++unfinished;
        else
            winShots[run.winner == 1 ? 1 : 2].push_back(run.shots);
    }

    // How often each side wins, and in how many shots.
    ordered_json summary;
    summary["games"] = options.games;
    summary["seed"] = options.seed;
    summary["wins"] = {winShots[1].size(), winShots[2].size()};
    summary["unfinished"] = unfinished;
    summary["meanShots"] = options.games ? double(totalShots) / options.games : 0.0;
    ordered_json buckets = ordered_json::array();
    for (int upTo = 25; upTo <= kSelfPlayShotLimit; upTo += 25) {
        int wins[3] = {};
        for (int p = 1; p <= 2; ++p)
            for (int s : winShots[p]) wins[p] += s > upTo - 25 && s <= upTo;
        if (wins[1] + wins[2] > 0) buckets.push_back({{"shotsUpTo", upTo}, {"wins", {wins[1], wins[2]}}});
    }
    summary["winsByShots"] = buckets;
    out << summary.dump() << '\n';
    return 0;
}

} // namespace lab
