#include "VrlDocument.h"

#include "Simulation.h"
#include "WholeNumberText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

std::string repeated(const std::string& text, std::size_t times) {
    std::string all;
    for (std::size_t i = 0; i < times; ++i)
        all += text;
    return all;
}

TEST(VrlDocumentTest, ReadsWindowsThroughTheSettingsTableAndTheExercise) {
    VrlDocument document;
    std::string problem;
    ASSERT_TRUE(readVrlDocument(R"({"format": "vorlint", "version": 1, "teacher": "Ana",
        "windows": [{"kp": 2, "antiWindup": "backcalc", "future": 1,
                     "events": [{"atS": 1.5, "power": 40, "setPoint": 900, "later": 1}]},
                    {"noiseSeed": "0009007199254740993"}],
        "exercise": {"title": "Degrau", "instructions": "Sintonize.", "hidePlant": true, "runS": 30,
                     "events": [{"atS": 0, "bumpless": true, "noiseSeed": 9007199254740991}],
                     "checks": [{"figure": "overshoot_pct", "max": 10, "window": 2}, {"figure": "iae"}]}})",
                                document, problem))
        << problem;
    ASSERT_EQ(document.windows.size(), 2u);
    const VrlWindowSetup& first = document.windows[0];
    ASSERT_EQ(first.settings.size(), 2u);
    EXPECT_STREQ(first.settings[0].row->fileKey, "kp");
    EXPECT_EQ(first.settings[0].value.number, 2.0);
    EXPECT_EQ(first.settings[1].value.number, static_cast<double>(AntiWindup::BackCalculation));
    ASSERT_EQ(first.events.size(), 2u) << "one event per setting, in the table's order";
    EXPECT_STREQ(first.events[0].change.row->fileKey, "setPoint");
    EXPECT_STREQ(first.events[1].change.row->fileKey, "power");
    EXPECT_EQ(first.events[1].atS, 1.5);
    ASSERT_EQ(document.windows[1].settings.size(), 1u);
    EXPECT_EQ(document.windows[1].settings[0].value.text, "9007199254740993") << "a seed beyond 2^53, exact";

    const Exercise& exercise = document.exercise;
    ASSERT_TRUE(document.hasExercise);
    EXPECT_EQ(exercise.title, "Degrau");
    EXPECT_EQ(exercise.instructions, "Sintonize.");
    EXPECT_TRUE(exercise.hidePlant);
    EXPECT_EQ(exercise.runS, 30.0);
    ASSERT_EQ(exercise.events.size(), 2u);
    EXPECT_EQ(exercise.events[0].change.value.text, "9007199254740991") << "the largest seed as a number";
    EXPECT_EQ(exercise.events[1].change.value.number, 1.0);
    ASSERT_EQ(exercise.checks.size(), 2u);
    EXPECT_EQ(exercise.checks[0].figure, 4u);
    EXPECT_FALSE(exercise.checks[0].HasMin());
    EXPECT_EQ(exercise.checks[0].max, 10.0);
    EXPECT_EQ(exercise.checks[0].window, 2u);
    EXPECT_EQ(exercise.checks[1].window, 0u) << "every window";

    ASSERT_TRUE(readVrlDocument("", document, problem));
    EXPECT_EQ(document.windows.size(), 1u);
    EXPECT_FALSE(document.hasExercise);
}

TEST(VrlDocumentTest, RefusesWhatTheApplicationRefusesAndBadEventsAndChecks) {
    const std::string head = R"({"format": "vorlint", "version": 1, )";
    const std::pair<std::string, std::string> rows[] = {
        {"{\"format\": \"vorlint\", \"version\": 1, \"windows\": [{\"kp\": 1e999}]}",
         "windows[0].kp: a number out of range (1e999)"},
        {"{\"format\": \"vorlint\",}",
         "not JSON (syntax error while parsing object key - unexpected '}'; expected string literal at byte 22)"},
        {R"({"format": "vorlint", "version": 2})",
         "version 2 comes from a newer Vorlint; this one reads version 1"},
        {head + R"("windows": [{"lagCount": 6}]})",
         "windows[0].lagCount: expected a whole number from 0 to 5"},
        {head + R"("windows": [{"setPoint": "1"}]})",
         "windows[0].setPoint: expected a number from 0 to 3000"},
        {head + R"("windows": [{"noiseSeed": -1}]})",
         "windows[0].noiseSeed: expected a whole number from 0 to 18446744073709551615, or its digits in a text"},
        {head + R"("windows": [{"noiseSeed": "18446744073709551616"}]})",
         "windows[0].noiseSeed: expected a whole number from 0 to 18446744073709551615, or its digits in a text"},
        {head + R"("windows": [{}, 3]})", "windows[1]: expected an object"},
        {head + R"("windows": [{"events": [{"atS": -1, "kp": 1}]}]})",
         "windows[0].events[0].atS: expected a finite number of 0 or more"},
        {head + R"("windows": [{"events": [{"atS": 1, "later": 1}]}]})",
         "windows[0].events[0]: expected a setting besides atS"},
        {head + R"("windows": [{"events": [{"atS": 1, "deadTimeS": -1}]}]})",
         "windows[0].events[0].deadTimeS: expected a finite number of 0 or more"},
        {head + R"("windows": [{"events": {}}]})", "windows[0].events: expected a list"},
        {head + R"("exercise": []})", "exercise: expected an object"},
        {head + R"("exercise": {"runS": -1}})", "exercise.runS: expected a finite number of 0 or more"},
        {head + R"("exercise": {"hidePlant": 1}})", "exercise.hidePlant: expected true or false"},
        {head + R"("exercise": {"events": [{"atS": 0, "power": true}]}})",
         "exercise.events[0].power: expected a number from 0 to 100"},
        {head + R"("exercise": {"checks": [{"figure": "overshoot"}]}})",
         "exercise.checks[0].figure: expected one of response_start_step, initial_point, setpoint, "
         "rise_time_s, overshoot_pct, peak, peak_time_s, settling_time_s, steady_state_error, iae, ise, "
         "itae, time_saturated_s"},
        {head + R"("exercise": {"checks": [{"figure": "iae", "min": 2, "max": 1}]}})",
         "exercise.checks[0].min: above max"},
        {head + R"("exercise": {"checks": [{"figure": "iae", "window": 0}]}})",
         "exercise.checks[0].window: expected a whole number from 1 to 100"},
        {head + R"("exercise": {"checks": [3]}})", "exercise.checks[0]: expected an object"},
        {head + R"("windows": [{}], "exercise": {"checks": [{"figure": "iae"}, {"figure": "iae", "window": 2}]}})",
         "exercise.checks[1].window: names window 2 of 1"},
        {head + R"("exercise": {"variants": [{"key": "pid", "min": 0, "max": 1}]}})",
         "exercise.variants[0].key: expected a number setting's key"},
        {head + R"("exercise": {"variants": [{"key": "deadTimeS", "min": 2, "max": -1}]}})",
         "exercise.variants[0].max: expected a finite number of 0 or more"},
        {head + R"("exercise": {"variants": [{"key": "deadTimeS", "min": 2, "max": 1}]}})",
         "exercise.variants[0].min: above max"},
        {head + R"("exercise": {"locked": 1}})", "exercise.locked: expected true or false"},
        {head + R"("student": {"name": ")" + std::string(201, 'a') + R"("}})",
         "student.name: expected a text of at most 200 characters"},
        {head + R"("student": {"id": 7}})", "student.id: expected a text of at most 200 characters"},
        {head + R"("exercise": {"checks": [)" + repeated(R"({"figure": "iae"},)", 1000) + "{}]}}",
         "exercise.checks: more than 1000 checks"},
        {head + R"("windows": [{"events": [)" + repeated(R"({"atS": 0, "kp": 1},)", 10000) + "{}]}]}",
         "windows[0].events: more than 10000 events"},
    };
    for (const auto& [text, expected] : rows) {
        VrlDocument document;
        std::string problem;
        EXPECT_FALSE(readVrlDocument(text, document, problem)) << text;
        EXPECT_EQ(problem, expected) << text;
    }
}

TEST(VrlDocumentTest, WritesBackWhatItReadUnknownKeysAndUneditedListsAsTheyCame) {
    const std::string text =
        R"({"exercise":{"checks":[{"figure":"iae","later":1}],"locked":true,"note":[1,{"x":null}],)"
        R"("variantSeed":"18446744073709551615","variants":[{"key":"deadTimeS","max":3,"min":0.5,"step":0.5}]},)"
        R"("format":"vorlint","student":{"id":"a-1","name":"Ana Sá","x":2},"teacher":{"é":1e-300},"version":1,)"
        R"("windows":[{"events":[{"atS":1.5,"kp":2,"later":"x"}],"future":18446744073709551615,"kp":0.30000000000000004,)"
        R"("noiseSeed":18446744073709551615}]})";
    VrlDocument document;
    std::string problem;
    ASSERT_TRUE(readVrlDocument("\xEF\xBB\xBF" + text, document, problem)) << problem;
    EXPECT_EQ(document.windows[0].settings[1].value.text, "18446744073709551615") << "a seed as a number, exact";
    EXPECT_TRUE(document.exercise.locked);
    EXPECT_EQ(document.exercise.variantSeed, UINT64_MAX);
    ASSERT_EQ(document.exercise.variants.size(), 1u);
    EXPECT_STREQ(document.exercise.variants[0].row->fileKey, "deadTimeS");
    EXPECT_EQ(document.exercise.variants[0].step, 0.5);
    EXPECT_EQ(document.student.name, "Ana Sá");
    std::string written;
    ASSERT_TRUE(writeVrlDocument(document, written, problem)) << problem;
    const std::string seed = R"("noiseSeed":18446744073709551615)";
    EXPECT_EQ(written, std::string(text).replace(text.find(seed), seed.size(),
                                                   R"("noiseSeed":"18446744073709551615")"))
        << "no byte-order mark; a seed above 2^53 - 1 as digits in a text";

    document.windows[0].events[0].atS = 2.0;
    document.exercise.checks[0].max = 5.0;
    document.windows.push_back(document.windows[0]);
    document.windows[1].settings[0].value.number = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(writeVrlDocument(document, written, problem));
    EXPECT_EQ(problem, "windows[1].kp: expected a finite number");
    EXPECT_TRUE(written.empty());
    document.windows.pop_back();
    ASSERT_TRUE(writeVrlDocument(document, written, problem)) << problem;
    EXPECT_NE(written.find(R"("checks":[{"figure":"iae","max":5}])"), std::string::npos) << written;
    EXPECT_NE(written.find(R"("events":[{"atS":2,"kp":2}])"), std::string::npos) << written;
}

// What every JSON reader gives back exactly is written as a number, the rest as digits.
TEST(SeedInFileTest, SeedsUpTo2To53Minus1AreWrittenAsNumbers) {
    double number = 0.0;
    EXPECT_TRUE(seedIsWrittenAsNumber("9007199254740991", number));
    EXPECT_EQ(number, 9007199254740991.0);
    EXPECT_FALSE(seedIsWrittenAsNumber("9007199254740992", number));
    EXPECT_EQ(seedDigitsOfText("0042"), "42");
    EXPECT_EQ(seedDigitsOfNumber(0.5), "");
}

} // namespace
