#include "SetupOptions.h"

#include "NumberText.h"
#include "QuotedValue.h"

#include <limits>

bool isSetupOption(const std::string& option) {
    if (option.rfind("--", 0) != 0) {
        return false;
    }
    const SettingRow* row = settingByOption(option.substr(2));
    return row != nullptr && row->isSetup();
}

bool takeSetupOption(const std::string& option, const std::string& value, std::vector<SimSetting>& settings,
                     std::string& error) {
    SimSetting setting;
    if (parseSetting(option.substr(2), value, setting, error) != SettingParse::Ok) {
        return false;
    }
    settings.push_back(setting);
    return true;
}

SimulationSetup setupFrom(const std::vector<SimSetting>& settings, double& setPoint) {
    auto simulation = std::make_unique<CSimulation>();
    simulation->m_dSetPoint = setPoint;
    for (const SimSetting& setting : settings) {
        applySetting(*simulation, setting);
    }
    setPoint = simulation->m_dSetPoint;
    return SetupOf(*simulation);
}

bool parseStepCount(const std::string& value, std::uint64_t& steps, std::string& error) {
    if (!parseCount(value, std::numeric_limits<std::uint64_t>::max(), steps)) {
        error = "--steps needs a whole number, not " + quoted(value);
        return false;
    }
    return true;
}
