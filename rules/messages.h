// The texts of the shot cycle and the card rules, exactly as the game shows them.
#pragma once

namespace rules {

inline constexpr const char* kNoContactMessage =
    "どの的球にも当たらなかったので、\n次のプレーヤーに交代";

inline constexpr const char* kFoulCueBallMessage =
    "反則です！\n手球がポケットに落ちました\nあなたの持ちカードが１枚追加されます\n\n"
    "「OK」クリックして、カードを１枚取り、\n次のプレーヤーに交代してください\n"
    "次のプレーヤーは手玉を左スポットの縦線上の任意場所に\n手玉を置くことができます\n"
    "コンピュータ反則の場合、カードは自動追加されます";

inline constexpr const char* kFoulWrongBallMessage =
    "反則です!\n持ちカードでない番号の玉がポケットに落としました\n落とした玉はすべてスポットへ戻されます\n"
    "持ちカードが１枚追加されます\n\n「OK」をクリックしてカード１枚を取り、次のプレーヤーに交代してください\n"
    "コンピュータ反則の場合、カードは自動追加されます";

// The lucky discard: head, the ball number in decimal, tail.
inline constexpr const char* kLuckyHead = "ラッキー! 只今配ったカードに対応する\n「 ";
inline constexpr const char* kLuckyTail =
    "」番の球\nはすでにポケットに入ったので\nこのカードはすぐに捨てられます";

// A foul that can give no card says so instead of dealing.
inline constexpr const char* kDeckExhaustedMessage =
    "カードの山にカードが残っていないので、\nカードは追加されません";
inline constexpr const char* kHandFullMessage =
    "持ちカードが３９枚に達しているので、\nカードは追加されません";

// The card-draw dialog.
inline constexpr const char* kCardDrawTitle = "持ちのカード追加";
inline constexpr const char* kCardDrawInstruction = "カード山をクリックしてカードを１枚取ってください";
inline constexpr const char* kCardDrawReminder = "カード山をクリックして、カードを１枚取ってください";

inline constexpr const char* kCurrentPlayer1 = "現在のプレーヤーは Player1 です";
inline constexpr const char* kCurrentPlayer2 = "現在のプレーヤーは Player2 です";

} // namespace rules
