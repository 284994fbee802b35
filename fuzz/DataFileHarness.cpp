#include "EngineChecks.h"
#include "Harnesses.h"
#include "WorkingDirectory.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

using namespace fuzz;

namespace {

namespace fs = std::filesystem;

// The input is "constants.dat", then "units.dat", then formulas, one a line, cut at this separator.
// Without a separator the same bytes serve as both files.
constexpr std::string_view kSectionSeparator = "\n%%\n";

// Longest line the loaders keep (the rest of a longer line is dropped).
constexpr std::size_t kConstantsLineLimit = 199;
constexpr std::size_t kUnitsLineLimit = 255;

constexpr std::size_t kMaxReferences = 8;
constexpr std::size_t kMaxCategories = 4;
constexpr std::size_t kMaxInputFormulas = 8;

const std::vector<VariableValue> kDialogBindings = {{"p", 2.0}, {"t", 3.0}, {"dt", 5.0}};

struct Sections {
    std::string_view constants;
    std::string_view units;
    std::string_view formulas;
};

std::string_view takeSection(std::string_view& rest) {
    const std::size_t end = rest.find(kSectionSeparator);
    const std::string_view section = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + kSectionSeparator.size());
    return section;
}

Sections splitSections(std::string_view input) {
    const bool separated = input.find(kSectionSeparator) != std::string_view::npos;
    Sections sections;
    sections.constants = takeSection(input);
    sections.units = separated ? takeSection(input) : sections.constants;
    sections.formulas = input;
    return sections;
}

// Each write gets a later modification time than the one before, so that a loader that keeps what it
// read by file identity sees every new content.
void writeDataFile(const char* name, std::string_view content, bool present) {
    static const auto firstTime = fs::file_time_type::clock::now();
    static int writes = 0;
    std::error_code error;
    fs::remove(name, error);
    if (!present) {
        return;
    }
    {
        std::ofstream file(name, std::ios::binary);
        file.write(content.data(), static_cast<std::streamsize>(content.size()));
        require(file.good(), "cannot write a data file", name);
    }
    fs::last_write_time(name, firstTime + std::chrono::seconds(++writes), error);
    require(!error, "cannot set the modification time of a data file", name);
}

void checkLineLength(const std::string& text, std::size_t limit, const char* what) {
    if (text.size() > limit) {
        invariantBroken(std::string(what) + " longer than the line limit", printable(text));
    }
}

void checkGroups(const std::vector<ConstantGroup>& groups) {
    for (const ConstantGroup& group : groups) {
        checkLineLength(group.name, kConstantsLineLimit, "constant group name");
        for (const ConstantEntry& entry : group.entries) {
            checkLineLength(entry.name, kConstantsLineLimit, "constant name");
            checkLineLength(entry.valueText, kConstantsLineLimit, "constant value text");
        }
        checkGroups(group.subgroups);
    }
}

void checkCategories(const std::vector<UnitCategory>& categories) {
    for (const UnitCategory& category : categories) {
        for (const std::string* field :
             {&category.name, &category.firstSystem, &category.thirdHeaderLine, &category.secondSystem,
              &category.fifthHeaderLine, &category.crossFactor}) {
            checkLineLength(*field, kUnitsLineLimit, "unit category header line");
        }
        for (const UnitDefinition& unit : category.units) {
            checkLineLength(unit.name, kUnitsLineLimit, "unit name");
            checkLineLength(unit.system, kUnitsLineLimit, "unit system");
            checkLineLength(unit.factor, kUnitsLineLimit, "unit factor");
        }
    }
}

// References to the first loaded constants, each written as the group path and the name in parentheses.
void addConstantReferences(const std::vector<ConstantGroup>& groups, const std::string& prefix,
                           std::vector<std::string>& references) {
    for (const ConstantGroup& group : groups) {
        if (references.size() >= kMaxReferences) {
            return;
        }
        const std::string path = prefix + group.name + "|";
        addConstantReferences(group.subgroups, path, references);
        for (std::size_t i = 0; i < group.entries.size() && references.size() < kMaxReferences; ++i) {
            references.push_back("(" + path + group.entries[i].name + ")*2");
        }
    }
}

// Conversions between the first, the middle and the last unit of the first categories.
void addUnitConversions(const std::vector<UnitCategory>& categories, std::vector<std::string>& formulas) {
    for (std::size_t c = 0; c < categories.size() && c < kMaxCategories; ++c) {
        const std::vector<UnitDefinition>& units = categories[c].units;
        if (units.empty()) {
            continue;
        }
        const std::size_t last = units.size() - 1;
        for (auto [from, to] :
             {std::pair{std::size_t{0}, last}, {last, std::size_t{0}}, {last / 2, last / 2}}) {
            formulas.push_back("3(" + units[from].name + "->" + units[to].name + ")");
        }
    }
}

void addInputFormulas(std::string_view text, std::vector<std::string>& formulas) {
    for (std::size_t taken = 0; !text.empty() && taken < kMaxInputFormulas; ++taken) {
        const std::size_t end = text.find('\n');
        formulas.emplace_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
}

std::vector<std::string> formulasUsing(const EquationEngine& engine, std::string_view inputFormulas) {
    std::vector<std::string> formulas = {"212(Fahrenheit->Celsius)"};
    std::vector<std::string> references;
    addConstantReferences(engine.ConstantGroups().groups(), "", references);
    formulas.insert(formulas.end(), references.begin(), references.end());
    addUnitConversions(engine.UnitCategories().categories(), formulas);
    addInputFormulas(inputFormulas, formulas);
    return formulas;
}

} // namespace

void FuzzDataFiles(const std::uint8_t* data, std::size_t size) {
    enterPrivateWorkingDirectory(DataFileChoice::None);
    const WorkTimer timer;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const Sections sections = splitSections(input);
    // The last byte chooses the decimal mark and which files exist (mostly both).
    const std::uint8_t choice = size == 0 ? 0 : data[size - 1];
    writeDataFile("constants.dat", sections.constants, (choice & 6) != 4);
    writeDataFile("units.dat", sections.units, (choice & 6) != 2);

    EquationEngine engine;
    engine.decimalComma = choice & 1;
    timer.check("loading the data files", input);
    checkGroups(engine.ConstantGroups().groups());
    checkCategories(engine.UnitCategories().categories());
    for (const std::string& formula : formulasUsing(engine, sections.formulas)) {
        evaluateChecked(engine, formula, kDialogBindings, timer);
    }
}
