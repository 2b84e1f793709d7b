// SPDX-License-Identifier: MIT
// The Select Game dialog: the list of games, a saved game to continue, or cancel.
#include "players/SelectGameDlg.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <map>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "images/DialogTemplate.h"
#include "images/DibStatic.h"
#include "platform/Cp1252.h"
#include "platform/DialogUnits.h"
#include "platform/File.h"
#include "platform/GamePaths.h"
#include "platform/GameSwitches.h"
#include "platform/Services.h"
#include "players/GameList.h"
#include "players/Player.h"
#include "players/SavedGamesDlg.h"
#include "resources/ResourceIds.h"

using dlgtemplate::AddButton;
using dlgtemplate::Place;

namespace {

// The list keeps each game's title and stem as the file spelled them, byte for byte: the
// title keys the player's records, and a shown text need not turn back into the same bytes.
constexpr int kTitleRole = Qt::UserRole;
constexpr int kStemRole = Qt::UserRole + 1;
// What is shown on the right of a title: its level and how the player stands with it.
constexpr int kSideRole = Qt::UserRole + 2;

// Each row: the title on the left, its level and the player's marks on the right, in grey.
class GameRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const QString side = index.data(kSideRole).toString();
        if (side.isEmpty()) {
            return;
        }
        painter->save();
        const bool selected = option.state & QStyle::State_Selected;
        painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                                 : QColor(70, 70, 90));
        painter->drawText(option.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                          side);
        painter->restore();
    }
};

QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string String(const QVariant& value) {
    const QByteArray bytes = value.toByteArray();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

CSelectGameDlg::CSelectGameDlg(CPlayer& currentPlayer, QWidget* parent)
    : CFixedCellDialog(parent), m_player(currentPlayer) {
    setObjectName("selectGameDialog");
    setProperty("templateId", ids::IDD_SELECT_GAME);
    setWindowTitle(tr("Select Game To Play"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const platform::PixelRect size = platform::DluToPixels(0, 0, 292, 186);
    resize(size.width, size.height);

    m_pHead = new CDibStatic(this);
    Place(m_pHead, ids::IDC_DIB_PICTURE, "headPicture", 66, 4, 160, 48);
    m_pList = new QListWidget(this);
    Place(m_pList, ids::IDC_GAME_LIST, "gameList", 8, 58, 200, 104);
    m_pList->setItemDelegate(new GameRowDelegate(m_pList));
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);

    m_pOk = AddButton(this, ids::IDOK, "okButton", tr("Play Selected Game"), 214, 58, 70, 14);
    m_pOk->setDefault(true);
    m_pOk->setEnabled(false);
    m_pOpenSaved = AddButton(this, ids::IDC_OPEN_SAVED_GAME, "openSavedGameButton",
                             tr("Open Saved Game"), 214, 76, 70, 14);
    m_pOpenSaved->setEnabled(false);
    m_pCancel =
        AddButton(this, ids::IDC_SELECT_GAME_CANCEL, "cancelButton", tr("Cancel"), 214, 94, 70, 14);
    m_pHelp = AddButton(this, ids::IDHELP, "helpButton", tr("Help"), 214, 148, 70, 14);
    m_pQuickInstructions = new QCheckBox(tr("Show Quick Instructions upon Startup"), this);
    Place(m_pQuickInstructions, ids::IDC_QUICK_INSTRUCTIONS_BOX, "quickInstructionsBox", 8, 168,
          276, 10);

    connect(m_pList, &QListWidget::itemSelectionChanged, this, &CSelectGameDlg::OnSelChange);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, &CSelectGameDlg::OnOK);
    connect(m_pOk, &QPushButton::clicked, this, &CSelectGameDlg::OnOK);
    connect(m_pOpenSaved, &QPushButton::clicked, this, &CSelectGameDlg::OnOpenSavedGame);
    connect(m_pCancel, &QPushButton::clicked, this, &CSelectGameDlg::OnCancel);
    connect(m_pHelp, &QPushButton::clicked, this, &CSelectGameDlg::OnHelp);
}

CSelectGameDlg::~CSelectGameDlg() = default;

bool CSelectGameDlg::OnInitDialog() {
    CFixedCellDialog::OnInitDialog();
    setFixedSize(size());
    m_pQuickInstructions->setChecked(m_bShowQuickInstructions);

    // A head picture that cannot be opened is told as one that cannot be read (the picture
    // control reports that one itself); its place stays blank.
    int cause = platform::kNone;
    if (!m_pHead->LoadPicture(platform::GamePaths::Data() + "Head.bmp", &cause) &&
        cause != platform::kNone) {
        platform::MessageBox("Error reading DIB file.");
    }

    const std::map<std::string, GameLevel> levels =
        ReadGameLevels(platform::GamePaths::Data() + "levels.dat");
    // The record the game would pick for a title (its first) and the titles saved in progress,
    // each looked up once rather than for every game of the list.
    std::unordered_map<std::string_view, const CMathGameStats*> records;
    for (const auto& record : m_player.Stats()) {
        records.emplace(record->m_strTitle, record.get());
    }
    std::unordered_set<std::string_view> saved;
    for (const CSavedGame* game : m_player.OfferedSavedGames()) {
        saved.insert(game->m_strTitle);
    }
    for (const GameListEntry& game : ReadGameList(platform::GamePaths::Program() + kGameListFile)) {
        // Made whole before it joins the list: an item made inside the list is searched for
        // among all the items already there while it is being made.
        auto* item = new QListWidgetItem(platform::FromCp1252(game.title));
        item->setData(kTitleRole, Bytes(game.title));
        item->setData(kStemRole, Bytes(game.stem));
        QStringList side;
        if (auto level = levels.find(game.stem); level != levels.end()) {
            // Shown as "easy · place value".
            const GameLevel& shown = level->second;
            side << platform::FromCp1252(shown.level +
                                         (shown.topic.empty() ? "" : " \xB7 " + shown.topic));
        }
        if (auto record = records.find(game.title);
            record != records.end() && record->second->m_bFinished) {
            side << QStringLiteral("\u2713 %1").arg(record->second->m_nScore);
        }
        if (saved.count(game.title) != 0) {
            side << QStringLiteral("\u270e saved");
        }
        item->setData(kSideRole, side.join(QStringLiteral("   ")));
        m_pList->addItem(item);
    }

    m_pOpenSaved->setEnabled(m_bHasSavedGames);
    platform::PlayGameSound("data\\new.wav");

    if (m_bStartUp) {
        m_pCancel->setText(tr("Quit Game"));
    } else {
        // Quick instructions are offered at start-up only; a game chosen later starts
        // without them unless the player ticks the box again.
        m_bShowQuickInstructions = false;
        m_pQuickInstructions->setChecked(false);
    }
    CenterDialog(*this);
    return true;
}

void CSelectGameDlg::OnSelChange() {
    m_pOk->setEnabled(!m_pList->selectedItems().isEmpty());
}

void CSelectGameDlg::OnOK() {
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    m_strSelectedTitle = String(selected.front()->data(kTitleRole));
    m_strSelectedGameStem = String(selected.front()->data(kStemRole));
    if (m_player.HasSavedGame(m_strSelectedTitle) &&
        platform::MessageBox("This will overwrite a previously saved game.", "Confirmation",
                             platform::MB_OKCANCEL | platform::MB_ICONQUESTION) != platform::IDOK) {
        return;
    }
    CloseWith(ids::IDOK);
}

void CSelectGameDlg::OnOpenSavedGame() {
    std::string title;
    std::string stem;
    if (!RunSavedGames(title, stem)) {
        return;
    }
    m_strSelectedTitle = title;
    m_strSelectedGameStem = stem;
    CloseWith(ids::IDC_OPEN_SAVED_GAME);
}

void CSelectGameDlg::OnCancel() {
    if (m_bStartUp &&
        platform::MessageBox("Are you sure you want to quit?", "Confirmation",
                             platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES) {
        return;
    }
    // Cancel keeps the box as the caller set it: only a game chosen reads it back.
    done(ids::IDC_SELECT_GAME_CANCEL);
}

void CSelectGameDlg::OnHelp() {
    platform::WinHelp(platform::HelpCommand::Contents);
}

void CSelectGameDlg::reject() {
    OnCancel();
}

bool CSelectGameDlg::RunSavedGames(std::string& title, std::string& stem) {
    CSavedGamesDlg dialog(m_player, this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    title = dialog.m_strTitle;
    stem = dialog.m_strGameStem;
    return true;
}

void CSelectGameDlg::CloseWith(int result) {
    m_bShowQuickInstructions = m_pQuickInstructions->isChecked();
    done(result);
}
