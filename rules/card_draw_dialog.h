// The card-draw dialog: the player clicks the deck to take the foul card.
#pragma once
#include <QDialog>

#include "rules/game_services.h"

class QLabel;
class QPushButton;

namespace rules {

class Game;

inline constexpr int kCardDrawDialogId = 266;
inline constexpr int kTopCardControl = 187;
inline constexpr int kInstructionControl = 143;

class CCardDrawDlg final : public QDialog {
    Q_OBJECT
public:
    CCardDrawDlg(Game& game, QWidget* parent = nullptr);

    bool CardTaken() const { return cardTaken_; }
    QWidget* TopCard() const { return topCard_; }
    QLabel* Instruction() const { return instruction_; }
    QPushButton* OkButton() const { return ok_; }
    QLabel* TakenCard() const { return taken_; }

    // OK, the Enter key included: before a card was taken it reminds the player and stays open.
    void OnOK();
    // Escape and the close box act as OK: the dialog never closes without its card.
    void reject() override { OnOK(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnTopCardReleased();

    Game& game_;
    QWidget* topCard_ = nullptr;
    QLabel* instruction_ = nullptr;
    QLabel* taken_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool cardTaken_ = false;
};

// The person's card prompt of the real game: runs the dialog modally over `parent`.
class DialogCardDraw final : public CardDrawPrompt {
public:
    explicit DialogCardDraw(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    void Run(Game& game) override;
private:
    QWidget* parent_;
};

} // namespace rules
