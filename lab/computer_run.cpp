// A document's computer turn up to the stroke, through the game's own press handler.
#include "lab/computer_run.h"

#include "computer/computer_turn.h"
#include "computer/game_turn.h"
#include "computer/input_turn_host.h"
#include "input/mouse_input.h"
#include "lab/lab_aim_host.h"

namespace lab {

ComputerChoice RunComputerTurn(rules::Game& game) {
    table::TableState& t = game.table;
    // What a document cannot give: the state of a player who has just been handed the turn.
    game.view.PlacementState = 2;
    t.Shot.ShotPower = 0;
    game.view.ComputerTarget = 1;
    game.cards.LastDealtCard = 0;
    for (int p = 1; p <= 2; ++p) t.PlayerSettings[p] = {3, 0, 80};

    input::InputState in;  // PushStage 0, not aiming
    LabAimHost aim(game);
    input::MouseInput mouse(t, in, aim);
    computer::InputTurnHost host(mouse, in, aim, game);
    int planned = 0;
    computer::SearchContext c = computer::GameSearchContext(game, HeadLineX(t.Geometry), planned);
    const bool inHand = t.Game.CueInHand;

    const computer::TurnPlan plan = computer::PlanComputerTurn(c, host);
    ComputerChoice choice;
    choice.target = game.view.ComputerTarget;
    choice.aim = plan.aim;
    choice.plannedDistance = planned;
    choice.power = plan.power;
    choice.sideSpin = plan.sideSpin;
    choice.pointer = plan.pointer;
    // Put down when the handler took the placement press; a refused press leaves it in hand.
    if (inHand && c.Placed && !t.Game.CueInHand) choice.placement = t.Document.BallPos[0];

    const table::Point pixel = computer::ToPixels(plan.pointer);
    host.PressLButton(pixel);
    choice.strokeFrom = {pixel.x * 10, pixel.y * 10};
    return choice;
}

} // namespace lab
