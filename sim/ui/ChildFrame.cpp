#include "ChildFrame.h"

#include "SettingsTable.h"

#include "DialogPanel.h"
#include "FieldTint.h"
#include "PanelExchange.h"
#include "PanelScroller.h"
#include "PanelText.h"
#include "SimulationScales.h"
#include "UpDownControl.h"
#include "VorlintView.h"

#include <QCheckBox>
#include <QDockWidget>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSlider>

#include <algorithm>

namespace {

constexpr int kSliderBarId = 100;
constexpr int kControlBarId = 101;
constexpr int kSetPointPositions = 300000;
constexpr int kPowerPositions = 10000;
constexpr int kTickFrequency = 5;
/// The trackbars stop this many pixels short of the view's height.
constexpr int kTrackbarMargin = 20;
/// Each up-down click moves its gain by this much per unit of the click's change.
constexpr double kGainStep = 0.1;

/// Takes the place of a dock's caption and takes no room: a docked panel shows no title.
class NoTitleBar : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return QSize(0, 0); }
};

template <typename T> T& control(const CDialogPanel* panel, int id) {
    T* widget = panel->Control<T>(id);
    Q_ASSERT(widget != nullptr);
    return *widget;
}

} // namespace

CChildFrame::CChildFrame(QWidget* parent)
    : QMainWindow(parent), m_pView(new CVorlintView(this)), m_pSliderPanel(new CDialogPanel(kSliderDialog)),
      m_pControlPanel(new CDialogPanel(kControlDialog)),
      m_wndSliderBar(CreateDock(m_pSliderPanel, kSliderBarId, Qt::RightDockWidgetArea)),
      m_wndControlBar(
          CreateDock(new CPanelScroller(m_pControlPanel), kControlBarId, Qt::BottomDockWidgetArea)) {
    setCentralWidget(m_pView);
    // The bottom panel runs the whole width; the trackbar panel stands beside the view only.
    setCorner(Qt::BottomLeftCorner, Qt::BottomDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::BottomDockWidgetArea);
    m_pSliderPanel->setFixedWidth(m_pSliderPanel->sizeHint().width());
    m_pView->installEventFilter(this);
    m_pView->SetPanelHook(this);
    ConnectNotifications();
}

CChildFrame::~CChildFrame() {
    // The view, a child widget, is destroyed after this part of the frame: it must not call back into it.
    m_pView->SetPanelHook(nullptr);
}

QDockWidget* CChildFrame::CreateDock(QWidget* panel, int barId, Qt::DockWidgetArea area) {
    auto* dock = new QDockWidget(this);
    dock->setObjectName(QString::number(barId));
    dock->setWidget(panel);
    // Each panel belongs to its one side of the window, without a caption.
    dock->setAllowedAreas(area);
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setTitleBarWidget(new NoTitleBar(dock));
    addDockWidget(area, dock);
    return dock;
}

void CChildFrame::ConnectNotifications() {
    using namespace ControlId;
    const CDialogPanel* panel = m_pControlPanel;
    connect(&control<QPushButton>(panel, Reset), &QPushButton::clicked, this, &CChildFrame::OnReset);
    connect(&control<QCheckBox>(panel, Pid), &QCheckBox::clicked, this, &CChildFrame::OnPidClicked);
    connect(&control<QCheckBox>(panel, OnOff), &QCheckBox::clicked, this, &CChildFrame::OnOnOffClicked);
    for (int id : {Kp, Kd, SimStep, RealStep})
        connect(&control<QLineEdit>(panel, id), &QLineEdit::textChanged, this, &CChildFrame::Save);
    connect(&control<QLineEdit>(panel, Ki), &QLineEdit::textChanged, this, &CChildFrame::OnKiChanged);
    for (int id : {Kp, Ki, Kd})
        tintWhenInvalid(control<QLineEdit>(panel, id), isPanelNumber);
    for (int id : {SimStep, RealStep})
        tintWhenInvalid(control<QLineEdit>(panel, id), isPanelUnsigned);
    // A negative integral divisor or derivative gain is never what a click means; typed, it is taken.
    ConnectUpDown(KpSpin, &CSimulation::m_dKp, false);
    ConnectUpDown(KiSpin, &CSimulation::m_dKi, true);
    ConnectUpDown(KdSpin, &CSimulation::m_dKd, true);
    for (int id : {ShowError, ShowProportional, ShowIntegral, ShowDerivative, ShowPower})
        connect(&control<QCheckBox>(panel, id), &QCheckBox::clicked, this, &CChildFrame::Save);
    for (int id : {Power, SetPoint}) {
        QSlider* trackbar = &control<QSlider>(m_pSliderPanel, id);
        connect(trackbar, &QSlider::valueChanged, this, &CChildFrame::Save);
        connect(trackbar, &QSlider::sliderReleased, this, &CChildFrame::Save);
    }
    // A drag moves the set point in small changes whose spacing depends on the speed: held down, the
    // trackbar's changes make a ramp however far apart they come.
    const QSlider* setPoint = &control<QSlider>(m_pSliderPanel, SetPoint);
    connect(setPoint, &QSlider::valueChanged, this, [this, setPoint] {
        if (setPoint->isSliderDown())
            m_pView->m_bSetPointByHand = true;
    });
}

void CChildFrame::ConnectUpDown(int upDownId, double CSimulation::*gain, bool bStopAtZero) {
    connect(&control<CUpDownControl>(m_pControlPanel, upDownId), &CUpDownControl::deltaPos, this,
            [this, gain, bStopAtZero](int delta) { OnGainDelta(gain, delta, bStopAtZero); });
}

void CChildFrame::PrepareTrackbars() {
    QSlider& setPoint = control<QSlider>(m_pSliderPanel, ControlId::SetPoint);
    QSlider& power = control<QSlider>(m_pSliderPanel, ControlId::Power);
    setPoint.setRange(0, kSetPointPositions);
    power.setRange(0, kPowerPositions);
    for (QSlider* trackbar : {&setPoint, &power}) {
        trackbar->setTickInterval(kTickFrequency);
        trackbar->setPageStep(trackbar->maximum() / 5);
    }
}

void CChildFrame::ActivateFrame() {
    FitTrackbars();
    Load();
}

void CChildFrame::FitTrackbars() {
    const int height = std::max(0, m_pView->height() - kTrackbarMargin);
    for (int id : {ControlId::Power, ControlId::SetPoint}) {
        QSlider& trackbar = control<QSlider>(m_pSliderPanel, id);
        trackbar.resize(trackbar.width(), height);
        trackbar.show();
    }
}

bool CChildFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pView && event->type() == QEvent::Resize)
        FitTrackbars();
    return QMainWindow::eventFilter(watched, event);
}

bool CChildFrame::event(QEvent* event) {
    // Inside an MDI area the frame learns of its activation from the sub-window that holds it.
    if (event->type() == QEvent::ParentChange) {
        if (auto* subWindow = qobject_cast<QMdiSubWindow*>(parentWidget()))
            connect(subWindow, &QMdiSubWindow::aboutToActivate, this, &CChildFrame::ActivateFrame,
                    Qt::UniqueConnection);
    }
    return QMainWindow::event(event);
}

void CChildFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    ActivateFrame();
}

void CChildFrame::ExchangePanels(bool bSave) {
    // A load rewrites texts, whose change notifications would start a nested exchange.
    if (m_bExchanging)
        return;
    const QScopedValueRollback<bool> exchanging(m_bExchanging, true);
    using namespace ControlId;
    CVorlintView& view = *m_pView;
    const CDialogPanel* panel = m_pControlPanel;
    exchangeNumber(control<QLineEdit>(panel, Kp), view.m_dKp, bSave);
    exchangeNumber(control<QLineEdit>(panel, Ki), view.m_dKi, bSave);
    exchangeNumber(control<QLineEdit>(panel, Kd), view.m_dKd, bSave);
    exchangeUnsigned(control<QLineEdit>(panel, SimStep), view.m_nSimStepMs, bSave);
    exchangeCheck(control<QCheckBox>(panel, Pid), view.m_bPid, bSave);
    exchangeCheck(control<QCheckBox>(panel, OnOff), view.m_bOnOff, bSave);
    exchangeCheck(control<QCheckBox>(panel, ShowError), view.m_bShowError, bSave);
    exchangeCheck(control<QCheckBox>(panel, ShowProportional), view.m_bShowProportional, bSave);
    exchangeCheck(control<QCheckBox>(panel, ShowIntegral), view.m_bShowIntegral, bSave);
    exchangeCheck(control<QCheckBox>(panel, ShowDerivative), view.m_bShowDerivative, bSave);
    exchangeCheck(control<QCheckBox>(panel, ShowPower), view.m_bShowPower, bSave);
    if (!bSave)
        LoadDisplays();
    ExchangeRealStep(bSave);
    // A vertical trackbar has its minimum position at the top, where the high end of the scale is.
    exchangeTrackbar(control<QSlider>(m_pSliderPanel, SetPoint), view.m_dSetPoint, bSave, kPointScale.high,
                     kPointScale.low);
    exchangeTrackbar(control<QSlider>(m_pSliderPanel, Power), view.m_dPower, bSave, kPowerScale.high,
                     kPowerScale.low);
}

void CChildFrame::LoadDisplays() {
    using namespace ControlId;
    const CDialogPanel* panel = m_pControlPanel;
    loadDisplay(control<QLabel>(panel, Cps), m_pView->m_dCps, kCpsFormat);
    loadDisplay(control<QLabel>(panel, Fps), m_pView->m_dFps, kFpsFormat);
    loadDisplay(control<QLabel>(panel, LastP), m_pView->m_dLastP, kTermFormat);
    loadDisplay(control<QLabel>(panel, Integral), m_pView->m_dIntegral, kTermFormat);
    loadDisplay(control<QLabel>(panel, LastD), m_pView->m_dLastD, kTermFormat);
}

void CChildFrame::ExchangeRealStep(bool bSave) {
    QLineEdit& edit = control<QLineEdit>(m_pControlPanel, ControlId::RealStep);
    const std::uint32_t oldPeriod = m_pView->m_nRealStepMs;
    exchangeUnsigned(edit, m_pView->m_nRealStepMs, bSave);
    const std::uint32_t newPeriod = m_pView->m_nRealStepMs;
    if (bSave && newPeriod != oldPeriod)
        m_pView->OnRealStepChanged(newPeriod);
}

void CChildFrame::ApplySettings(const std::vector<SettingChange>& changes) {
    Save();
    const std::uint32_t oldPeriod = m_pView->m_nRealStepMs;
    SettingTarget target{*m_pView, m_pView};
    for (const SettingChange& change : changes)
        applySetting(target, *change.row, change.value);
    Load();
    // The panels hold what the step reads; the view takes back the values as they show them.
    Save();
    // The field already shows the new period, so the exchange saw no change: a running timer is re-armed
    // here.
    if (m_pView->m_nRealStepMs != oldPeriod)
        m_pView->OnRealStepChanged(m_pView->m_nRealStepMs);
}

void CChildFrame::OnReset() {
    Save();
    m_pView->ResetIntegral();
    Load();
}

void CChildFrame::OnPidClicked() {
    Save();
    m_pView->SetPid(control<QCheckBox>(m_pControlPanel, ControlId::Pid).isChecked());
    Load();
}

void CChildFrame::OnOnOffClicked() {
    Save();
    m_pView->SetOnOff(control<QCheckBox>(m_pControlPanel, ControlId::OnOff).isChecked());
    Load();
}

void CChildFrame::OnKiChanged() {
    // Also when a load rewrites the text after an up-down click: that click gave Ki a new value too.
    m_pView->SetKi(parsePanelNumber(control<QLineEdit>(m_pControlPanel, ControlId::Ki).text()));
    Save();
}

void CChildFrame::OnGainDelta(double CSimulation::*gain, int delta, bool bStopAtZero) {
    Save();
    double& value = m_pView->*gain;
    value -= delta * kGainStep;
    if (bStopAtZero && value < 0.0)
        value = 0.0;
    Load();
}
