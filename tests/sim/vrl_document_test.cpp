#include "VrlDocument.h"

#include "Simulation.h"
#include "WholeNumberText.h"

#include <gtest/gtest.h>

namespace {

TEST(VrlDocumentTest, ReadsWindowsThroughTheSettingsTableAndTheExercise) {
    VrlDocument document;
    std::string problem;
    ASSERT_TRUE(readVrlDocument(R"({"format": "vorlint", "version": 1, "teacher": "Ana",
        "windows": [{"kp": 2, "antiWindup": "backcalc", "future": 1,
                     "events": [{"atS": 1.5, "power": 40, "setPoint": 900, "later": 1}]},
                    {"noiseSeed": "0009007199254740993"}],
        "exercise": {"title": "Degrau", "instructions": "Sintonize.", "hidePlant": true, "runS": 30,
                     "events": [{"atS": 0, "bumpless": true, "noiseSeed": 9007199254740991}],
                     "checks": [{"figure": "overshoot_pct", "max": 10, "window": 2}, {"figure": "recovery_time_s", "atS": 0}]}})",
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
    EXPECT_FALSE(exercise.checks[0].hasAtS);
    EXPECT_TRUE(exercise.checks[1].hasAtS);
    EXPECT_STREQ(exercise.checks[1].FigureName(), "recovery_time_s");

    ASSERT_TRUE(readVrlDocument("", document, problem));
    EXPECT_EQ(document.windows.size(), 1u);
    EXPECT_FALSE(document.hasExercise);
}

TEST(VrlDocumentTest, RefusesWhatTheApplicationRefusesAndBadEventsAndChecks) {
    const std::string head = R"({"format": "vorlint", "version": 1, )";
    const std::pair<std::string, std::string> rows[] = {
        {"{\"format\": \"vorlint\", \"version\": 1, \"windows\": [{\"kp\": 1e999}]}",
         "a number out of range (1e999) at byte 55"},
        {"{\"format\": \"vorlint\",}", "not JSON (expected a key in double quotes at byte 21)"},
        {R"({"format": "vorlint", "version": 2})",
         "version 2 comes from a newer Vorlint; this one reads version 1"},
        {head + R"("windows": [{"lagCount": 6}]})",
         "windows[0].lagCount: expected a whole number from 0 to 5"},
        {head + R"("windows": [{"setPoint": "1"}]})",
         "windows[0].setPoint: expected a number from 0 to 3000"},
        {head + R"("windows": [{"noiseSeed": 9007199254740992}]})",
         "windows[0].noiseSeed: expected a whole number from 0 to 9007199254740991, or its digits in a text "
         "up "
         "to 18446744073709551615"},
        {head + R"("windows": [{"noiseSeed": "18446744073709551616"}]})",
         "windows[0].noiseSeed: expected a whole number from 0 to 9007199254740991, or its digits in a text "
         "up "
         "to 18446744073709551615"},
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
         "itae, time_saturated_s, peak_deviation, peak_deviation_time_s, recovery_time_s"},
        {head +
             R"("exercise": {"events": [{"atS": 2, "setPoint": 100}], "checks": [{"figure": "iae", "atS": 3}]}})",
         "exercise.checks[0].atS: expected the time of one of the exercise's events"},
        {head + R"("exercise": {"checks": [{"figure": "iae", "min": 2, "max": 1}]}})",
         "exercise.checks[0].min: above max"},
        {head + R"("exercise": {"checks": [{"figure": "iae", "window": 0}]}})",
         "exercise.checks[0].window: expected a whole number from 1 to 100"},
        {head + R"("exercise": {"checks": [3]}})", "exercise.checks[0]: expected an object"},
    };
    for (const auto& [text, expected] : rows) {
        VrlDocument document;
        std::string problem;
        EXPECT_FALSE(readVrlDocument(text, document, problem)) << text;
        EXPECT_EQ(problem, expected) << text;
    }
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
