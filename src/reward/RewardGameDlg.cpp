// SPDX-License-Identifier: MIT
// The reward game dialog "Vizaz ida Dova!".
#include "reward/RewardGameDlg.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "images/AnimDibStatic.h"
#include "images/DibStatic.h"
#include "images/FixedCellDialog.h"
#include "platform/Cp1252.h"
#include "platform/DialogUnits.h"
#include "platform/File.h"
#include "platform/GamePaths.h"
#include "platform/GameSwitches.h"
#include "platform/Services.h"
#include "resources/ResourceIds.h"
#include "reward/AntsData.h"
#include "reward/HighScoresDlg.h"

namespace {

constexpr int kDialogWidth = 640;
constexpr int kDialogHeight = 520;
constexpr int kBackgroundWidth = 640;
constexpr int kBackgroundHeight = 480;

void Place(QWidget* widget, int id, const QString& name, int x, int y, int width, int height) {
    widget->setProperty("controlId", id);
    widget->setObjectName(name);
    const platform::PixelRect r = platform::DluToPixels(x, y, width, height);
    widget->setGeometry(r.x, r.y, r.width, r.height);
}

}  // namespace

CRewardGameDlg::CRewardGameDlg(QWidget* parent) : QDialog(parent) {
    setProperty("controlId", ids::IDD_REWARD_GAME);
    setObjectName(QStringLiteral("RewardGameDlg"));
    setWindowTitle(QStringLiteral("Vizaz ida Dova!"));
    const platform::PixelRect size = platform::DluToPixels(0, 0, 427, 320);
    resize(size.width, size.height);

    // The background first, so the sprites lie over it.
    m_pBackground = new CDibStatic(this);
    Place(m_pBackground, ids::IDC_REWARD_BACKGROUND, QStringLiteral("Background"), 0, 0, 427, 295);
    for (int i = 0; i < CRewardGame::kSpriteCount; ++i) {
        auto* sprite = new CAnimDibStatic(this);
        Place(sprite, ids::IDC_REWARD_SPRITE_FIRST + i, QStringLiteral("Sprite%1").arg(i + 1), 0, 0,
              10, 10);
        m_sprites[static_cast<size_t>(i)] = sprite;
        m_game.AttachSprite(i, &sprite->Sprite());
    }

    auto* fishLabel = new QLabel(QStringLiteral("Fish Caught :"), this);
    Place(fishLabel, -1, QStringLiteral("FishCaughtLabel"), 10, 300, 50, 10);
    m_pFishCaught = new QLabel(this);
    Place(m_pFishCaught, ids::IDC_FISH_CAUGHT, QStringLiteral("FishCaught"), 62, 300, 30, 10);
    auto* timeLabel = new QLabel(QStringLiteral("Time Left :"), this);
    Place(timeLabel, -1, QStringLiteral("TimeLeftLabel"), 330, 300, 45, 10);
    m_pTimeLeft = new QLabel(this);
    Place(m_pTimeLeft, ids::IDC_TIME_LEFT, QStringLiteral("TimeLeft"), 377, 300, 30, 10);
    ShowTexts();

    m_timer.setInterval(CRewardGame::kTickMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &CRewardGameDlg::OnTimer);
}

CRewardGameDlg::~CRewardGameDlg() {
    m_timer.stop();
}

CAnimDibStatic* CRewardGameDlg::SpriteControl(int index) const {
    return index >= 0 && index < CRewardGame::kSpriteCount ? m_sprites[static_cast<size_t>(index)]
                                                           : nullptr;
}

void CRewardGameDlg::SetUp(int score, const std::string& playerName) {
    m_game.Start(score, playerName);
    ShowTexts();
}

int CRewardGameDlg::Run(int score, const std::string& playerName) {
    SetUp(score, playerName);
    m_bEnded = false;
    if (!m_bInitialised) {
        OnInitDialog();
    }
    if (m_bEnded) {
        return result();
    }
    return exec();
}

bool CRewardGameDlg::OnInitDialog() {
    m_bInitialised = true;
    setFixedSize(kDialogWidth, kDialogHeight);
    m_pBackground->resize(kBackgroundWidth, kBackgroundHeight);
    CenterDialog(*this);

    const std::string antsFolder = platform::GamePaths::Ants();
    CAntsData data;
    if (!data.Read(platform::GamePaths::Program() + CAntsData::kDataFile)) {
        platform::MessageBox("Unable to load data file!", "File Error");
        done(platform::IDCANCEL);
        return false;
    }

    // A background that cannot be opened is reported like one that cannot be read, and the
    // game goes on over a blank field.
    const std::string background = data.BackgroundPath(antsFolder);
    int cause = platform::kNone;
    if (background.empty() ||
        (!m_pBackground->LoadPicture(background, &cause) && cause != platform::kNone)) {
        platform::MessageBox("Error reading DIB file.");
    }

    const QPoint origin = m_pBackground->pos();
    for (int i = 0; i < CRewardGame::kSpriteCount; ++i) {
        const AntSprite& entry = data.m_sprites[static_cast<size_t>(i)];
        CAnimDibStatic* sprite = m_sprites[static_cast<size_t>(i)];
        SpriteRect& hit = sprite->Sprite().m_rectHit;
        hit.left = entry.x + origin.x();
        hit.top = entry.y + origin.y();
        hit.right = hit.left + entry.width;
        hit.bottom = hit.top + entry.height;
        sprite->setGeometry(hit.left, hit.top, std::max(entry.width, 0), std::max(entry.height, 0));
        sprite->LoadFrames(m_pBackground->Palette(), data.FramePrefix(i, antsFolder), entry.width,
                           entry.height);
    }

    platform::PlayGameSound("data\\startant.wav");
    m_timer.start();
    return true;
}

void CRewardGameDlg::ShowTexts() {
    m_pFishCaught->setText(platform::FromCp1252(m_game.FishCaughtText()));
    m_pTimeLeft->setText(platform::FromCp1252(m_game.TimeLeftText()));
}

void CRewardGameDlg::OnTimer() {
    switch (m_game.OnTick()) {
        case CRewardGame::Tick::Waiting:
            return;
        case CRewardGame::Tick::Running:
            ShowTexts();
            return;
        case CRewardGame::Tick::TimeUp:
            ShowTexts();
            EndGame();
            done(platform::IDCANCEL);
            return;
    }
}

void CRewardGameDlg::EndGame() {
    if (m_bGameEnded) {
        return;
    }
    m_bGameEnded = true;
    m_timer.stop();
    const CRewardGame::Result result = m_game.EndGame();
    CHighScoresDlg scores(this);
    scores.Run(result.strScoreEntry, result.strResultText);
}

void CRewardGameDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_bGameEnded) {
        QDialog::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    m_game.OnClick(point.x(), point.y());
    ShowTexts();
}

void CRewardGameDlg::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape leave at once: no result and no entry in the high scores.
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            done(platform::IDOK);
            return;
        case Qt::Key_Escape:
            done(platform::IDCANCEL);
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CRewardGameDlg::closeEvent(QCloseEvent* event) {
    // Closing the window ends the game with the fish caught so far.
    if (m_bInitialised && !m_bGameEnded) {
        EndGame();
    }
    if (isVisible()) {
        done(platform::IDCANCEL);
    }
    event->accept();
}

void CRewardGameDlg::done(int result) {
    m_timer.stop();
    m_bEnded = true;
    QDialog::done(result);
}

void CRewardGameDlg::reject() {
    done(platform::IDCANCEL);
}

void CRewardGameDlg::setVisible(bool visible) {
    if (visible && !m_bInitialised) {
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}
