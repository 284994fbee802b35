#pragma once

#include "PanelHook.h"
#include "SettingsTable.h"

#include <QMainWindow>

#include <vector>

class CDialogPanel;
class CSimulation;
class CVorlintView;
class QDockWidget;

/// One simulation window: the view as central widget, the trackbar panel docked on the right and the
/// control panel docked at the bottom. The panels keep no state: ExchangePanels copies every value
/// between their controls and the view, in which the frame installs itself as the panel hook.
class CChildFrame : public QMainWindow, public CPanelHook {
    Q_OBJECT

public:
    explicit CChildFrame(QWidget* parent = nullptr);
    ~CChildFrame() override;

    CVorlintView* View() const { return m_pView; }
    /// Copies the panels' values into the view (bSave) or the view's values into the panels.
    void ExchangePanels(bool bSave) override;
    /// Gives the trackbars their ranges and tick frequency (the view's initial update calls it).
    void PrepareTrackbars() override;
    /// Fits the trackbars to the view's height and refreshes the panels; run when the frame is
    /// shown or becomes the active window.
    void ActivateFrame();
    /// Puts `changes` into the view and the panels as if typed and clicked, with what each setting also
    /// does (a new Ki clears the integral); the view then takes back the values as the panels show
    /// them, so that the next step reads exactly what the student sees.
    void ApplySettings(const std::vector<SettingChange>& changes) override;

    CDialogPanel* SliderPanel() const { return m_pSliderPanel; }
    CDialogPanel* ControlPanel() const { return m_pControlPanel; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QDockWidget* CreateDock(QWidget* panel, int barId, Qt::DockWidgetArea area);
    void ConnectNotifications();
    /// Lets an up-down step `gain`; with `bStopAtZero` a step never leaves it below 0.
    void ConnectUpDown(int upDownId, double CSimulation::*gain, bool bStopAtZero);
    void FitTrackbars();
    void LoadDisplays();
    void ExchangeRealStep(bool bSave);

    void OnReset();
    void OnPidClicked();
    void OnOnOffClicked();
    void OnKiChanged();
    void OnGainDelta(double CSimulation::*gain, int delta, bool bStopAtZero);
    void Save() { ExchangePanels(true); }
    void Load() { ExchangePanels(false); }

    bool m_bExchanging = false;
    CVorlintView* m_pView;
    CDialogPanel* m_pSliderPanel;
    CDialogPanel* m_pControlPanel;
    QDockWidget* m_wndSliderBar;
    QDockWidget* m_wndControlBar;
};
