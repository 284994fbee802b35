#include "KeyIndicators.h"

#include "LockKeyState.h"

#include <QLabel>
#include <QStatusBar>

namespace {

constexpr int kRefreshPeriodMs = 250;

/// A pane greys out when the state is unknown; a key that is off blanks its pane.
void ShowPaneState(QLabel* pane, const QString& text, std::optional<bool> on) {
    pane->setEnabled(on.has_value());
    pane->setText(!on.has_value() || *on ? text : QString());
}

} // namespace

CKeyIndicators::CKeyIndicators(QStatusBar& statusBar)
    : QObject(&statusBar), m_pCaps(AddPane(statusBar, tr("CAP"))), m_pNum(AddPane(statusBar, tr("NUM"))),
      m_pScroll(AddPane(statusBar, tr("SCRL"))) {
    connect(&m_timer, &QTimer::timeout, this, &CKeyIndicators::Update);
    m_timer.start(kRefreshPeriodMs);
    Update();
}

QLabel* CKeyIndicators::AddPane(QStatusBar& statusBar, const QString& text) {
    auto* pane = new QLabel(text, &statusBar);
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    // Blanking a pane must not move the others: every pane keeps the width of the widest text.
    pane->setFixedWidth(pane->fontMetrics().horizontalAdvance(tr("SCRL")) + 8);
    statusBar.addPermanentWidget(pane);
    return pane;
}

void CKeyIndicators::Update() {
    const std::optional<LockKeyState> state = ReadLockKeyState();
    // A platform that cannot tell the keys now will not tell them later either.
    if (!state)
        m_timer.stop();
    Show(state);
}

void CKeyIndicators::Show(const std::optional<LockKeyState>& state) {
    const auto key = [&](bool LockKeyState::*field) {
        return state ? std::optional<bool>((*state).*field) : std::nullopt;
    };
    ShowPaneState(m_pCaps, tr("CAP"), key(&LockKeyState::capsLock));
    ShowPaneState(m_pNum, tr("NUM"), key(&LockKeyState::numLock));
    ShowPaneState(m_pScroll, tr("SCRL"), key(&LockKeyState::scrollLock));
}
