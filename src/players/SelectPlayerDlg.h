// SPDX-License-Identifier: MIT
// The Select Player dialog: pick a player from the index or type a new one; at start-up, from
// the New Player command, and to choose whose statistics to see.
#pragma once

#include <QDialog>
#include <string>

class CItemTextListBox;
class CPlayer;
class QLineEdit;
class QPushButton;

// Said when a typed name holds a letter the player file cannot keep.
inline constexpr char kNameOutsideCodePage[] =
    "This name cannot be kept: please type it with the letters of Western European languages, "
    "digits and signs only.";

class CSelectPlayerDlg : public QDialog {
    Q_OBJECT

public:
    // startupMode: Cancel reads "Quit Game" and asks first. statsMode: OK reads "Done" and
    // leaves the current player alone.
    explicit CSelectPlayerDlg(CPlayer& currentPlayer, bool startupMode = false,
                              bool statsMode = false, QWidget* parent = nullptr);

    void reject() override;

    // The dialog's events, also for tests.
    void OnSelChange();
    void OnEditChange();
    void OnEditKillFocus();
    void OnOK();
    void OnStatistics();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Centred as it shows: on the main frame, or on its screen while the frame is not shown.
    void showEvent(QShowEvent* event) override;
    // Shows a player's statistics; the dialog's owner may show them its own way.
    virtual void RunPlayerStats(CPlayer& player);

private:
    // The typed name as the files spell it, with no line breaks or other control characters.
    std::string EditText() const;

    CPlayer& m_player;
    bool m_bStartupMode;
    bool m_bStatsMode;
    CItemTextListBox* m_pList = nullptr;
    QLineEdit* m_pEdit = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pStats = nullptr;
    QPushButton* m_pCancel = nullptr;
};
