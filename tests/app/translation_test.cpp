#include "AppTestSupport.h"
#include "CommandIds.h"
#include "DialogPanel.h"
#include "ExpressaoDlg.h"
#include "FrequencyLabTexts.h"
#include "InterfaceTranslations.h"
#include "PrintHeader.h"
#include "TuningRules.h"
#include "VrlFile.h"

#include <QBuffer>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QTextBrowser>

namespace {

/// A sample of the interface as one language shows it; the texts as written where there is none.
struct LanguageSample {
    const char* language;
    std::vector<std::string> menuTitles;
    const char* formulaCommand;
    const char* panelGroup;
    const char* formulaDialogTitle;
    const char* formulaDialogCancel;
    const char* formulaDialogHelp;
    const char* guideHeading;
    /// The frequency lab's reason for a step of 0 s, written in English for the command line.
    const char* noSamplingReason;
    /// Refusals of a file's events and exercise, which the command line gives in English.
    const char* eventRefusal;
    const char* exerciseRefusal;
    /// A tuning rule's name, which the command line gives in English.
    const char* tuningRule;
    /// The date of a printed page or a report.
    const char* printedDate;
};

const LanguageSample kSamples[] = {
    {"pt_BR",
     {"&Arquivo", "&Editar", "&Simulação", "E&xibir", "&Janela", "A&juda"},
     "&Expressão...",
     "Gráficos",
     "Expressão",
     "Cancelar",
     "Ajuda...",
     "Como escrever fórmulas no Vorlint",
     "O passo simulado é 0 s: uma malha que nunca é amostrada não tem resposta em frequência.",
     R"(windows[0].events[1].antiWindup: esperado "none", "conditional" ou "backcalc")",
     "exercise.checks[0].min: acima de max",
     "Ziegler-Nichols algum sobressinal",
     "08/12/2026 09:30"},
    {"en",
     {"&File", "&Edit", "&Simulation", "&View", "&Window", "&Help"},
     "&Plant formula...",
     "Charts",
     "Plant formula",
     "Cancel",
     "Help...",
     "Writing formulas in Vorlint",
     FrequencyLabText::kNoSampling,
     R"(windows[0].events[1].antiWindup: expected "none", "conditional" or "backcalc")",
     "exercise.checks[0].min: above max",
     "Ziegler-Nichols some overshoot",
     "2026-12-08 09:30"},
    {"",
     {"&File", "&Edit", "&Simulação", "&View", "&Window", "&Help"},
     "&Expressão...",
     "Gráficos",
     "Expressão",
     "Cancelar",
     "Ajuda...",
     "Writing formulas in Vorlint",
     FrequencyLabText::kNoSampling,
     R"(windows[0].events[1].antiWindup: expected "none", "conditional" or "backcalc")",
     "exercise.checks[0].min: above max",
     "Ziegler-Nichols some overshoot",
     "08/12/2026 09:30"},
};

/// The sample of the language the test runner expects the environment to choose.
const LanguageSample& ExpectedSample() {
    const QString expected = qEnvironmentVariable("VORLINT_TEST_LANGUAGE");
    for (const LanguageSample& sample : kSamples) {
        if (expected == QLatin1String(sample.language))
            return sample;
    }
    ADD_FAILURE() << "no sample for VORLINT_TEST_LANGUAGE " << expected.toStdString();
    return kSamples[0];
}

/// Why a `.vrl` holding `json` does not open.
QString VrlRefusal(const char* json) {
    QBuffer file;
    file.setData(json);
    file.open(QIODevice::ReadOnly);
    VrlDocument content;
    QString problem;
    EXPECT_FALSE(ReadVrl(file, content, problem));
    return problem;
}

QAbstractButton* ButtonNamed(const QWidget& dialog, const char* text) {
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->text() == QString::fromUtf8(text))
            return button;
    }
    return nullptr;
}

/// The first line of the guide that the formula dialog's help button shows.
QString GuideHeading(const CExpressaoDlg& dialog, const char* helpButton) {
    QString heading;
    ModalAnswer readGuide([&](QWidget* guide) {
        QTextBrowser& browser = *guide->findChild<QTextBrowser*>();
        heading = browser.toPlainText().section(QLatin1Char('\n'), 0, 0);
        // The link to the guide in the other language opens that guide, and its link comes back.
        const QUrl own = browser.source();
        const QString other = own.fileName() == QLatin1String("formulas.md")
                                  ? QStringLiteral("formulas.pt_BR.md")
                                  : QStringLiteral("formulas.md");
        emit browser.anchorClicked(QUrl(other));
        EXPECT_EQ(browser.source().fileName(), other);
        EXPECT_NE(browser.toPlainText().section(QLatin1Char('\n'), 0, 0), heading);
        emit browser.anchorClicked(QUrl(own.fileName()));
        EXPECT_EQ(browser.toPlainText().section(QLatin1Char('\n'), 0, 0), heading);
        guide->close();
    });
    if (QAbstractButton* help = ButtonNamed(dialog, helpButton))
        help->click();
    return heading;
}

using TranslationTest = AppTest;

TEST_F(TranslationTest, InterfaceSpeaksTheLanguageOfTheEnvironment) {
    const LanguageSample& sample = ExpectedSample();
    EXPECT_EQ(App().InterfaceLanguage(), QLatin1String(sample.language));

    std::vector<std::string> titles;
    for (QAction* popup : Frame().menuBar()->actions())
        titles.push_back(popup->text().toStdString());
    EXPECT_EQ(titles, sample.menuTitles);
    EXPECT_EQ(Action(CommandId::SimFormula).text(), QString::fromUtf8(sample.formulaCommand));

    QStringList groups;
    for (const QGroupBox* group : Active()->Frame()->ControlPanel()->findChildren<QGroupBox*>())
        groups.append(group->title());
    EXPECT_TRUE(groups.contains(QString::fromUtf8(sample.panelGroup))) << groups.join(',').toStdString();

    const CExpressaoDlg dialog(App().InterfaceLanguage());
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(sample.formulaDialogTitle));
    EXPECT_NE(ButtonNamed(dialog, sample.formulaDialogCancel), nullptr);
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
    EXPECT_EQ(GuideHeading(dialog, sample.formulaDialogHelp), QString::fromUtf8(sample.guideHeading));
    EXPECT_EQ(QCoreApplication::translate("FrequencyLab", FrequencyLabText::kNoSampling),
              QString::fromUtf8(sample.noSamplingReason));
    EXPECT_EQ(VrlRefusal(R"({"format": "vorlint", "version": 1, "windows": [{"events": [
                  {"atS": 1, "setPoint": 100}, {"atS": 2, "antiWindup": "auto"}]}]})"),
              QString::fromUtf8(sample.eventRefusal));
    EXPECT_EQ(VrlRefusal(R"({"format": "vorlint", "version": 1,
                  "exercise": {"checks": [{"figure": "iae", "min": 2, "max": 1}]}})"),
              QString::fromUtf8(sample.exerciseRefusal));
    const UltimateCycle cycle{};
    EXPECT_EQ(QCoreApplication::translate("TuningRules", ultimateCycleRules(cycle)[3].name),
              QString::fromUtf8(sample.tuningRule));
    EXPECT_EQ(DateText(QDateTime(QDate(2026, 12, 8), QTime(9, 30))), QString::fromUtf8(sample.printedDate));
}

// Qt's own texts come from Qt's translations, in the interface's language or, without a translation
// of ours, in the user's.
TEST_F(TranslationTest, QtDialogsSpeakItToo) {
    const std::map<QString, QString> cancelByLocale = {
        {QStringLiteral("pt_BR"), QStringLiteral("Cancelar")},
        {QStringLiteral("en_GB"), QStringLiteral("Cancel")},
        {QStringLiteral("de_DE"), QStringLiteral("Abbrechen")},
    };
    const QString locale = QLocale::system().name();
    ASSERT_EQ(cancelByLocale.count(locale), 1u) << locale.toStdString();
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), cancelByLocale.at(locale));
}

TEST(TranslationLanguageTest, FirstPreferredLanguageWithATranslation) {
    struct Row {
        QStringList uiLanguages;
        const char* translation;
    };
    const Row rows[] = {
        {{"pt-BR"}, "pt_BR"},
        {{"pt-PT", "en-GB"}, "pt_BR"},
        {{"de-DE", "en-US"}, "en"},
        {{"en-GB", "pt-BR"}, "en"},
        {{"de-DE", "de"}, ""},
        {{"C"}, ""},
        {{}, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TranslationLanguage(row.uiLanguages), QLatin1String(row.translation))
            << row.uiLanguages.join(',').toStdString();
}

} // namespace
