#include "EquationEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

// The data files shipped with Vorlint, checked value by value against the defined and CODATA values.
namespace {

const std::filesystem::path kDataFolder = VORLINT_SHIPPED_DATA_DIR;

const double kPi = std::acos(-1.0);
const double kC = 299792458.0;
const double kH = 6.62607015e-34;
const double kBoltzmann = 1.380649e-23;
const double kAvogadro = 6.02214076e23;
const double kMu0 = 1.25663706212e-6;
const double kAu = 149597870700.0;

/// Runs the engine with the shipped files in the working directory.
class ShippedFilesTest : public testing::Test {
protected:
    ShippedFilesTest() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(kDataFolder);
    }
    ~ShippedFilesTest() override { std::filesystem::current_path(previous_); }

    double evaluate(const std::string& formula) {
        EquationEngine engine;
        const CurrentEngineScope scope(engine);
        double result = 0.0;
        EXPECT_EQ(engine.Evaluate(formula, {}, result), 0) << formula;
        return result;
    }

private:
    std::filesystem::path previous_;
};

void collectReferences(const std::vector<ConstantGroup>& groups, const std::string& prefix,
                       std::set<std::string>& references) {
    for (const ConstantGroup& group : groups) {
        collectReferences(group.subgroups, prefix + group.name + "|", references);
        for (const ConstantEntry& entry : group.entries)
            references.insert("(" + prefix + group.name + "|" + entry.name + ")");
    }
}

struct Expected {
    double value;
    double relativeTolerance;
};

// Exactly defined values, and derived ones, to the precision of a double; measured ones to their digits.
const std::map<std::string, Expected> kConstants = {
    {"(Matematica|pi)", {kPi, 1e-15}},
    {"(Matematica|e)", {std::exp(1.0), 1e-15}},
    {"(Matematica|phi)", {(1 + std::sqrt(5.0)) / 2, 1e-15}},
    {"(Matematica|raiz2)", {std::sqrt(2.0), 1e-15}},
    {"(Matematica|raiz3)", {std::sqrt(3.0), 1e-15}},
    {"(Matematica|ln2)", {std::log(2.0), 1e-15}},
    {"(Matematica|ln10)", {std::log(10.0), 1e-15}},
    {"(Matematica|gama)", {0.57721566490153286, 1e-15}},
    {"(Matematica|Angulos|grau)", {kPi / 180, 1e-15}},
    {"(Matematica|Angulos|radiano)", {180 / kPi, 1e-15}},
    {"(Fisica|c)", {kC, 1e-15}},
    {"(Fisica|G)", {6.67430e-11, 1e-12}},
    {"(Fisica|g)", {9.80665, 1e-15}},
    {"(Fisica|Quantica|h)", {kH, 1e-12}},
    {"(Fisica|Quantica|hbar)", {kH / (2 * kPi), 1e-12}},
    {"(Fisica|Quantica|e)", {1.602176634e-19, 1e-12}},
    {"(Fisica|Quantica|me)", {9.1093837015e-31, 1e-12}},
    {"(Fisica|Quantica|mp)", {1.67262192369e-27, 1e-12}},
    {"(Fisica|Quantica|mn)", {1.67492749804e-27, 1e-12}},
    {"(Fisica|Quantica|u)", {1.66053906660e-27, 1e-12}},
    {"(Fisica|Termo|kB)", {kBoltzmann, 1e-12}},
    {"(Fisica|Termo|NA)", {kAvogadro, 1e-12}},
    {"(Fisica|Termo|R)", {kAvogadro * kBoltzmann, 1e-12}},
    {"(Fisica|Termo|sigma)",
     {2 * std::pow(kPi, 5) * std::pow(kBoltzmann, 4) / (15 * std::pow(kH, 3) * kC * kC), 1e-12}},
    {"(Fisica|Termo|T0)", {273.15, 1e-15}},
    {"(Fisica|Termo|atm)", {101325.0, 1e-15}},
    // mu0 is measured since 2019; it differs from 4 pi 10^-7 by less than a part in 10^9
    {"(Fisica|Eletro|mu0)", {4 * kPi * 1e-7, 1e-9}},
    {"(Fisica|Eletro|eps0)", {1 / (kMu0 * kC * kC), 1e-10}},
    {"(Fisica|Eletro|ke)", {kMu0 * kC * kC / (4 * kPi), 1e-10}},
    {"(Astronomia|ua)", {kAu, 1e-15}},
    {"(Astronomia|anoluz)", {365.25 * 86400 * kC, 1e-15}},
    {"(Astronomia|pc)", {kAu * 648000 / kPi, 1e-15}},
};

TEST_F(ShippedFilesTest, EveryConstantHasItsKnownValue) {
    std::set<std::string> references;
    collectReferences(EquationEngine().ConstantGroups().groups(), "", references);
    std::set<std::string> expected;
    for (const auto& [reference, value] : kConstants)
        expected.insert(reference);
    EXPECT_EQ(references, expected);
    for (const auto& [reference, value] : kConstants)
        EXPECT_NEAR(evaluate(reference), value.value, value.relativeTolerance * std::fabs(value.value))
            << reference;
}

// The size of each unit in the SI unit of its category, from the unit definitions.
const double kFoot = 0.3048;
const double kInch = 0.0254;
const double kPound = 0.45359237;
const double kStandardGravity = 9.80665;
const double kPoundForce = kPound * kStandardGravity;
const double kBtu = 1055.05585262;
const double kHorsepower = 550 * kFoot * kPoundForce;

const std::map<std::string, std::map<std::string, double>> kUnitSizes = {
    {"comprimento",
     {{"m", 1},
      {"cm", 0.01},
      {"mm", 0.001},
      {"km", 1000},
      {"um", 1e-6},
      {"nmi", 1852},
      {"ft", kFoot},
      {"in", kInch},
      {"yd", 3 * kFoot},
      {"mi", 1609.344}}},
    {"área",
     {{"m2", 1},
      {"cm2", 1e-4},
      {"mm2", 1e-6},
      {"km2", 1e6},
      {"ha", 1e4},
      {"ft2", kFoot* kFoot},
      {"in2", kInch* kInch},
      {"yd2", 0.83612736},
      {"acre", 4046.8564224},
      {"mi2", 1609.344 * 1609.344}}},
    {"volume",
     {{"m3", 1},
      {"L", 1e-3},
      {"mL", 1e-6},
      {"cm3", 1e-6},
      {"ft3", kFoot* kFoot* kFoot},
      {"in3", kInch* kInch* kInch},
      {"yd3", 0.764554857984},
      {"gal", 3.785411784e-3},
      {"bbl", 0.158987294928}}},
    {"massa",
     {{"kg", 1},
      {"g", 1e-3},
      {"mg", 1e-6},
      {"t", 1000},
      {"lb", kPound},
      {"oz", 0.028349523125},
      {"gr", 64.79891e-6},
      {"ton", 907.18474},
      {"slug", kPoundForce / kFoot}}},
    {"tempo",
     {{"s", 1},
      {"ms", 1e-3},
      {"us", 1e-6},
      {"min", 60},
      {"h", 3600},
      {"d", 86400},
      {"semana", 604800},
      {"ano", 31557600}}},
    {"velocidade",
     {{"m/s", 1},
      {"km/h", 1 / 3.6},
      {"kn", 1852.0 / 3600},
      {"ft/s", kFoot},
      {"in/s", kInch},
      {"mph", 0.44704}}},
    {"força",
     {{"N", 1},
      {"kN", 1000},
      {"kgf", kStandardGravity},
      {"dyn", 1e-5},
      {"lbf", 4.4482216152605},
      {"kip", 4448.2216152605},
      {"pdl", 0.138254954376}}},
    {"pressão",
     {{"Pa", 1},
      {"kPa", 1e3},
      {"MPa", 1e6},
      {"bar", 1e5},
      {"atm", 101325},
      {"torr", 101325.0 / 760},
      {"mmHg", 133.322387415},
      {"mH2O", 9806.65},
      {"kgf/cm2", 98066.5},
      {"psi", 6894.757293168361},
      {"psf", 6894.757293168361 / 144},
      {"ksi", 6894757.293168361}}},
    {"energia",
     {{"J", 1},
      {"kJ", 1e3},
      {"MJ", 1e6},
      {"Wh", 3600},
      {"kWh", 3.6e6},
      {"cal", 4.1868},
      {"kcal", 4186.8},
      {"eV", 1.602176634e-19},
      {"BTU", kBtu},
      {"ftlbf", kFoot* kPoundForce},
      {"inlbf", kInch* kPoundForce}}},
    {"potência",
     {{"W", 1},
      {"kW", 1e3},
      {"MW", 1e6},
      {"cv", 735.49875},
      {"kcal/h", 4186.8 / 3600},
      {"hp", 745.69987158227022},
      {"ftlbf/s", kFoot* kPoundForce},
      {"BTU/h", kBtu / 3600},
      {"TR", 12000 * kBtu / 3600}}},
};

TEST_F(ShippedFilesTest, EveryConversionBetweenUnitsOfACategoryIsRight) {
    const std::vector<UnitCategory> categories = EquationEngine().UnitCategories().categories();
    std::set<std::string> names;
    for (const UnitCategory& category : categories)
        names.insert(category.name);
    ASSERT_EQ(names.size(), kUnitSizes.size());
    for (const UnitCategory& category : categories) {
        ASSERT_TRUE(kUnitSizes.count(category.name)) << category.name;
        const auto& sizes = kUnitSizes.at(category.name);
        ASSERT_EQ(category.units.size(), sizes.size()) << category.name;
        for (const UnitDefinition& from : category.units) {
            ASSERT_TRUE(sizes.count(from.name)) << from.name;
            for (const UnitDefinition& to : category.units) {
                const double expected = sizes.at(from.name) / sizes.at(to.name);
                EXPECT_NEAR(evaluate("1(" + from.name + "->" + to.name + ")"), expected, 1e-12 * expected)
                    << from.name << " -> " << to.name;
            }
        }
    }
}

TEST_F(ShippedFilesTest, UnitNamesAreDistinctAndEasyToType) {
    std::set<std::string> names;
    for (const UnitCategory& category : EquationEngine().UnitCategories().categories()) {
        EXPECT_NE(category.firstSystem, category.secondSystem);
        for (const UnitDefinition& unit : category.units) {
            EXPECT_TRUE(names.insert(unit.name).second) << unit.name;
            EXPECT_EQ(unit.name.find_first_not_of(
                          "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/"),
                      std::string::npos)
                << unit.name;
            EXPECT_TRUE(unit.system == category.firstSystem || unit.system == category.secondSystem)
                << unit.name;
        }
    }
}

} // namespace
