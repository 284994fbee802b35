#include "ChartPainter.h"
#include "ChildFrame.h"
#include "SampleHistory.h"
#include "StepTimerFactory.h"
#include "VorlintView.h"
#include "WindowState.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int kChartWidth = 1500;
constexpr int kChartHeight = 600;

/// A full history in which every series moves: a point settling on its set point with the
/// controller's terms and power, so that every column draws six sloped segments.
void fillHistory(SampleHistory& history) {
    for (std::size_t i = 0; i < SampleHistory::kCapacity; ++i) {
        const double t = static_cast<double>(i) * 0.01;
        const double swing = std::exp(-t * 0.3) * std::cos(t * 3.0);
        Sample sample;
        sample.setPoint = 1500.0;
        sample.point = 1500.0 - 1200.0 * swing;
        sample.error = sample.setPoint - sample.point;
        sample.proportional = sample.error * 0.5;
        sample.integral = 800.0 * (1.0 - std::exp(-t * 0.2));
        sample.derivative = -400.0 * std::sin(t * 3.0) * std::exp(-t * 0.3);
        sample.power = std::fmod(40.0 + 60.0 * swing + 100.0, 100.0);
        history.push_back(sample);
    }
}

/// The chart painter alone, on an off-screen image of the chart's size like the view's.
void PaintFullChart(benchmark::State& state) {
    SampleHistory history;
    fillHistory(history);
    const CWindowState allSeriesShown;
    QImage image(kChartWidth, kChartHeight, QImage::Format_RGB32);
    const QRect client(0, 0, kChartWidth, kChartHeight);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintChart(painter, client, history, allSeriesShown, ChartStyle());
    }
}
BENCHMARK(PaintFullChart)->Unit(benchmark::kMillisecond)->ReportAggregatesOnly(true);

/// The view's whole paint: chart into the off-screen pixmap, one copy to the target, FPS figure.
void ViewOnDraw(benchmark::State& state) {
    CVorlintView view;
    view.resize(kChartWidth, kChartHeight);
    view.show();
    fillHistory(view.m_history);
    QImage target(kChartWidth, kChartHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&target);
        view.OnDraw(painter, view.rect());
    }
}
BENCHMARK(ViewOnDraw)->Unit(benchmark::kMillisecond)->ReportAggregatesOnly(true);

/// Runs the event loop for about `ms` milliseconds; returns the seconds it really ran.
double runEventLoop(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    loop.exec();
    return clock.nsecsElapsed() * 1e-9;
}

/// Wake-ups per second of a bare step timer at 1 ms that has nothing to do: the most steps a window
/// could make on this machine at this moment.
double bareTimerWakeRate() {
    const std::unique_ptr<CStepTimer> timer = CreateStepTimer();
    int wakes = 0;
    QObject::connect(timer.get(), &CStepTimer::tick, [&wakes] { ++wakes; });
    timer->Start(1);
    const double seconds = runEventLoop(1000);
    timer->Stop();
    return wakes / seconds;
}

/// Steps per second of each of N windows running side by side for one second, each repainting its
/// chart and refreshing its panels after every step, as in the application (PID mode). Beside it, the
/// wake-up rate of a bare timer measured in the same iteration, just before the windows run.
void RunningWindows(benchmark::State& state) {
    const int windows = static_cast<int>(state.range(0));
    double stepsPerWindow = 0.0;
    double seconds = 0.0;
    double bareWakeRate = 0.0;
    for (auto _ : state) {
        bareWakeRate += bareTimerWakeRate();
        std::vector<std::unique_ptr<CChildFrame>> frames;
        for (int i = 0; i < windows; ++i) {
            frames.push_back(std::make_unique<CChildFrame>());
            frames.back()->resize(800, 500);
            frames.back()->show();
            CVorlintView* view = frames.back()->View();
            view->OnInitialUpdate();
            view->m_bPid = true;
            view->m_dKp = 0.5;
            view->m_dKi = 2.0;
            view->m_dSetPoint = 1500.0;
            frames.back()->ExchangePanels(false);
        }
        // The windows' first paint, a whole window each, is part of opening them, not of running.
        runEventLoop(100);
        for (auto& frame : frames)
            frame->View()->OnStart();
        seconds += runEventLoop(1000);
        for (auto& frame : frames)
            frame->View()->OnStop();
        // Fewer than the history's 1500 samples fit in one second at a 1 ms period.
        for (auto& frame : frames)
            stepsPerWindow += static_cast<double>(frame->View()->m_history.size()) / windows;
    }
    state.counters["steps/s per window"] = stepsPerWindow / seconds;
    state.counters["bare timer wakes/s"] = bareWakeRate / static_cast<double>(state.iterations());
}
BENCHMARK(RunningWindows)->Arg(1)->Arg(4)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
