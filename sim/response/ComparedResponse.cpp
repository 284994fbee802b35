#include "ComparedResponse.h"

#include "RoundTripNumber.h"
#include "SettingsTable.h"
#include "Simulation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

/// A CSV field holding `text`, quoted when it holds a comma, a quote or a line break.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string field = "\"";
    for (char c : text) {
        field += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return field + '"';
}

/// Every T at which one of `responses` has a sample, earliest first, each once.
std::vector<std::int64_t> allTimes(const std::vector<ComparedResponse>& responses) {
    std::vector<std::int64_t> times;
    for (const ComparedResponse& response : responses) {
        times.insert(times.end(), response.timeMs.begin(), response.timeMs.end());
    }
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());
    return times;
}

/// The gains noted with the setup at the response's start; the simulation's own when none was noted.
PidGains GainsAtStart(const CSimulation& simulation, const StepResponseFigures& figures) {
    const SetupValues* setup =
        std::isnan(figures.responseStartStep)
            ? nullptr
            : simulation.m_setups.At(static_cast<std::uint64_t>(figures.responseStartStep));
    if (setup == nullptr) {
        return {simulation.m_dKp, simulation.m_dKi, simulation.m_dKd};
    }
    const auto gain = [setup](const char* option) {
        return ValueOf(*setup, *settingByOption(option)).number;
    };
    return {gain("kp"), gain("ki"), gain("kd")};
}

} // namespace

ComparedResponse LatestResponse(const CSimulation& simulation) {
    ComparedResponse response;
    response.figures = simulation.m_stepResponse.Figures();
    response.gains = GainsAtStart(simulation, response.figures);
    const RunRecording& recording = simulation.m_recording;
    if (recording.empty() || std::isnan(response.figures.responseStartStep)) {
        return response;
    }
    // The start of the response's first step, on the run's clock; a sample of the response ends after
    // it, one from before ends at it or earlier.
    const double start = recording[recording.size() - 1].sample.timeS - simulation.m_stepResponse.ElapsedS();
    for (std::size_t i = recording.size(); i-- > 0;) {
        const std::int64_t timeMs = std::llround((recording[i].sample.timeS - start) * 1000.0);
        if (timeMs <= 0) {
            break;
        }
        response.timeMs.push_back(timeMs);
        response.points.push_back(recording[i].sample.point);
    }
    std::reverse(response.timeMs.begin(), response.timeMs.end());
    std::reverse(response.points.begin(), response.points.end());
    return response;
}

double NormalizedPoint(double point, const StepResponseFigures& figures) {
    const double change = figures.setPoint - figures.initialPoint;
    return change != 0.0 ? (point - figures.initialPoint) / change : std::numeric_limits<double>::quiet_NaN();
}

std::vector<double> ShownValues(const ComparedResponse& response, bool normalized) {
    std::vector<double> values = response.points;
    if (normalized) {
        for (double& value : values) {
            value = NormalizedPoint(value, response.figures);
        }
    }
    return values;
}

std::string ComparedResponsesCsv(const std::vector<std::string>& names,
                                 const std::vector<ComparedResponse>& responses, bool normalized) {
    std::string out = "time_s";
    for (const std::string& name : names) {
        out += ',' + csvField(name);
    }
    out += '\n';
    std::vector<std::vector<double>> values;
    for (const ComparedResponse& response : responses) {
        values.push_back(ShownValues(response, normalized));
    }
    std::vector<std::size_t> next(responses.size(), 0);
    for (std::int64_t timeMs : allTimes(responses)) {
        appendNumber(out, static_cast<double>(timeMs) / 1000.0);
        for (std::size_t r = 0; r < responses.size(); ++r) {
            out += ',';
            const std::vector<std::int64_t>& times = responses[r].timeMs;
            // Steps of no time leave samples at the T of the one before: the row shows the last.
            while (next[r] + 1 < times.size() && times[next[r] + 1] <= timeMs) {
                ++next[r];
            }
            if (next[r] < times.size() && times[next[r]] == timeMs) {
                appendNumber(out, values[r][next[r]++]);
            }
        }
        out += '\n';
    }
    return out;
}
